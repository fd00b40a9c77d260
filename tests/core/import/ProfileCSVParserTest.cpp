#include <gtest/gtest.h>

#include "ImportTestSupport.h"
#include "import/ProfileCSVParser.h"

namespace tf {
namespace {

using test::Money;

TCsvProfile Profile(char separator, int skip, int dateColumn, TDateOrder order) {
  TCsvProfile p;
  p.Name = "Test bank";
  p.Separator = separator;
  p.SkipLines = skip;
  p.DateColumn = dateColumn;
  p.DateOrder = order;
  return p;
}

// One line read through one profile: what the row holds, or why it does not read.
struct TLineCase {
  const char* Name;
  TCsvProfile Profile;
  std::string Line;
  std::string Date;  // dd MMM yyyy, or empty when the line does not read
  std::string Amount;
  std::string Description;
  std::string Problem;  // empty when the line reads
};

TCsvProfile WithAmount(TCsvProfile p, int amount, std::vector<int> description, char decimal = '.',
                       int balance = 0) {
  p.AmountColumn = amount;
  p.DescriptionColumns = std::move(description);
  p.DecimalSeparator = decimal;
  p.BalanceColumn = balance;
  return p;
}

TCsvProfile WithInOut(TCsvProfile p, int in, int out, std::vector<int> description) {
  p.AmountColumn = 0;
  p.InColumn = in;
  p.OutColumn = out;
  p.DescriptionColumns = std::move(description);
  return p;
}

const TCsvProfile kComma = Profile(',', 1, 1, TDateOrder::DayMonthYear);
const TCsvProfile kSemicolon = Profile(';', 1, 2, TDateOrder::DayMonthYear);
const TCsvProfile kTab = Profile('\t', 1, 1, TDateOrder::YearMonthDay);
const TCsvProfile kMonthFirst = Profile(',', 1, 1, TDateOrder::MonthDayYear);

std::vector<TLineCase> LineCases() {
  return {
      {"comma, day-month-year with slashes", WithAmount(kComma, 3, {2}),
       "31/01/2024,SHOP  ONE,-150.00", "31 Jan 2024", "-150", "SHOP ONE", ""},
      {"quoted fields keep their commas", WithAmount(kComma, 3, {2}),
       "\"05/02/2024\",\"PAY, \"\"REF\"\" 1\",\"1,234.56\"", "05 Feb 2024", "1234.56",
       "PAY, \"REF\" 1", ""},
      {"semicolon and decimal comma", WithAmount(kSemicolon, 4, {1, 3}, ','),
       "A1;02.03.2024;Rent;-1.250,50", "02 Mar 2024", "-1250.5", "A1 Rent", ""},
      {"tab, year-month-day", WithAmount(kTab, 2, {3}), "2024-12-31\t99.95\tInterest",
       "31 Dec 2024", "99.95", "Interest", ""},
      {"year-month-day without separators", WithAmount(kTab, 2, {3}), "20240115\t-5\tFee",
       "15 Jan 2024", "-5", "Fee", ""},
      {"month-day-year", WithAmount(kMonthFirst, 2, {3}), "01/31/2024,10,Refund", "31 Jan 2024",
       "10", "Refund", ""},
      {"month name without separators", WithAmount(kComma, 2, {3}), "31Jan2024,10,X", "31 Jan 2024",
       "10", "X", ""},
      {"month name first in month-day-year", WithAmount(kMonthFirst, 2, {3}),
       "\"Feb 29, 2024\",7,Leap", "29 Feb 2024", "7", "Leap", ""},
      {"day-month-year without separators, two-digit year", WithAmount(kComma, 2, {3}),
       "311224,1,Y", "31 Dec 2024", "1", "Y", ""},
      {"a time after the date is ignored", WithAmount(kTab, 2, {3}), "2024-01-31 13:45\t1\tT",
       "31 Jan 2024", "1", "T", ""},
      {"brackets and a currency sign", WithAmount(kComma, 2, {3}), "01/01/2024,(R 1 200.00),B",
       "01 Jan 2024", "-1200", "B", ""},
      {"money in", WithInOut(kComma, 2, 3, {4}), "01/01/2024,500.00,,Salary", "01 Jan 2024", "500",
       "Salary", ""},
      {"money out without its sign is taken off", WithInOut(kComma, 2, 3, {4}),
       "01/01/2024,,45.10,Shop", "01 Jan 2024", "-45.1", "Shop", ""},
      {"money out with its sign too", WithInOut(kComma, 2, 3, {4}), "01/01/2024,,-45.10,Shop",
       "01 Jan 2024", "-45.1", "Shop", ""},
      {"neither money in nor out", WithInOut(kComma, 2, 3, {4}), "01/01/2024,,,Nothing", "", "", "",
       "no amount in column 2 or 3"},
      {"impossible date", WithAmount(kComma, 2, {3}), "31/02/2024,1,X", "", "", "",
       "\"31/02/2024\" is no date (day-month-year)"},
      {"the wrong order for the file", WithAmount(kMonthFirst, 2, {3}), "31/01/2024,1,X", "", "",
       "", "\"31/01/2024\" is no date (month-day-year)"},
      {"empty date", WithAmount(kComma, 2, {3}), ",1,X", "", "", "", "no date in column 1"},
      {"decimal comma read with a point", WithAmount(kSemicolon, 4, {3}), "A;01.01.2024;X;12,50",
       "", "", "", "\"12,50\" is no amount"},
      {"text for an amount", WithAmount(kComma, 2, {3}), "01/01/2024,abc,X", "", "", "",
       "\"abc\" is no amount"},
      {"too few columns", WithAmount(kComma, 4, {2}), "01/01/2024,X", "", "", "",
       "only 2 columns; column 4 is missing"},
  };
}

class ProfileLine : public ::testing::TestWithParam<TLineCase> {};

TEST_P(ProfileLine, ReadsAsTheProfileSays) {
  const TLineCase& c = GetParam();
  const TProfileRow read = ReadProfileLine(c.Profile, c.Line, 5);
  EXPECT_EQ(read.Problem, c.Problem);
  if (!c.Problem.empty()) return;
  EXPECT_EQ(read.Row.DateText, c.Date);
  EXPECT_EQ(read.Row.Amount, Money(c.Amount));
  EXPECT_EQ(read.Row.Description, c.Description);
  EXPECT_EQ(read.Row.RawLine, c.Line);  // the duplicate key is the line as read
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileLine, ::testing::ValuesIn(LineCases()),
                         [](const auto& info) {
                           std::string name;
                           for (char c : std::string(info.param.Name))
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(ProfileCSVParser, SkipsHeadingsAndBlankLinesAndLeavesOutRowsThatDoNotRead) {
  TCsvProfile p = WithAmount(Profile(';', 3, 1, TDateOrder::DayMonthYear), 3, {2}, ',', 4);
  TProfileCSVParser parser(p);
  parser.LoadLines({"Capitec statement", "Account 1234;;;", "Date;Description;Amount;Balance",
                    "01/03/2024;Coffee;-35,00;965,00", "", "02/03/2024;Salary;10 000,00;10 965,00",
                    "Closing balance;;;10 965,00"});
  ASSERT_EQ(parser.Lines.size(), 2u);
  EXPECT_EQ(parser.Lines[0].Description, "Coffee");
  EXPECT_EQ(parser.Lines[0].Balance, Money("965"));
  EXPECT_EQ(parser.Lines[1].Amount, Money("10000"));
  EXPECT_EQ(parser.Lines[1].RawLine, "02/03/2024;Salary;10 000,00;10 965,00");
  ASSERT_EQ(parser.NotRead.size(), 1u);
  EXPECT_EQ(parser.NotRead[0].LineNumber, 7);
  EXPECT_EQ(parser.NotRead[0].Reason, "\"Closing balance\" is no date (day-month-year)");
  EXPECT_EQ(parser.LeftOut.NoDate, 1);
}

TEST(ProfileCSVParser, SplitsOnlyOutsideQuotes) {
  EXPECT_EQ(SplitCsvLine("a,\"b,c\",,\"d\"\"e\"", ','),
            (std::vector<std::string>{"a", "b,c", "", "d\"e"}));
  EXPECT_EQ(SplitCsvLine("a;b,c", ';'), (std::vector<std::string>{"a", "b,c"}));
}

TEST(ProfileCSVParser, GuessesTheSeparatorFromMostLines) {
  EXPECT_EQ(GuessSeparator({"Statement", "Date;Text;Amount", "01.01.2024;A, B;1,00"}), ';');
  EXPECT_EQ(GuessSeparator({"Date\tText\tAmount", "2024-01-01\tA,B\t1.00"}), '\t');
  EXPECT_EQ(GuessSeparator({"Date,Text,Amount", "2024-01-01,A;B,1.00"}), ',');
}

TEST(ProfileCSVParser, GuessesAMappingThatReadsTheFile) {
  const std::vector<std::string> lines = {"My Bank export", "Date;Description;In;Out;Balance",
                                          "01/03/2024;Salary;1000,00;;1500,00",
                                          "02/03/2024;Coffee shop;;35,00;1465,00"};
  TCsvProfile p = GuessProfile(lines);
  EXPECT_EQ(p.Separator, ';');
  EXPECT_EQ(p.SkipLines, 2);
  EXPECT_EQ(p.DateColumn, 1);
  EXPECT_EQ(p.DecimalSeparator, ',');
  EXPECT_EQ(p.InColumn, 3);
  EXPECT_EQ(p.OutColumn, 4);
  EXPECT_EQ(p.BalanceColumn, 5);
  EXPECT_EQ(p.DescriptionColumns, std::vector<int>{2});
}

TEST(ProfileCSVParser, FitsTheNextStatementOfTheSameBankOnly) {
  TCsvProfile p = WithAmount(Profile(',', 1, 1, TDateOrder::DayMonthYear), 3, {2});
  const std::vector<std::string> january = {"Date,Description,Amount", "05/01/2024,A,1.00"};
  RememberFileShape(p, january);
  EXPECT_EQ(p.ColumnCount, 3);
  EXPECT_EQ(p.Heading, "Date,Description,Amount");
  EXPECT_TRUE(ProfileFits(p, {"Date,Description,Amount", "03/02/2024,B,-2.00"}));
  EXPECT_FALSE(ProfileFits(p, {"Date,Text,Amount", "03/02/2024,B,-2.00"}));  // other heading
  EXPECT_FALSE(ProfileFits(p, {"Date,Description,Amount", "03/02/2024,B,-2.00,X"}));  // columns
  EXPECT_FALSE(ProfileFits(p, {"Date,Description,Amount", "2024-02-03,B,-2.00"}));    // date form
}

// The same checks for the dialog and the command line.
TEST(CsvProfile, ProblemsNameWhatToChange) {
  TCsvProfile good = WithAmount(kComma, 3, {2});
  EXPECT_EQ(ProfileProblem(good), "");
  struct TCase {
    void (*Change)(TCsvProfile&);
    const char* Problem;
  } cases[] = {
      {[](TCsvProfile& p) { p.Name = " "; }, "Give the profile a name, such as the bank's."},
      {[](TCsvProfile& p) { p.Separator = '|'; },
       "The separator must be a comma, a semicolon or a tab."},
      {[](TCsvProfile& p) { p.DateColumn = 0; }, "Choose the date column (from 1 to 500)."},
      {[](TCsvProfile& p) { p.AmountColumn = 1; },
       "The date, amount and balance columns must all be different."},
      {[](TCsvProfile& p) { p.InColumn = 4; },
       "Choose either one amount column or the money in and money out columns, not both."},
      {[](TCsvProfile& p) {
         p.AmountColumn = 0;
         p.InColumn = p.OutColumn = 4;
       },
       "Money in and money out must be two different columns."},
      {[](TCsvProfile& p) { p.DescriptionColumns.clear(); },
       "Choose at least one description column."},
      {[](TCsvProfile& p) {
         p.DescriptionColumns = {2, 3};
       },
       "Column 3 is read as a date or an amount; it cannot be part of the description."},
      {[](TCsvProfile& p) { p.ColumnCount = 2; },
       "The amount column 3 is beyond the file's 2 columns."},
      {[](TCsvProfile& p) { p.DecimalSeparator = ';'; },
       "The decimal separator must be a point or a comma."},
  };
  for (const TCase& c : cases) {
    TCsvProfile p = good;
    c.Change(p);
    EXPECT_EQ(ProfileProblem(p), c.Problem);
  }
}

}  // namespace
}  // namespace tf
