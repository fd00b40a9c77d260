#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "CliFixture.h"
#include "StoreFixtures.h"
#include "store/DataFile.h"

namespace tf {
namespace {

namespace fs = std::filesystem;
using namespace tf::testing;

struct CliTest : CliFixture {};

TEST_F(CliTest, HelpListsEveryCommandInOneColumnLayout) {
  const TRun run = Run("--help");
  EXPECT_EQ(run.Status, 0);
  // Each command's line: two blanks, the usage, the summary from column 40.
  std::map<std::string, std::string> lines;
  std::istringstream text(run.Out);
  for (std::string line; std::getline(text, line);) {
    if (line.rfind("  ", 0) != 0) continue;
    lines[line.substr(2, line.find(' ', 2) - 2)] = line;
    EXPECT_GT(line.size(), 40u) << line;
    EXPECT_EQ(line.find_first_not_of(' ', line.find("  ", 2)), 40u) << line;
  }
  for (const char* command :
       {"accounts", "backup", "budget", "categories", "dump", "import", "invest", "loan", "parse",
        "recognise", "report", "resave", "transactions", "--help"})
    EXPECT_EQ(lines.count(command), 1u) << command;
  EXPECT_NE(run.Out.find("--password-file FILE"), std::string::npos);
  EXPECT_EQ(Run("frobnicate").Status, 2);
}

TEST_F(CliTest, DumpPrintsTheTreeInStoredOrder) {
  TAccount root;
  FillSampleTree(root);
  root.SaveToFile(Path("data.tfold"), true);
  const TRun run = Run("dump " + Quoted(Path("data.tfold")) + " --password secret");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::string& json = run.Out;
  EXPECT_EQ(
      json.rfind("{\"name\":\"Account\",\"kind\":\"list\",\"deleted\":false,\"modified\":false,"
                 "\"template\":\"AccountName ( AccountType "
                 ")\",\"fields\":[[\"AccountID\",\"string\",\"\"],",
                 0),
      0u)
      << json.substr(0, 200);
  EXPECT_NE(json.find("[\"Password\",\"string\",\"secret\"]"), std::string::npos);
  EXPECT_NE(json.find("[\"Amount\",\"money\",\"-12.34\"]"), std::string::npos);
  EXPECT_NE(json.find("[\"AccountName\",\"string\",\"Caf\xC3\xA9 card\"]"), std::string::npos);
  EXPECT_NE(json.find("[\"Categories\",\"string\",\"Food,\\\"Home - rent\\\"\"]"),
            std::string::npos);
  EXPECT_NE(json.find("\"kind\":\"single\",\"deleted\":true"), std::string::npos);
  EXPECT_LT(json.find("\"Transactions\""), json.find("\"Budget\""));
}

TEST_F(CliTest, ResaveMovesAnExtraColumnAfterTheDefinedOnes) {
  TAccount root;
  FillSampleTree(root);
  for (int r = 0; r < 2; ++r) {
    TTransactions* row = root.AccountAt(0)->TransactionsTable()->TransactionAt(r);
    TBoneField* memo = row->Fields().AddField();
    memo->Define("Memo", "Memo", "", 0, true, TVariant::String(""), TBoneFieldKind::String);
    memo->SetValue(TVariant::String("note " + std::to_string(r)));
    row->MoveField(11, 3);
    row->Fields().Delete(TTransactions::fLockedForAutoMatching + 1);  // an older file's rows
  }
  root.SaveToFile(Path("in.tfold"), true);
  const TRun run = Run("resave " + Quoted(Path("in.tfold")) + " " + Quoted(Path("out.tfold")));
  ASSERT_EQ(run.Status, 0) << run.Err;
  TAccount back;
  back.LoadFromFile(Path("out.tfold"), true);
  TTransactions* row = back.AccountAt(0)->TransactionsTable()->TransactionAt(1);
  ASSERT_EQ(row->Fields().Count(), 12);
  EXPECT_EQ(row->FieldAt(3)->FieldName(), "Category");
  EXPECT_EQ(row->FieldAt(10)->FieldName(), "LockedForAutoMatching");
  EXPECT_EQ(row->FieldAt(10)->GetValue(), TVariant::Bool(false));
  EXPECT_EQ(row->FieldAt(11)->FieldName(), "Memo");
  EXPECT_EQ(row->FieldAt(11)->AsString(), "note 1");
  // Resaving our own output changes nothing.
  ASSERT_EQ(Run("resave " + Quoted(Path("out.tfold")) + " " + Quoted(Path("again.tfold"))).Status,
            0);
  EXPECT_TRUE(SameBytes(ReadWholeFile(Path("again.tfold")), ReadWholeFile(Path("out.tfold"))));
}

TEST_F(CliTest, UnreadableFilesFailWithAMessageAndWriteNothing) {
  TAccount root;
  FillSampleTree(root);
  root.SaveToFile(Path("good.tfold"), true);
  const std::string good = ReadWholeFile(Path("good.tfold"));
  std::ofstream(Path("cut.tfold"), std::ios::binary) << good.substr(0, good.size() - 9);
  std::ofstream(Path("text.tfold"), std::ios::binary) << "not a data file";
  for (const char* name : {"cut.tfold", "text.tfold", "absent.tfold"}) {
    const TRun dump = Run(std::string("dump ") + Quoted(Path(name)));
    EXPECT_EQ(dump.Status, 1) << name;
    EXPECT_TRUE(dump.Out.empty()) << name;
    EXPECT_NE(dump.Err.find(Path(name)), std::string::npos) << dump.Err;
    const TRun resave =
        Run(std::string("resave ") + Quoted(Path(name)) + " " + Quoted(Path("out.tfold")));
    EXPECT_EQ(resave.Status, 1) << name;
    EXPECT_FALSE(fs::exists(Path("out.tfold"))) << name;
  }
}

}  // namespace
}  // namespace tf
