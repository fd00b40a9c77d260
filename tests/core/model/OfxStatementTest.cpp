#include <gtest/gtest.h>

#include <filesystem>

#include "ModelFixtures.h"
#include "base/SystemNumberFormat.h"
#include "model/OfxStatement.h"
#include "store/StoreError.h"
#include "support/GoldenFile.h"

namespace tf::testing {
namespace {

namespace fs = std::filesystem;

const std::string kGoldenFolder = std::string(TALLYFOLD_TEST_DATA) + "/model/";
const TDateTime kNow = EncodeDate(2024, 3, 9) + EncodeTime(14, 5, 7);

class OfxStatementTest : public ModelTest {
 protected:
  void TearDown() override {
    SystemNumberFormat() = TSystemNumberFormat{};
    ModelTest::TearDown();
  }
  TAccount* Account(const std::string& name = "Cheque") {
    return AddAccount(Root(), "{0A1B2C3D-4E5F-4061-8293-A4B5C6D7E8F9}", name, "Current Account",
                      100);
  }
  static void Id(TTransactions* row, const std::string& id) {
    SetText(*row, TTransactions::fTransactionID, id);
  }
  static std::string LineOf(const std::string& text, int number) {
    return SplitLines(text).at(static_cast<std::size_t>(number - 1));
  }
};

TEST_F(OfxStatementTest, StatementOfAnAccountMatchesItsGoldenFile) {
  TAccount* account = Account();
  Id(AddTransaction(*account, {"05 Jan 2024", -12.5, ttExpense, "", "Fish & Chips <Main St>"}),
     "{11111111-2222-3333-4444-555555555555}");
  TTransactions* gone = AddTransaction(*account, {"01 Jan 1990", -999, ttExpense, "", "gone"});
  gone->Deleted = true;
  Id(AddTransaction(*account, {"20 Feb 2024", 100, ttIncome, "", "Caf\xC3\xA9 refund"}),
     "{66666666-7777-8888-9999-AAAAAAAAAAAA}");
  Id(AddTransaction(*account, {"21 Feb 2024", 0.0001, ttTransfer, "", ""}), "{T3}");
  account->RecalculateBalances();
  ExpectMatchesGolden(OfxStatementText(*account, kNow), kGoldenFolder + "statement.ofx");
}

TEST_F(OfxStatementTest, AccountWithoutLiveTransactions) {
  TAccount* account = Account();
  SetText(*account, TAccount::fAccountType, "Saving Account");
  AddTransaction(*account, {"05 Jan 2024", -5})->Deleted = true;
  const std::string text = OfxStatementText(*account, kNow);
  EXPECT_EQ(text.find("STMTTRN>"), std::string::npos);
  EXPECT_EQ(LineOf(text, 29), "        <DTSTART>20801230</DTSTART>");
  EXPECT_EQ(LineOf(text, 30), "        <DTEND>19010101</DTEND>");
  EXPECT_EQ(LineOf(text, 31), "        ");
  EXPECT_EQ(LineOf(text, 32), "      </BANKTRANLIST>");
  EXPECT_EQ(LineOf(text, 34), "        <BALAMT>0</BALAMT>");
  EXPECT_EQ(LineOf(text, 35), "        <DTASOF>19010101</DTASOF>");
  EXPECT_EQ(LineOf(text, 26), "        <ACCTTYPE>SAVINGS</ACCTTYPE>");
  EXPECT_EQ(LineOf(text, 10), "    <DTSERVER>20240309140507</DTSERVER>");
  EXPECT_EQ(SplitLines(text).size(), 40u);
  EXPECT_EQ(text.substr(text.size() - 8), "</OFX>\r\n");
}

TEST_F(OfxStatementTest, AmountsUseThePlatformDecimalSeparator) {
  SystemNumberFormat().DecimalSeparator = ",";
  SystemNumberFormat().ThousandSeparator = ".";
  TAccount* account = Account();
  AddTransaction(*account, {"05 Jan 2024", -1234.5});
  account->RecalculateBalances();
  const std::string text = OfxStatementText(*account, kNow);
  EXPECT_NE(text.find("<TRNAMT>-1234,5</TRNAMT>"), std::string::npos);
  EXPECT_NE(text.find("<BALAMT>-1134,5</BALAMT>"), std::string::npos);
}

TEST_F(OfxStatementTest, LineBreaksInsideADescriptionBecomeCrLf) {
  TAccount* account = Account();
  AddTransaction(*account, {"05 Jan 2024", 1, ttIncome, "", "one\ntwo\rthree"});
  const std::string text = OfxStatementText(*account, kNow);
  EXPECT_NE(text.find("<NAME>one\r\ntwo\r\nthree</NAME>"), std::string::npos);
  EXPECT_EQ(text.find("\n\r"), std::string::npos);
}

TEST(XmlEscapeTest, DataTextsBecomeSafeUsAscii) {
  const std::pair<std::string, std::string> cases[] = {
      {"Fish & Chips", "Fish &amp; Chips"},
      {"<MEMO></MEMO>", "&lt;MEMO&gt;&lt;/MEMO&gt;"},
      {"plain \"quoted\" 'text'", "plain \"quoted\" 'text'"},
      {"Caf\xC3\xA9", "Caf&#xE9;"},
      {"\xE2\x82\xAC 5", "&#x20AC; 5"},
      {"\xF0\x9F\x92\xB0", "&#x1F4B0;"},
      {"bad \xC3 byte", "bad ? byte"},
      {"\xED\xA0\x80", "???"},  // a lone surrogate is no character
      {"bell\x07tab\t", "bell tab\t"},
      {"", ""},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(XmlEscape(text), escaped) << text;
}

TEST_F(OfxStatementTest, FileNameInTheChosenFolder) {
  const TDateTime today = EncodeDate(2024, 3, 9);
  const std::pair<std::string, std::string> cases[] = {
      {"Cheque", "/backup/Cheque (09 Mar 2024).ofx"},
      {"", "/backup/ (09 Mar 2024).ofx"},
      {"../../etc/x", "/backup/.._.._etc_x (09 Mar 2024).ofx"},
      {"A\\B", "/backup/A_B (09 Mar 2024).ofx"},
  };
  for (const auto& [name, path] : cases) {
    TAccount* account = Account(name);
    EXPECT_EQ(OfxFileName("/backup/", *account, today), path);
    EXPECT_EQ(OfxFileName("/backup", *account, today), path);
  }
}

class ExportOfxTest : public OfxStatementTest {
 protected:
  void SetUp() override {
    OfxStatementTest::SetUp();
    folder_ = fs::temp_directory_path() / ("tallyfold_ofx_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    OfxStatementTest::TearDown();
  }
  std::string Folder() const { return folder_.string() + "/"; }

  fs::path folder_;
};

TEST_F(ExportOfxTest, OneFilePerLiveAccountSameNamesReplaceEachOther) {
  AddTransaction(*Account("Twin"), {"05 Jan 2024", -1, ttExpense, "", "first"});
  AddTransaction(*Account("Twin"), {"05 Jan 2024", -2, ttExpense, "", "second"});
  Account("Closed")->Deleted = true;
  Account("Card");
  const std::vector<std::string> paths = Root().ExportOfx(Folder());
  ASSERT_EQ(paths.size(), 3u);
  EXPECT_EQ(paths[0], paths[1]);
  const std::string today = FormatDayMonthYear(Today());
  EXPECT_EQ(paths[0], Folder() + "Twin (" + today + ").ofx");
  EXPECT_EQ(paths[2], Folder() + "Card (" + today + ").ofx");
  const std::string twin = ReadWholeFile(paths[0]);
  EXPECT_NE(twin.find("<NAME>second</NAME>"), std::string::npos);
  EXPECT_EQ(twin.find("first"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

TEST_F(ExportOfxTest, AFolderThatCannotBeWrittenStopsTheExportWithItsName) {
  Account("Cheque");
  Account("Card");
  const std::string missing = Folder() + "missing/";
  try {
    Root().ExportOfx(missing);
    FAIL() << "no error";
  } catch (const EFileError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Cannot create file \"" + missing + "Cheque ("), std::string::npos)
        << message;
  }
  EXPECT_FALSE(fs::exists(missing));
}

}  // namespace
}  // namespace tf::testing
