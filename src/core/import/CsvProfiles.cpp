#include "import/CsvProfiles.h"

#include "import/StatementText.h"
#include "model/Account.h"

namespace tf {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && FindNoCase(a, b) == 0;
}

std::string Text(TBone& row, const char* name) {
  const TBoneField* field = row.Fields().FieldByName(name);
  return field != nullptr ? field->AsString() : std::string();
}

int Number(TBone& row, const char* name) {
  return WholeNumberOr0(Text(row, name));
}

char Character(TBone& row, const char* name, char fallback) {
  const std::string text = Text(row, name);
  return text.size() == 1 ? text[0] : fallback;
}

void SetText(TBone& row, const char* name, const std::string& value) {
  TBoneField* field = row.Fields().FieldByName(name);
  if (field == nullptr) {
    field = row.Fields().AddField();
    field->Define(name, name, "", 0, true, TVariant::String(""), TBoneFieldKind::String);
  }
  field->SetValue(TVariant::String(value));
}

TCsvProfile ProfileOf(TBone& row) {
  TCsvProfile p;
  p.Name = Text(row, "ProfileName");
  p.AccountID = Text(row, "AccountID");
  p.Separator = Character(row, "Separator", ',');
  p.SkipLines = Number(row, "SkipLines");
  p.DateColumn = Number(row, "DateColumn");
  if (!TryDateOrderFromCode(Text(row, "DateOrder"), p.DateOrder))
    p.DateOrder = TDateOrder::DayMonthYear;
  p.AmountColumn = Number(row, "AmountColumn");
  p.InColumn = Number(row, "InColumn");
  p.OutColumn = Number(row, "OutColumn");
  if (!TryColumnListFromText(Text(row, "DescriptionColumns"), p.DescriptionColumns))
    p.DescriptionColumns.clear();
  p.DecimalSeparator = Character(row, "DecimalSeparator", '.');
  p.BalanceColumn = Number(row, "BalanceColumn");
  p.ColumnCount = Number(row, "ColumnCount");
  p.Heading = Text(row, "Heading");
  return p;
}

void WriteProfile(TBone& row, const TCsvProfile& p) {
  SetText(row, "ProfileName", p.Name);
  SetText(row, "AccountID", p.AccountID);
  SetText(row, "Separator", std::string(1, p.Separator));
  SetText(row, "SkipLines", std::to_string(p.SkipLines));
  SetText(row, "DateColumn", std::to_string(p.DateColumn));
  SetText(row, "DateOrder", DateOrderCode(p.DateOrder));
  SetText(row, "AmountColumn", std::to_string(p.AmountColumn));
  SetText(row, "InColumn", std::to_string(p.InColumn));
  SetText(row, "OutColumn", std::to_string(p.OutColumn));
  SetText(row, "DescriptionColumns", ColumnListText(p.DescriptionColumns));
  SetText(row, "DecimalSeparator", std::string(1, p.DecimalSeparator));
  SetText(row, "BalanceColumn", std::to_string(p.BalanceColumn));
  SetText(row, "ColumnCount", std::to_string(p.ColumnCount));
  SetText(row, "Heading", p.Heading);
}

TBone* FindRow(const TAccount& root, const std::string& name) {
  TBone* table = CsvProfilesTable(root);
  for (int i = 0; table != nullptr && i < table->RowCount(); ++i) {
    TBone* row = table->RowAt(i);
    if (!row->Deleted && SameName(Text(*row, "ProfileName"), name)) return row;
  }
  return nullptr;
}

}  // namespace

TBone* CsvProfilesTable(const TAccount& root) {
  // Past the three tables every account owns; found by name, not position.
  for (int i = 3; i < root.ChildCount(); ++i)
    if (root.ChildAt(i)->Name() == kCsvProfilesTableName) return root.ChildAt(i);
  return nullptr;
}

std::vector<TCsvProfile> LoadCsvProfiles(const TAccount& root) {
  std::vector<TCsvProfile> profiles;
  TBone* table = CsvProfilesTable(root);
  for (int i = 0; table != nullptr && i < table->RowCount(); ++i)
    if (!table->RowAt(i)->Deleted) profiles.push_back(ProfileOf(*table->RowAt(i)));
  return profiles;
}

bool FindCsvProfile(const TAccount& root, const std::string& name, TCsvProfile& profile) {
  TBone* row = FindRow(root, name);
  if (row == nullptr) return false;
  profile = ProfileOf(*row);
  return true;
}

void StoreCsvProfile(TAccount& root, const TCsvProfile& profile) {
  TBone* row = FindRow(root, profile.Name);
  if (row == nullptr) {
    TBone* table = CsvProfilesTable(root);
    if (table == nullptr) {
      while (root.ChildCount() < 3) root.NewChild(TBoneKind::List);
      table = root.NewChild(TBoneKind::List);
      table->SetName(kCsvProfilesTableName);
    }
    row = table->NewRow(TBoneKind::Single);
  }
  WriteProfile(*row, profile);
}

bool DeleteCsvProfile(TAccount& root, const std::string& name) {
  TBone* row = FindRow(root, name);
  if (row == nullptr) return false;
  row->Deleted = true;
  return true;
}

}  // namespace tf
