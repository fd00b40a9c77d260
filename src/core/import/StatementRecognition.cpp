#include "import/StatementRecognition.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "base/Formats.h"
#include "import/CSVParser.h"
#include "import/StatementCheck.h"
#include "import/StatementFile.h"
#include "import/StatementFormats.h"
#include "import/StatementText.h"
#include "reports/TransactionExport.h"
#include "store/Currency.h"
#include "store/DateTime.h"

namespace tf {
namespace {

enum class TDateForm {
  Digits8,       // 20080131
  DayMonthName,  // 31Jan2008 or 1Jan2008
  SlashedYMD,    // 2008/01/31
};

// Where a bank's CSV layout has its rows and what their dates look like.
// Columns count from 1, or from the end (-1 the last) where the
// description before them may hold commas.
struct TCsvForm {
  int Format;
  int HeadingLines;
  int DateColumn;
  TDateForm DateForm;
  int AmountColumn;
  int MinColumns;
};

constexpr TCsvForm kCsvForms[] = {
    {1, 1, 1, TDateForm::Digits8, -2, 4},   {2, 4, 1, TDateForm::DayMonthName, -3, 5},
    {3, 7, 1, TDateForm::SlashedYMD, 2, 4}, {4, 4, 2, TDateForm::Digits8, 4, 6},
    {6, 8, 1, TDateForm::Digits8, 6, 6},
};
constexpr int kOfxFormat = 5;
constexpr int kOwnFormat = 7;

bool AllDigits(std::string_view text) {
  return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

bool AllLetters(std::string_view text) {
  return std::ranges::all_of(
      text, [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

bool ValidYMD(std::string_view year, std::string_view month, std::string_view day) {
  TDateTime date = 0;
  return TryEncodeDate(WholeNumberOr0(year), WholeNumberOr0(month), WholeNumberOr0(day), date);
}

bool DayMonthNameDate(const std::string& text) {
  const std::size_t dayDigits = text.size() == 8 ? 1 : 2;
  if (text.size() != dayDigits + 7) return false;
  const std::string day = text.substr(0, dayDigits), month = text.substr(dayDigits, 3),
                    year = text.substr(dayDigits + 3);
  if (!AllDigits(day) || !AllLetters(month) || !AllDigits(year)) return false;
  return ParseStatementDate(std::string(2 - dayDigits, '0') + day + " " + month + " " + year) != 0;
}

bool HasDateForm(const std::string& field, TDateForm form) {
  const std::string text = std::string(Trimmed(field));
  switch (form) {
    case TDateForm::Digits8:
      return text.size() == 8 && AllDigits(text) &&
             ValidYMD(text.substr(0, 4), text.substr(4, 2), text.substr(6, 2));
    case TDateForm::DayMonthName:
      return DayMonthNameDate(text);
    case TDateForm::SlashedYMD:
      return text.size() == 10 && text[4] == '/' && text[7] == '/' &&
             AllDigits(RemoveAll(text, '/')) &&
             ValidYMD(text.substr(0, 4), text.substr(5, 2), text.substr(8, 2));
  }
  return false;
}

// The line's fields as the parsers cut them: trimmed, one final comma dropped.
std::vector<std::string> Fields(const std::string& line) {
  std::string rest = std::string(Trimmed(line));
  if (!rest.empty() && rest.back() == ',') rest.pop_back();
  std::vector<std::string> fields;
  if (rest.empty()) return fields;
  std::size_t start = 0;
  for (std::size_t comma; (comma = rest.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(rest.substr(start, comma - start));
  fields.push_back(rest.substr(start));
  return fields;
}

const std::string* FieldAt(const std::vector<std::string>& fields, int column) {
  const int count = static_cast<int>(fields.size());
  const int index = column > 0 ? column - 1 : count + column;
  return index >= 0 && index < count ? &fields[static_cast<std::size_t>(index)] : nullptr;
}

bool HasDate(const TCsvForm& form, const std::vector<std::string>& fields) {
  const std::string* date = FieldAt(fields, form.DateColumn);
  return date != nullptr && HasDateForm(*date, form.DateForm);
}

bool IsRow(const TCsvForm& form, const std::string& line) {
  const std::vector<std::string> fields = Fields(line);
  if (static_cast<int>(fields.size()) < form.MinColumns || !HasDate(form, fields)) return false;
  TCurrency amount;
  return TryTextToCurrency(std::string(Trimmed(*FieldAt(fields, form.AmountColumn))), amount);
}

// The heading lines hold no dated row, the first line after them is one,
// and the layout's own parser agrees: dated rows with amounts, and captions
// (where the file has them) over the columns it reads.
bool FitsCsvForm(const TCsvForm& form, const std::vector<std::string>& lines) {
  const auto rows = lines.begin() + static_cast<std::ptrdiff_t>(std::min(
                                        static_cast<std::size_t>(form.HeadingLines), lines.size()));
  const auto dated = [&form](const std::string& line) { return HasDate(form, Fields(line)); };
  if (std::any_of(lines.begin(), rows, dated)) return false;
  const auto first =
      std::find_if(rows, lines.end(), [](const std::string& line) { return !IsBlankText(line); });
  if (first == lines.end() || !IsRow(form, *first)) return false;
  const std::unique_ptr<TCSVParser> parser = CreateStatementParser(form.Format);
  parser->LoadLines(lines);
  return LayoutMismatch(form.Format, lines, parser->Lines).empty();
}

bool IsOfx(const std::vector<std::string>& lines) {
  return std::ranges::any_of(lines, [](const std::string& line) {
    const std::string text = std::string(Trimmed(line));
    return FindNoCase(text, "OFXHEADER:") == 0 || FindNoCase(text, "<OFX>") != std::string::npos ||
           FindNoCase(text, "<?OFX") != std::string::npos;
  });
}

std::vector<std::string> UnquotedFields(const std::string& line) {
  std::vector<std::string> fields = Fields(line);
  for (std::string& field : fields) field = std::string(Trimmed(RemoveAll(field, '"')));
  return fields;
}

// The program's own export: its heading, and rows dated "dd MMM yyyy".
bool IsOwnExport(const std::vector<std::string>& lines) {
  if (lines.empty()) return false;
  const std::vector<std::string> heading = UnquotedFields(lines[0]);
  const std::vector<std::string> expected = Fields(kExportCsvHeading);
  const bool same = std::ranges::equal(heading, expected, [](const auto& a, const auto& b) {
    return a.size() == b.size() && FindNoCase(a, b) == 0;
  });
  if (!same) return false;
  const auto row = std::find_if(lines.begin() + 1, lines.end(),
                                [](const std::string& line) { return !IsBlankText(line); });
  if (row == lines.end()) return true;
  const std::vector<std::string> fields = UnquotedFields(*row);
  return !fields.empty() && fields[0].size() == 11 && ParseStatementDate(fields[0]) != 0;
}

std::vector<int> BuiltInFits(const std::vector<std::string>& lines) {
  std::vector<int> fits;
  if (IsOfx(lines)) fits.push_back(kOfxFormat);
  if (IsOwnExport(lines)) fits.push_back(kOwnFormat);
  for (const TCsvForm& form : kCsvForms) {
    if (FitsCsvForm(form, lines)) fits.push_back(form.Format);
  }
  return fits;
}

}  // namespace

std::string RecognitionSentence(int format) {
  return "Looks like " + StatementKindName(format);
}

std::optional<TStatementRecognition> RecogniseStatementFormat(
    const std::vector<std::string>& firstLines, std::span<const TFormatCandidate> candidates) {
  const std::vector<std::string> lines(
      firstLines.begin(), firstLines.begin() + static_cast<std::ptrdiff_t>(
                                                   std::min(firstLines.size(), kRecognitionLines)));
  const std::vector<int> fits = BuiltInFits(lines);
  // Two layouts that both fit say nothing about which one the bank meant.
  if (fits.size() > 1) return std::nullopt;
  if (fits.size() == 1) return TStatementRecognition{fits[0], -1, RecognitionSentence(fits[0])};
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const TFormatCandidate& candidate = candidates[i];
    if (candidate.Fits && candidate.Fits(lines)) {
      return TStatementRecognition{
          0, static_cast<int>(i),
          "Looks like a statement for the saved mapping \"" + candidate.Name + "\""};
    }
  }
  return std::nullopt;
}

std::optional<TStatementRecognition> RecogniseStatementFile(
    const std::string& fileName, std::span<const TFormatCandidate> candidates) {
  return RecogniseStatementFormat(ReadStatementLines(fileName), candidates);
}

}  // namespace tf
