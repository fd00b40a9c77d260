// The preview of an import: rows marked new, imported before or left out for
// a zero amount, with the category each new row would get, all without
// changing the account; and the import of only the rows left ticked.
#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/StatementImport.h"
#include "import/StatementPreview.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"

namespace tf::test {
namespace {

TCSVLineData Row(int day, const std::string& description, const std::string& amount) {
  TCSVLineData row;
  row.Date = EncodeDate(2024, 3, day);
  row.Description = description;
  row.Amount = Money(amount);
  row.RawLine = std::to_string(20240300 + day) + "," + description + "," + amount;
  return row;
}

class StatementPreview : public ::testing::Test {
 protected:
  StatementPreview() {
    Cheque = Root.NewAccount();
    Cheque->FieldAt(TAccount::fAccountID)
        ->SetValue(TVariant::String("{00000000-0000-0000-0000-00000000000A}"));
    TImportSettings* pattern = Root.PatternTable()->NewPattern();
    pattern->FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String("SALARY"));
    pattern->SetMatchType(mtStartsWith);
    pattern->FieldAt(TImportSettings::fCategoryName)->SetValue(TVariant::String("Income - Salary"));
    pattern->SetTransactionType(ttIncome);
  }

  TImportResult Import(std::vector<TCSVLineData> rows, const std::vector<bool>& chosen = {}) {
    return ImportLines(Root, *Cheque, rows, true, {}, chosen);
  }
  std::vector<std::string> Descriptions() const {
    std::vector<std::string> texts;
    const TTransactions* table = Cheque->TransactionsTable();
    for (int i = 0; i < table->RowCount(); ++i)
      texts.push_back(table->TransactionAt(i)->FieldAt(TTransactions::fDescription)->AsString());
    return texts;
  }

  TAccount Root;
  TAccount* Cheque = nullptr;
};

const std::vector<TCSVLineData> kMarch = {Row(1, "SHOP", "-12.50"), Row(2, "SALARY MARCH", "1000"),
                                          Row(3, "FEE", "0"), Row(4, "RENT", "-500")};

TEST_F(StatementPreview, MarksDuplicatesAndZeroRowsAndChangesNothing) {
  Import({kMarch[0]});
  const TImportPreview preview = PreviewStatementImport(Root, *Cheque, kMarch, true);

  ASSERT_EQ(preview.Rows.size(), 4u);
  const TPreviewMark marks[] = {TPreviewMark::Duplicate, TPreviewMark::New,
                                TPreviewMark::ZeroAmount, TPreviewMark::New};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(preview.Rows[i].Mark, marks[i]) << i;
  EXPECT_EQ(preview.NewRows, 2);
  EXPECT_EQ(preview.Duplicates, 1);
  EXPECT_EQ(preview.ZeroAmounts, 1);
  EXPECT_EQ(PreviewReason(preview.Rows[0].Mark), "Already imported");
  EXPECT_EQ(PreviewReason(preview.Rows[2].Mark), "Amount is 0");
  EXPECT_EQ(PreviewReason(preview.Rows[1].Mark), "");
  EXPECT_EQ(preview.Rows[0].Note, "Already imported");
  EXPECT_EQ(preview.Rows[1].Note, "");
  EXPECT_EQ(Descriptions(), std::vector<std::string>{"SHOP"});

  const TImportPreview keepZero = PreviewStatementImport(Root, *Cheque, kMarch, false);
  EXPECT_EQ(keepZero.Rows[2].Mark, TPreviewMark::New);
  EXPECT_EQ(keepZero.ZeroAmounts, 0);
}

TEST_F(StatementPreview, GivesEachNewRowTheCategoryTheImportWill) {
  TCSVLineData own = Row(5, "TRANSFER OUT", "-50");
  own.TypeText = "Transfer";
  own.MainCategoryText = "Savings";
  own.SubCategoryText = "Holiday";
  std::vector<TCSVLineData> rows = kMarch;
  rows.push_back(own);

  const TImportPreview preview = PreviewStatementImport(Root, *Cheque, rows, false);
  Import(rows);
  const TTransactions* table = Cheque->TransactionsTable();
  ASSERT_EQ(table->RowCount(), 4);  // the zero row is left out by the import
  const std::size_t imported[] = {0, 1, 3, 4};
  for (int i = 0; i < 4; ++i) {
    const TPreviewRow& row = preview.Rows[imported[i]];
    EXPECT_EQ(row.Category, table->TransactionAt(i)->FieldAt(TTransactions::fCategory)->AsString());
    EXPECT_EQ(row.TransactionType, table->TransactionAt(i)->GetTransactionType());
  }
  EXPECT_EQ(preview.Rows[1].Category, "Income - Salary");
  EXPECT_EQ(preview.Rows[1].TransactionType, ttIncome);
  EXPECT_EQ(preview.Rows[3].Category, "");
  EXPECT_EQ(preview.Rows[4].Category, "Savings - Holiday");
  EXPECT_EQ(preview.Rows[4].TransactionType, ttTransfer);
}

TEST_F(StatementPreview, AnUntickedRowIsLeftOutAndStaysNewForTheNextImport) {
  const TImportResult result = Import(kMarch, {true, false, true, true});
  EXPECT_EQ(result.Imported, 2);
  EXPECT_EQ(result.Unticked, 1);
  EXPECT_EQ(result.SkippedZero, 1);
  EXPECT_EQ(Descriptions(), (std::vector<std::string>{"SHOP", "RENT"}));
  // The statement's order is kept in the gaps the left-out rows leave.
  EXPECT_EQ(Cheque->TransactionsTable()
                ->TransactionAt(1)
                ->FieldAt(TTransactions::fSortOrder)
                ->AsInteger(),
            3);

  const TImportPreview again = PreviewStatementImport(Root, *Cheque, kMarch, true);
  EXPECT_EQ(again.Rows[1].Mark, TPreviewMark::New);
  EXPECT_EQ(again.Duplicates, 2);
}

TEST_F(StatementPreview, SummaryCountsWhatIsTickedAndWhatIsLeftOut) {
  Import({kMarch[0]});
  const TImportPreview preview = PreviewStatementImport(Root, *Cheque, kMarch, true);
  EXPECT_EQ(PreviewSummary(preview, 1),
            "1 of 2 new rows ticked; 1 already imported; 1 of amount 0 left out");
  EXPECT_EQ(PreviewSummary(PreviewStatementImport(Root, *Cheque, {kMarch[3]}, true), 1),
            "1 of 1 new rows ticked");
}

TEST_F(StatementPreview, AnUndatedRowIsNewWithANote) {
  TCSVLineData undated = kMarch[3];
  undated.Date = 0;
  const TImportPreview preview = PreviewStatementImport(Root, *Cheque, {undated}, true);
  EXPECT_EQ(preview.Rows[0].Mark, TPreviewMark::New);
  EXPECT_EQ(preview.Rows[0].Note, "No date: imported without one");
}

TEST_F(StatementPreview, RefusesATargetThatIsNoAccount) {
  EXPECT_THROW(PreviewStatementImport(Root, Root, kMarch, true), TImportError);
}

}  // namespace
}  // namespace tf::test
