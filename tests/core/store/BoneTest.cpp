#include <gtest/gtest.h>

#include "StoreFixtures.h"
#include "store/Bone.h"
#include "store/StoreError.h"

namespace tf {
namespace {

using namespace tf::testing;

void Load(TAccount& root, const std::string& content) {
  TMemorySource source(content);
  root.LoadFromStream(source);
  root.Flag3 = false;  // as loading a file leaves it
}

TEST(Bone, EmptyRootBeginsAsTheFormatSays) {
  TAccount root;
  const std::string content = Content(root);
  const std::string begin = std::string(
                                "\x06\x07"
                                "Account"
                                "\x06\x00"
                                "\x08\x08\x08"
                                "\x08"
                                "\x08"
                                "\x06\x1B"
                                "AccountName ( AccountType )"
                                "\x06\x04"
                                "list",
                                2 + 7 + 2 + 5 + 2 + 27 + 2 + 4) +
                            std::string("\x06\x00\x06\x00\x06\x00\x06\x00\x06\x00", 10) +
                            std::string("\x02\x00", 2);  // no accounts
  EXPECT_EQ(content.substr(0, begin.size()), begin);
  TAccount back;
  Load(back, content);
  EXPECT_EQ(back.ChildCount(), 3);
  EXPECT_NE(back.TransactionsTable(), nullptr);
  EXPECT_NE(back.BudgetTable(), nullptr);
  EXPECT_NE(back.PatternTable(), nullptr);
  EXPECT_TRUE(SameBytes(Content(back), content));
}

TEST(Bone, FullTreeRoundTripsByteForByte) {
  TAccount root;
  FillSampleTree(root);
  const std::string content = Content(root);
  TAccount back;
  Load(back, content);
  EXPECT_TRUE(SameBytes(Content(back), content));
  ASSERT_EQ(back.RowCount(), 2);
  TTransactions* table = back.AccountAt(0)->TransactionsTable();
  ASSERT_EQ(table->RowCount(), 2);
  EXPECT_TRUE(table->TransactionAt(1)->Deleted);
  EXPECT_EQ(table->TransactionAt(0)->FieldAt(TTransactions::fAmount)->AsString(), "-12.34");
  EXPECT_EQ(back.AccountAt(1)->FieldAt(TAccount::fAccountName)->AsString(), "Caf\xC3\xA9 card");
  EXPECT_EQ(back.ListFieldAt(TAccount::lfPassword)->AsString(), "secret");
  EXPECT_EQ(back.AccountAt(0)->ListFieldAt(TAccount::lfAccountColour)->AsInteger(), 0x00FF8000);
  EXPECT_EQ(back.PatternTable()->PatternAt(0)->FieldAt(TImportSettings::fMatchType)->AsString(),
            "|*");
}

TEST(Bone, ExtraColumnIsKeptAfterTheDefinedOnes) {
  TAccount root;
  FillSampleTree(root);
  TTransactions* row = root.AccountAt(0)->TransactionsTable()->TransactionAt(0);
  TBoneField* memo = row->Fields().AddField();
  memo->Define("Memo", "Memo", "", 0, true, TVariant::String(""), TBoneFieldKind::String);
  memo->SetValue(TVariant::String("paid in cash"));
  row->MoveField(11, 4);  // in the middle of the row
  TAccount back;
  Load(back, Content(root));
  TTransactions* read = back.AccountAt(0)->TransactionsTable()->TransactionAt(0);
  ASSERT_EQ(read->Fields().Count(), 12);
  EXPECT_EQ(read->FieldAt(4)->FieldName(), "Amount");
  EXPECT_EQ(read->FieldAt(TTransactions::fAmount)->AsString(), "-12.34");
  EXPECT_EQ(read->FieldAt(11)->FieldName(), "Memo");
  EXPECT_EQ(read->FieldAt(11)->AsString(), "paid in cash");
  // Written back, read again: still there.
  TAccount again;
  Load(again, Content(back));
  EXPECT_EQ(again.AccountAt(0)->TransactionsTable()->TransactionAt(0)->FieldAt(11)->AsString(),
            "paid in cash");
  EXPECT_TRUE(SameBytes(Content(again), Content(back)));
}

TEST(Bone, MissingColumnReadsAsItsDefault) {
  TAccount root;
  FillSampleTree(root);
  TTransactions* row = root.AccountAt(0)->TransactionsTable()->TransactionAt(0);
  row->FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(true));
  row->Fields().Delete(TTransactions::fLockedForAutoMatching);
  TAccount back;
  Load(back, Content(root));
  TTransactions* read = back.AccountAt(0)->TransactionsTable()->TransactionAt(0);
  ASSERT_EQ(read->Fields().Count(), 11);
  EXPECT_EQ(read->FieldAt(TTransactions::fLockedForAutoMatching)->GetValue(),
            TVariant::Bool(false));
}

TEST(Bone, MissingChildTablesAreCompletedInTheirOrder) {
  TAccount root;
  FillSampleTree(root);
  TAccount* account = root.AccountAt(0);
  account->Children().Delete(2);
  account->Children().Delete(1);
  TAccount back;
  Load(back, Content(root));
  TAccount* read = back.AccountAt(0);
  ASSERT_EQ(read->ChildCount(), 3);
  EXPECT_EQ(read->TransactionsTable()->RowCount(), 2);
  EXPECT_NE(read->BudgetTable(), nullptr);
  EXPECT_NE(read->PatternTable(), nullptr);
}

TEST(Bone, RowsKnowTheirClassWithoutACast) {
  TAccount root;
  FillSampleTree(root);
  TBone plain(nullptr, TBoneKind::Single);
  TTransactions* table = root.AccountAt(0)->TransactionsTable();
  const TBone* const objects[] = {&root,
                                  root.AccountAt(0),
                                  table,
                                  table->RowAt(0),
                                  root.BudgetTable()->RowAt(0),
                                  root.PatternTable()->RowAt(0),
                                  &plain};
  for (const TBone* bone : objects) {
    SCOPED_TRACE(bone->Name());
    EXPECT_EQ(BoneAs<TAccount>(bone), dynamic_cast<const TAccount*>(bone));
    EXPECT_EQ(BoneAs<TTransactions>(bone), dynamic_cast<const TTransactions*>(bone));
    EXPECT_EQ(BoneAs<TBudget>(bone), dynamic_cast<const TBudget*>(bone));
    EXPECT_EQ(BoneAs<TImportSettings>(bone), dynamic_cast<const TImportSettings*>(bone));
  }
  EXPECT_EQ(BoneAs<TTransactions>(static_cast<const TBone*>(nullptr)), nullptr);
  // A row of another class in a transactions table is not taken for a transaction.
  table->AddRow(std::make_unique<TBone>(table, TBoneKind::Single));
  EXPECT_EQ(table->TransactionAt(table->RowCount() - 1), nullptr);
}

TEST(Bone, StoredValueThatDoesNotFitReadsAsDefault) {
  const std::string content = ObjectRecord(
      "Plain", 1, FieldRecord("Count", "integer", TVariant::String("abc"), TVariant::ShortInt(9)));
  TBone bone(nullptr, TBoneKind::List);
  TMemorySource source(content);
  bone.LoadFromStream(source);
  ASSERT_EQ(bone.Fields().Count(), 1);
  EXPECT_TRUE(bone.FieldAt(0)->HeldValue().IsNull());
  EXPECT_EQ(bone.FieldAt(0)->GetValue(), TVariant::Integer(9));
  EXPECT_EQ(bone.Name(), "Plain");
}

TEST(Bone, StoredValuesOfTheDefinedColumnEndInTheirKindsForm) {
  // Values of the column's own form move in as they are; any other form is
  // converted as before, so what the row holds and writes is the same.
  struct TCase {
    const char* Name;
    TVariant Stored, Held;
  };
  const TCase cases[] = {
      {"integer", TVariant::Integer(5), TVariant::Integer(5)},
      {"short integer", TVariant::ShortInt(5), TVariant::Integer(5)},
      {"text", TVariant::String("5"), TVariant::Integer(5)},
      {"null", TVariant::Null(), TVariant::Integer(7)},
  };
  std::string written;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TBone bone(nullptr, TBoneKind::List);
    bone.Fields().AddField()->Define("N", "N", "", 0, true, TVariant::ShortInt(7),
                                     TBoneFieldKind::Integer);
    const std::string object =
        ObjectRecord("Plain", 1, FieldRecord("N", "integer", c.Stored, TVariant::ShortInt(7)));
    TMemorySource source(object);
    bone.LoadFromStream(source);
    ASSERT_EQ(bone.Fields().Count(), 1);
    EXPECT_EQ(bone.FieldAt(0)->HeldValue(), c.Held);
    EXPECT_EQ(bone.FieldAt(0)->GetEditValue(), c.Held);
    if (c.Held == TVariant::Integer(5)) {
      if (written.empty()) written = Content(bone);
      EXPECT_TRUE(SameBytes(Content(bone), written));
    }
  }
}

