// Reads any bank's CSV file through a saved column mapping (TCsvProfile).
// Fields may be quoted; a row whose date or amount does not read is left out
// with the reason, which the mapping dialog shows beside the row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/CSVParser.h"
#include "import/CsvProfile.h"
#include "import/StatementRecognition.h"

namespace tf {

// The fields of one line: `separator` splits outside double quotes; a quoted
// field loses its quotes and "" inside it stands for one quote.
std::vector<std::string> SplitCsvLine(std::string_view line, char separator);

// Comma, semicolon or tab: the one that cuts most of the lines into the same
// number of fields (more than one). A comma when none does.
char GuessSeparator(const std::vector<std::string>& lines);

// The date in `text` read in `order`: three parts with any separators
// ("31/01/2024", "2024-01-31", "31 Jan 2024", "31Jan2024"), or digits only
// (DDMMYYYY, DDMMYY and the other orders). A month may be an English name.
// Anything after the year (a time) is ignored. False for anything else.
bool TryReadProfileDate(std::string_view text, TDateOrder order, TDateTime& date);

// An amount with `decimal` as decimal separator: the other of "." and ","
// and blanks group the digits; a leading currency sign, a sign at either end
// or brackets for a negative amount are allowed. False for anything else.
bool TryReadProfileAmount(std::string_view text, char decimal, TCurrency& amount);

// What the profile makes of one line of the file.
struct TProfileRow {
  std::vector<std::string> Fields;
  TCSVLineData Row;
  std::string Problem;   // why the line does not read; empty when it does
  bool NoDate = false;   // the problem is the date
  bool Heading = false;  // among the lines the profile skips
  bool Blank = false;    // an empty line, passed over
};

// Reads the line with index `index` (from 0) of a file through the profile.
// The row's RawLine is the line as read, the duplicate key of the import.
TProfileRow ReadProfileLine(const TCsvProfile& profile, const std::string& line, int index);

class TProfileCSVParser : public TCSVParser {
 public:
  explicit TProfileCSVParser(TCsvProfile profile) : Profile_(std::move(profile)) {}

  // Appends the rows that read; the others are counted in LeftOut and kept,
  // with their line number and reason, in NotRead.
  void LoadLines(const std::vector<std::string>& lines) override;

  struct TNotRead {
    int LineNumber;  // from 1, as an editor shows it
    std::string Reason;
  };
  std::vector<TNotRead> NotRead;

  const TCsvProfile& Profile() const { return Profile_; }

 private:
  TCsvProfile Profile_;
};

// Whether the profile suits a file whose first lines are `firstLines`: its
// rows have the profile's column count, its last heading line is the
// profile's (when it has one), and its first row reads.
bool ProfileFits(const TCsvProfile& profile, const std::vector<std::string>& firstLines);

// The index in `profiles` of the first that fits the file; -1 when none does.
int FirstFittingProfile(const std::vector<TCsvProfile>& profiles,
                        const std::vector<std::string>& firstLines);

// The saved profiles as candidates of the layout recognition, in their order.
std::vector<TFormatCandidate> ProfileCandidates(const std::vector<TCsvProfile>& profiles);

// The number of fields most of the lines after the headings have.
int CommonColumnCount(const std::vector<std::string>& lines, char separator, int skipLines);

// A first mapping for a file nobody mapped yet: the separator, the heading
// lines, and the date, amount and description columns as the first rows
// suggest. The user corrects it in the mapping dialog.
TCsvProfile GuessProfile(const std::vector<std::string>& firstLines);

// Takes the file's column count and last heading line into the profile, so
// that ProfileFits knows the bank's next statement.
void RememberFileShape(TCsvProfile& profile, const std::vector<std::string>& firstLines);

}  // namespace tf
