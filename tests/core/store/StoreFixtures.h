// Small trees and hand-made records for the store tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "model/Account.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "store/ValueStream.h"

namespace tf::testing {

inline void SetText(TBone& row, int index, const std::string& text) {
  row.FieldAt(index)->SetValue(TVariant::String(text));
}

// Two accounts, three transactions, a budget line, a pattern and file values.
inline void FillSampleTree(TAccount& root) {
  root.ListFieldAt(TAccount::lfPassword)->SetValue(TVariant::String("secret"));
  root.ListFieldAt(TAccount::lfCategories)->SetValue(TVariant::String("Food,\"Home - rent\""));
  for (int a = 0; a < 2; ++a) {
    TAccount* account = root.NewAccount();
    SetText(*account, TAccount::fAccountID,
            "{0000000" + std::to_string(a) + "-0000-0000-0000-000000000000}");
    SetText(*account, TAccount::fAccountName, a == 0 ? "Cheque" : "Caf\xC3\xA9 card");
    SetText(*account, TAccount::fAccountType, "Current Account");
    account->FieldAt(TAccount::fStartingBalance)->SetValue(TVariant::Currency(TCurrency{1000000}));
    account->ListFieldAt(TAccount::lfAccountColour)->SetValue(TVariant::Integer(0x00FF8000));
    TTransactions* table = account->TransactionsTable();
    for (int t = 0; t < (a == 0 ? 2 : 1); ++t) {
      TTransactions* row = table->NewTransaction();
      SetText(*row, TTransactions::fTransactionID,
              "{T" + std::to_string(a) + std::to_string(t) + "}");
      SetText(*row, TTransactions::fDate, "05 Jan 2008");
      SetText(*row, TTransactions::fDescription, std::string(300, 'x'));
      row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{-123400}));
      row->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(40000 + t));
      row->Deleted = t == 1;
    }
  }
  TBudget* line = root.BudgetTable()->NewBudget();
  SetText(*line, TBudget::fCategoryName, "Food");
  line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(2024));
  line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(true));
  TImportSettings* pattern = root.PatternTable()->NewPattern();
  SetText(*pattern, TImportSettings::fMatchValue, "RENT");
  SetText(*pattern, TImportSettings::fMatchType, "|*");
}

// Compares two contents and names the first byte that differs, instead of
// printing megabytes.
inline ::testing::AssertionResult SameBytes(const std::string& a, const std::string& b) {
  if (a == b) return ::testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  auto around = [&](const std::string& s) {
    std::string out;
    for (std::size_t i = at; i < s.size() && i < at + 24; ++i) {
      char buf[4];
      std::snprintf(buf, sizeof buf, "%02X ", static_cast<unsigned char>(s[i]));
      out += buf;
    }
    return out;
  };
  return ::testing::AssertionFailure()
         << "sizes " << a.size() << " and " << b.size() << ", first difference at byte " << at
         << ": " << around(a) << "| " << around(b);
}

inline std::string Content(const TBone& root) {
  std::string out;
  root.SaveToStream(out);
  return out;
}

// A plain object record with no rows, no children and the given field
// records (already encoded) as its fields.
inline std::string ObjectRecord(const std::string& name, int fieldCount,
                                const std::string& fieldRecords, const std::string& rows = "",
                                int rowCount = 0) {
  std::string out;
  TStreamWriter w(out);
  w.WriteText(name);
  w.WriteText("");
  for (int i = 0; i < 5; ++i) w.WriteBool(false);
  w.WriteText("");
  w.WriteText("list");
  for (int i = 0; i < 5; ++i) w.WriteText("");
  w.WriteInteger(rowCount);
  w.WriteRaw(rows);
  w.WriteInteger(0);
  w.WriteInteger(fieldCount);
  w.WriteRaw(fieldRecords);
  w.WriteInteger(0);
  return out;
}

inline std::string FieldRecord(const std::string& name, const std::string& kind,
                               const TVariant& value, const TVariant& defaultValue) {
  std::string out;
  TStreamWriter w(out);
  w.WriteText("");
  w.WriteText("");
  for (int i = 0; i < 3; ++i) w.WriteBool(false);
  w.WriteBool(false);
  w.WriteBool(true);
  w.WriteInteger(0);
  w.WriteText(kind);
  w.WriteVariant(value);
  w.WriteVariant(value);
  w.WriteVariant(defaultValue);
  w.WriteText(name);
  w.WriteText(name);
  w.WriteText("");
  w.WriteBool(false);
  w.WriteInteger(0);
  for (int i = 0; i < 4; ++i) w.WriteText("");
  return out;
}

}  // namespace tf::testing