// A class that defines one name twice.
class TTwice : public TBone {
 public:
  TTwice() : TBone(nullptr, TBoneKind::List) {
    for (int i = 0; i < 2; ++i)
      Fields().AddField()->Define("X", "X", "", 0, true, TVariant::String(""),
                                  TBoneFieldKind::String);
  }
};

TEST(Bone, StoredColumnFillsEveryDefinedColumnOfItsName) {
  const std::string content = ObjectRecord(
      "Twice", 1, FieldRecord("X", "string", TVariant::String("v"), TVariant::String("")));
  TTwice bone;
  TMemorySource source(content);
  bone.LoadFromStream(source);
  ASSERT_EQ(bone.Fields().Count(), 2);
  EXPECT_EQ(bone.FieldAt(0)->AsString(), "v");
  EXPECT_EQ(bone.FieldAt(1)->AsString(), "v");
}

TEST(Bone, StoredDefinitionReplacesTheDefinedOne) {
  // A file that stores "Amount" as text keeps it as text.
  TAccount root;
  TAccount* account = root.NewAccount();
  (void)account;
  std::string content = Content(root);
  TAccount back;
  Load(back, content);
  EXPECT_EQ(back.AccountAt(0)->FieldAt(TAccount::fBalance)->KindName(), "money");
  const std::string record =
      FieldRecord("Balance", "string", TVariant::String("n/a"), TVariant::String(""));
  TBone plain(nullptr, TBoneKind::List);
  TBoneField* defined = plain.Fields().AddField();
  defined->Define("Balance", "Balance", "", 0, true, TVariant::ShortInt(0), TBoneFieldKind::Money);
  const std::string object = ObjectRecord("Account", 1, record);
  TMemorySource source(object);
  plain.LoadFromStream(source);
  ASSERT_EQ(plain.Fields().Count(), 1);
  EXPECT_EQ(plain.FieldAt(0)->KindName(), "string");
  EXPECT_EQ(plain.FieldAt(0)->AsString(), "n/a");
}

