#include <gtest/gtest.h>

#include "store/BoneField.h"
#include "store/BoneFieldList.h"

namespace tf {
namespace {

struct FieldFixture : ::testing::Test {
  TBoneFieldList list;
  TBoneField* Add(const char* name, TBoneFieldKind kind, TVariant def = TVariant::ShortInt(0),
                  bool allowNull = true) {
    TBoneField* field = list.AddField();
    field->Define(name, name, "", 0, allowNull, def, kind);
    return field;
  }
};

TEST_F(FieldFixture, NewMoneyFieldReadsItsDefault) {
  TBoneField* money = Add("Amount", TBoneFieldKind::Money);
  EXPECT_EQ(money->GetValue(), TVariant::Currency(TCurrency{}));
  EXPECT_EQ(money->AsString(), "0");
}

TEST_F(FieldFixture, MoneyKeepsTextAndConvertsOnTheWayOut) {
  TBoneField* money = Add("Amount", TBoneFieldKind::Money);
  money->SetValue(TVariant::String("12.50"));
  EXPECT_EQ(money->HeldValue(), TVariant::String("12.50"));
  EXPECT_EQ(money->GetValue(), TVariant::Currency(TCurrency{125000}));
  money->SetValue(TVariant::String("abc"));
  EXPECT_EQ(money->HeldValue(), TVariant::String("12.50"));
  EXPECT_EQ(money->AsString(), "12.5");
}

TEST_F(FieldFixture, NullFollowsAllowNull) {
  TBoneField* strict = Add("Type", TBoneFieldKind::Integer, TVariant::ShortInt(1), false);
  strict->SetValue(TVariant::Integer(3));
  strict->SetValue(TVariant::Null());
  EXPECT_EQ(strict->GetValue(), TVariant::Integer(3));
  TBoneField* loose = Add("Order", TBoneFieldKind::Integer, TVariant::ShortInt(7));
  loose->SetValue(TVariant::Integer(3));
  loose->SetValue(TVariant::Null());
  EXPECT_TRUE(loose->HeldValue().IsNull());
  EXPECT_EQ(loose->GetValue(), TVariant::Integer(7));
}

TEST_F(FieldFixture, HeldTextThatNoLongerConvertsReadsAsDefault) {
  TBoneField* field = Add("Count", TBoneFieldKind::String, TVariant::ShortInt(5));
  field->SetValue(TVariant::String("12x"));
  field->SetKindName("integer");
  EXPECT_EQ(field->GetValue(), TVariant::Integer(5));
  field->SetKindName("money");
  EXPECT_EQ(field->GetValue(), TVariant::Currency(TCurrency{50000}));
}

TEST_F(FieldFixture, CanHoldByKind) {
  struct Case {
    TBoneFieldKind kind;
    TVariant value;
    bool holds;
  };
  const Case cases[] = {
      {TBoneFieldKind::Integer, TVariant::String("42"), true},
      {TBoneFieldKind::Integer, TVariant::String("4.2"), false},
      {TBoneFieldKind::Integer, TVariant::Int64(1LL << 40), false},
      {TBoneFieldKind::Int64, TVariant::Int64(1LL << 40), true},
      {TBoneFieldKind::Money, TVariant::Double(2.5), true},
      {TBoneFieldKind::Bool, TVariant::String("FALSE"), true},
      {TBoneFieldKind::Bool, TVariant::String("no"), false},
      {TBoneFieldKind::Bool, TVariant::Integer(2), true},
      {TBoneFieldKind::Float, TVariant::String("1e3"), true},
      {TBoneFieldKind::DateTime, TVariant::String("whenever"), true},
      {TBoneFieldKind::DateTime, TVariant::String("10:30"), true},
      {TBoneFieldKind::DateTime, TVariant::String("25:30"), true},
      {TBoneFieldKind::Unknow, TVariant::String("x"), false},
      {TBoneFieldKind::String, TVariant::Currency(TCurrency{1}), true},
  };
  TBoneField* field = Add("F", TBoneFieldKind::String);
  for (const Case& c : cases)
    EXPECT_EQ(field->CanHold(c.value, c.kind), c.holds)
        << FieldKindName(c.kind) << " " << c.value.ToText();
}

TEST_F(FieldFixture, KindNames) {
  TBoneField* field = Add("F", TBoneFieldKind::String);
  field->SetKindName(" Money ");
  EXPECT_EQ(field->KindName(), "money");
  field->SetKindName("currency");
  EXPECT_EQ(field->KindName(), "unknow");
  field->SetValue(TVariant::String("anything"));
  EXPECT_TRUE(field->HeldValue().IsNull());
  EXPECT_EQ(field->GetValue(), TVariant::String(""));
}

TEST_F(FieldFixture, LookupByNameIgnoresCaseButAssignValuesDoesNot) {
  Add("AccountID", TBoneFieldKind::String, TVariant::String(""));
  EXPECT_EQ(list.FieldByName("accountid"), list.FieldByIndex(0));
  EXPECT_EQ(list.FieldByName("accountid "), nullptr);
  TBoneFieldList other;
  TBoneField* lower = other.AddField();
  lower->Define("accountid", "accountid", "", 0, true, TVariant::String(""),
                TBoneFieldKind::String);
  lower->SetValue(TVariant::String("x"));
  list.AssignValues(other);
  EXPECT_EQ(list.FieldByIndex(0)->AsString(), "");
  lower->Define("AccountID", "AccountID", "", 0, true, TVariant::String(""),
                TBoneFieldKind::String);
  list.AssignValues(other);
  EXPECT_EQ(list.FieldByIndex(0)->AsString(), "x");
}

TEST_F(FieldFixture, FormatTextReplacesInFieldOrder) {
  EXPECT_EQ(list.FormatText(""), "");
  Add("Description", TBoneFieldKind::String, TVariant::String(""))
      ->SetValue(TVariant::String("amount due"));
  Add("Category", TBoneFieldKind::String, TVariant::String(""))->SetValue(TVariant::String("Food"));
  Add("Amount", TBoneFieldKind::Money)->SetValue(TVariant::Currency(TCurrency{125000}));
  // The description put in first is itself replaced by the later "Amount".
  EXPECT_EQ(list.FormatText("Description ( Category )"), "12.5 due ( Food )");
  EXPECT_EQ(list.FormatText(""), "");
  TBoneField* key = list.FieldByIndex(1);
  key->ChangeDef([](TFieldDef& d) { d.IsKey = true; });
  EXPECT_EQ(list.FormatText(""), "Food");
}

TEST_F(FieldFixture, AssignCopiesDefinitionAndConvertedValues) {
  TBoneField* target = Add("Old", TBoneFieldKind::String, TVariant::String(""));
  TBoneFieldList other;
  TBoneField* source = other.AddField();
  source->Define("Amount", "Amount", "p", 0, false, TVariant::ShortInt(0), TBoneFieldKind::Money);
  source->SetValue(TVariant::String("3.25"));
  target->Assign(source);
  EXPECT_EQ(target->FieldName(), "Amount");
  EXPECT_EQ(target->KindName(), "money");
  EXPECT_FALSE(target->AllowNull());
  EXPECT_EQ(target->Def().ParamName.str(), "p");
  EXPECT_EQ(target->HeldValue(), TVariant::Currency(TCurrency{32500}));
  target->Assign(nullptr);
  EXPECT_EQ(target->FieldName(), "Amount");
}

TEST_F(FieldFixture, MoveField) {
  Add("A", TBoneFieldKind::String);
  Add("B", TBoneFieldKind::String);
  Add("C", TBoneFieldKind::String);
  list.MoveField(0, 2);
  EXPECT_EQ(list.FieldByIndex(0)->FieldName(), "B");
  EXPECT_EQ(list.FieldByIndex(2)->FieldName(), "A");
  EXPECT_THROW(list.MoveField(0, 3), EListError);
  EXPECT_EQ(list.FieldByIndex(3), nullptr);
  EXPECT_EQ(list.FieldByIndex(-1), nullptr);
}

}  // namespace
}  // namespace tf
