#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "import/TallyfoldCSVParser.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "reports/TransactionExport.h"
#include "store/StoreError.h"
#include "support/GoldenFile.h"

namespace tf::test {
namespace {

const std::string kGolden = std::string(TALLYFOLD_TEST_DATA) + "/reports/transaction_export.xls";

TCurrency Money(const std::string& text) {
  TCurrency value;
  if (!TryTextToCurrency(text, value)) throw std::invalid_argument("bad money in test: " + text);
  return value;
}

class TransactionExport : public ::testing::Test {
 protected:
  TransactionExport() : Account(Root.NewAccount()) {}

  const TTransactions* Add(const std::string& date, int type, const std::string& description,
                           const std::string& category, const std::string& amount,
                           const std::string& balance) {
    TTransactions* row = Account->TransactionsTable()->NewTransaction();
    row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String(date));
    row->SetTransactionType(type);
    row->FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(description));
    row->FieldAt(TTransactions::fCategory)->SetValue(TVariant::String(category));
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(Money(amount)));
    row->FieldAt(TTransactions::fBalance)->SetValue(TVariant::Currency(Money(balance)));
    return row;
  }

  TAccount Root;
  TAccount* Account;
};

TEST_F(TransactionExport, CsvWritesTheListedRowsInListedOrder) {
  const TTransactions* food =
      Add("05 Jan 2008", ttExpense, "Groceries", "Food - groceries", "-500", "1500");
  const TTransactions* salary = Add("25 Jan 2008", ttIncome, "Pay", "Salary", "12.5", "1512.5");
  const TTransactions* loose = Add("26 Jan 2008", ttTransfer, "To savings", "", "-0.0001", "0");

  const std::string text = TransactionsCsvText({loose, nullptr, food, salary});

  EXPECT_EQ(text,
            "Date,Type,Description,Category,Sub Category,Amount,Balance\r\n"
            "\"26 Jan 2008\",\"Transfer\",\"To savings\",\"\",\"\",\"-0.0001\",\"0\"\r\n"
            "\"05 Jan 2008\",\"Expense\",\"Groceries\",\"Food\",\"groceries\",\"-500\",\"1500\"\r\n"
            "\"25 Jan 2008\",\"Income\",\"Pay\",\"Salary\",\"Salary\",\"12.5\",\"1512.5\"\r\n");
}

TEST_F(TransactionExport, EmptyListsKeepTheirHeadings) {
  EXPECT_EQ(TransactionsCsvText({}),
            "Date,Type,Description,Category,Sub Category,Amount,Balance\r\n");
  const std::string table = TransactionsXlsText({});
  EXPECT_NE(table.find("  <th>Balance</th>\r\n</tr>\r\n</table>\r\n</body>\r\n</html>\r\n"),
            std::string::npos)
      << table;
}

TEST(TransactionExportQuoting, InnerQuotesAreDoubled) {
  struct Case {
    std::string value, quoted;
  };
  const Case cases[] = {{"", "\"\""},
                        {"Smith, J", "\"Smith, J\""},
                        {"say \"hi\"", "\"say \"\"hi\"\"\""},
                        {"\"", "\"\"\"\""}};
  for (const Case& c : cases) EXPECT_EQ(QuoteCsvValue(c.value), c.quoted) << c.value;
}

// What the export writes, the own statement layout reads back unchanged.
TEST_F(TransactionExport, CsvReadsBackThroughTheOwnLayout) {
  const std::vector<std::string> descriptions = {
      "Smith, J refund", "say \"hi\", bye", "the \"best\" shop", "ends in \"", "\"", ",", ""};
  std::vector<const TTransactions*> rows;
  for (const std::string& description : descriptions) {
    rows.push_back(Add("07 Feb 2008", ttDeposit, description, "Food - take, away", "-1234.5", "3"));
  }
  const std::string path =
      (std::filesystem::temp_directory_path() / "tallyfold_export_roundtrip.csv").string();
  WriteTransactionExport(path, TransactionsCsvText(rows));

  TTallyfoldCSVParser parser;
  parser.LoadStatement(path);
  std::filesystem::remove(path);

  ASSERT_EQ(parser.Lines.size(), descriptions.size());
  for (std::size_t i = 0; i < descriptions.size(); ++i) {
    const TCSVLineData& line = parser.Lines[i];
    EXPECT_EQ(line.Description, descriptions[i]);
    EXPECT_EQ(line.TypeText, "Deposit") << descriptions[i];
    EXPECT_EQ(line.MainCategoryText, "Food") << descriptions[i];
    EXPECT_EQ(line.SubCategoryText, "take, away") << descriptions[i];
    EXPECT_EQ(line.Amount, Money("-1234.5")) << descriptions[i];
    EXPECT_EQ(line.Balance, Money("3")) << descriptions[i];
    EXPECT_EQ(line.Date, EncodeDate(2008, 2, 7)) << descriptions[i];
  }
}

TEST_F(TransactionExport, XlsTableEscapesEveryValue) {
  const TTransactions* markup =
      Add("05 Jan 2008", ttExpense, "<b>Fish & Chips</b> \"best\" 'n' more",
          "Food <&> - take \"away\"", "-12.5", "87.5");
  const TTransactions* plain = Add("06 Jan 2008", ttIncome, "Salary", "Salary", "1000", "1087.5");

  tf::testing::ExpectMatchesGolden(TransactionsXlsText({markup, plain}), kGolden);
}

TEST(TransactionExportFileName, TheFormGivesTheExtension) {
  struct Case {
    std::string chosen;
    TExportForm form;
    std::string expected;
  };
  const Case cases[] = {
      {"report.txt", TExportForm::Xls, "report.xls"},
      {"report", TExportForm::Csv, "report.csv"},
      {"report.csv", TExportForm::Csv, "report.csv"},
      {"report.CSV", TExportForm::Xls, "report.xls"},
      {"archive.tar.gz", TExportForm::Csv, "archive.tar.csv"},
      {"/home/me/v1.2/report", TExportForm::Csv, "/home/me/v1.2/report.csv"},
      {"C:\\My.Files\\report", TExportForm::Xls, "C:\\My.Files\\report.xls"},
      {"/home/me/.hidden", TExportForm::Csv, "/home/me/.hidden.csv"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExportFileName(c.chosen, c.form), c.expected) << c.chosen;
}

TEST_F(TransactionExport, TheTextFollowsTheChosenForm) {
  const std::vector<const TTransactions*> rows = {Add("05 Jan 2008", ttIncome, "A", "", "1", "1")};
  EXPECT_EQ(TransactionExportText(rows, TExportForm::Csv), TransactionsCsvText(rows));
  EXPECT_EQ(TransactionExportText(rows, TExportForm::Xls), TransactionsXlsText(rows));
}

TEST(TransactionExportWrite, AFailedWriteNamesTheFile) {
  const std::string path = "/nonexistent-folder/export.csv";
  try {
    WriteTransactionExport(path, "x");
    FAIL() << "writing into a missing folder succeeded";
  } catch (const EFileError& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace tf::test