TEST(Bone, ContentAfterTheRootIsAnError) {
  TAccount root;
  std::string content = Content(root) + std::string("\x00", 1);
  TAccount back;
  TMemorySource source(content);
  try {
    back.LoadFromStream(source);
    FAIL();
  } catch (const EReadError& error) {
    EXPECT_STREQ(error.what(), "Invalid stream operation");
  }
}

TEST(Bone, DeepNestingIsRefused) {
  std::string nested = ObjectRecord("Leaf", 0, "");
  for (int i = 0; i < TBone::kMaxDepth + 2; ++i) nested = ObjectRecord("Level", 0, "", nested, 1);
  TBone bone(nullptr, TBoneKind::List);
  TMemorySource source(nested);
  EXPECT_THROW(bone.LoadFromStream(source), EReadError);
}

TEST(Bone, SortAndCounts) {
  TAccount root;
  FillSampleTree(root);
  EXPECT_EQ(root.RowCount(), 2);
  EXPECT_EQ(root.AccountAt(0)->TransactionsTable()->LiveRowCount(), 1);
  root.SortRows([](const TBone* a, const TBone* b) {
    return a->FieldAt(TAccount::fAccountName)
        ->AsString()
        .compare(b->FieldAt(TAccount::fAccountName)->AsString());
  });
  EXPECT_EQ(root.AccountAt(0)->FieldAt(TAccount::fAccountName)->AsString(), "Caf\xC3\xA9 card");
  EXPECT_EQ(root.DisplayText(), " (  )");  // the root's own columns are never filled
  EXPECT_EQ(root.AccountAt(1)->DisplayText(), "Cheque ( Current Account )");
}

}  // namespace
}  // namespace tf
