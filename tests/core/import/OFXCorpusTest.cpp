// Reads the real bank statements of the shared corpus, when it is present,
// and checks them against the expected values its README lists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "ImportTestSupport.h"
#include "import/OFXParser.h"
#include "import/StatementText.h"

namespace tf::test {
namespace {

namespace fs = std::filesystem;

struct Expected {
  int count = 0;
  std::string date, amount, name, memo;
};

const fs::path kCorpus = fs::path(TALLYFOLD_SHARED_CORPUS);

std::vector<std::string> Cells(const std::string& row) {
  std::vector<std::string> cells;
  std::stringstream in(row);
  std::string cell;
  std::getline(in, cell, '|');  // before the first bar
  while (std::getline(in, cell, '|')) cells.push_back(std::string(Trimmed(cell)));
  return cells;
}

// The README's table: file, transactions, first date, amount, NAME, MEMO.
std::map<std::string, Expected> ReadExpectations() {
  std::map<std::string, Expected> table;
  std::ifstream in(kCorpus / "README.md");
  for (std::string line; std::getline(in, line);) {
    const std::vector<std::string> cells = Cells(line);
    if (cells.size() < 6 || !cells[0].ends_with(".ofx")) continue;
    table[cells[0]] = {WholeNumberOr0(cells[1]), cells[2], cells[3], cells[4], cells[5]};
  }
  return table;
}

TDateTime DateFromYYYYMMDD(const std::string& text) {
  return EncodeDate(WholeNumberOr0(text.substr(0, 4)), WholeNumberOr0(text.substr(4, 2)),
                    WholeNumberOr0(text.substr(6, 2)));
}

// Every transaction element that is closed: a row or an entry left out.
int ClosedElements(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int count = 0;
  for (std::size_t at = text.find("</STMTTRN>"); at != std::string::npos;
       at = text.find("</STMTTRN>", at + 1)) {
    ++count;
  }
  return count;
}

void CheckStatement(const fs::path& file, const Expected& expected) {
  SCOPED_TRACE(file.filename().string());
  TOFXParser parser;
  parser.LoadStatement(file.string());
  // The README counts what a strict reader keeps; the entries it discards for
  // a missing or impossible date or amount are counted as left out.
  EXPECT_EQ(parser.Lines.size(), static_cast<std::size_t>(expected.count));
  EXPECT_EQ(parser.LeftOut.Total(), ClosedElements(file) - expected.count);
  for (const TCSVLineData& row : parser.Lines) EXPECT_NE(row.Date, 0);
  if (expected.count == 0 || parser.Lines.empty()) return;
  const TCSVLineData& first = parser.Lines.front();
  EXPECT_EQ(first.Date, DateFromYYYYMMDD(expected.date));
  EXPECT_EQ(first.Amount, Money(expected.amount));
  EXPECT_EQ(first.Description, expected.memo.empty() ? expected.name : expected.memo);
}

TEST(OFXCorpus, RealStatementsGiveTheExpectedRows) {
  const fs::path folder = kCorpus / "ofx";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no shared corpus at " << folder;
  const std::map<std::string, Expected> table = ReadExpectations();
  ASSERT_FALSE(table.empty()) << "no expectations in " << kCorpus / "README.md";
  int read = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".ofx") continue;
    const auto expected = table.find(entry.path().filename().string());
    if (expected == table.end()) {
      ADD_FAILURE() << "no README row for " << entry.path();
      continue;
    }
    CheckStatement(entry.path(), expected->second);
    ++read;
  }
  EXPECT_EQ(read, static_cast<int>(table.size()));
}

}  // namespace
}  // namespace tf::test
