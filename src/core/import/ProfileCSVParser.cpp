#include "import/ProfileCSVParser.h"

#include <algorithm>
#include <map>
#include <optional>

#include "base/SystemNumberFormat.h"
#include "import/StatementText.h"

namespace tf {
namespace {

// Enough lines to see a file's shape without reading a long statement.
constexpr std::size_t kShapeLines = 50;
constexpr char kSeparators[] = {',', ';', '\t'};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Unquoted(std::string_view text) {
  std::string value = std::string(Trimmed(text));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = std::string(Trimmed(std::string_view(value).substr(1, value.size() - 2)));
  return value;
}

// English month names, and the Afrikaans short forms South African banks use.
int MonthFromName(std::string_view word) {
  if (word.size() < 3 || word.size() > 9) return 0;
  std::string three;
  for (std::size_t i = 0; i < 3; ++i) three += Lower(word[i]);
  static const std::map<std::string, int> kOthers = {
      {"mrt", 3}, {"mei", 5}, {"okt", 10}, {"des", 12}};
  const int month = MonthFromShortName(three);
  if (month != 0) return month;
  const auto other = kOthers.find(three);
  return other != kOthers.end() ? other->second : 0;
}

struct TDatePart {
  std::string Text;
  bool Letters;
};

// Runs of digits and runs of letters; everything else separates them.
std::vector<TDatePart> DateParts(std::string_view text, std::size_t wanted) {
  std::vector<TDatePart> parts;
  for (std::size_t i = 0; i < text.size() && parts.size() < wanted;) {
    const bool digit = IsDigit(text[i]), letter = IsLetter(text[i]);
    if (!digit && !letter) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && (digit ? IsDigit(text[end]) : IsLetter(text[end]))) ++end;
    parts.push_back({std::string(text.substr(i, end - i)), letter});
    i = end;
  }
  return parts;
}

bool YearFrom(const std::string& digits, int& year) {
  if (digits.size() != 2 && digits.size() != 4) return false;
  year = WholeNumberOr0(digits);
  if (digits.size() == 2) year += year < 70 ? 2000 : 1900;
  return true;
}

bool SmallNumber(const std::string& digits, int& value) {
  if (digits.empty() || digits.size() > 2) return false;
  value = WholeNumberOr0(digits);
  return true;
}

// DDMMYYYY, MMDDYYYY, YYYYMMDD and their forms with a two-digit year.
bool SplitCompactDate(const std::string& digits, TDateOrder order, std::vector<TDatePart>& parts) {
  if (digits.size() != 6 && digits.size() != 8) return false;
  const std::size_t yearLength = digits.size() - 4;
  const std::size_t yearAt = order == TDateOrder::YearMonthDay ? 0 : 4;
  const std::size_t restAt = order == TDateOrder::YearMonthDay ? yearLength : 0;
  const std::string year = digits.substr(yearAt, yearLength);
  const std::string first = digits.substr(restAt, 2), second = digits.substr(restAt + 2, 2);
  if (order == TDateOrder::YearMonthDay)
    parts = {{year, false}, {first, false}, {second, false}};
  else
    parts = {{first, false}, {second, false}, {year, false}};
  return true;
}

bool DateFromParts(const std::vector<TDatePart>& parts, TDateOrder order, TDateTime& date) {
  int day = 0, month = 0, year = 0;
  const auto named =
      std::find_if(parts.begin(), parts.end(), [](const TDatePart& p) { return p.Letters; });
  if (named != parts.end()) {
    // A month name settles the month; the order says which number is the year.
    std::vector<std::string> numbers;
    for (const TDatePart& part : parts)
      if (!part.Letters) numbers.push_back(part.Text);
    if (numbers.size() != 2) return false;
    month = MonthFromName(named->Text);
    const bool yearFirst = order == TDateOrder::YearMonthDay;
    if (month == 0 || !YearFrom(numbers[yearFirst ? 0 : 1], year) ||
        !SmallNumber(numbers[yearFirst ? 1 : 0], day))
      return false;
  } else {
    const int y = order == TDateOrder::YearMonthDay ? 0 : 2;
    const int m = order == TDateOrder::DayMonthYear ? 1 : order == TDateOrder::MonthDayYear ? 0 : 1;
    const int d = order == TDateOrder::DayMonthYear ? 0 : order == TDateOrder::MonthDayYear ? 1 : 2;
    if (!YearFrom(parts[y].Text, year) || !SmallNumber(parts[m].Text, month) ||
        !SmallNumber(parts[d].Text, day))
      return false;
  }
  return TryEncodeDate(year, month, day, date);
}

// A grouping mark stands after a digit and before exactly three digits.
bool GroupingAt(std::string_view s, std::size_t i) {
  if (i == 0 || !IsDigit(s[i - 1])) return false;
  for (std::size_t k = i + 1; k <= i + 3; ++k)
    if (k >= s.size() || !IsDigit(s[k])) return false;
  return i + 4 >= s.size() || !IsDigit(s[i + 4]);
}

bool IsGroupingChar(char c, char decimal) {
  return c == ' ' || c == '\'' || c == (decimal == '.' ? ',' : '.');
}

// Signs, brackets and a currency sign taken off; true when negative.
bool TakeSignAndCurrency(std::string& s) {
  bool negative = false;
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
    negative = true;
    s = std::string(Trimmed(std::string_view(s).substr(1, s.size() - 2)));
  }
  for (int round = 0; round < 2; ++round) {
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
      negative = negative || s.front() == '-';
      s = std::string(Trimmed(std::string_view(s).substr(1)));
    }
    if (!s.empty() && s.back() == '-') {
      negative = true;
      s = std::string(Trimmed(std::string_view(s).substr(0, s.size() - 1)));
    }
    for (std::string_view sign : {"R", "$", "\xE2\x82\xAC", "\xC2\xA3"}) {
      if (s.size() > sign.size() && s.compare(0, sign.size(), sign) == 0) {
        s = std::string(Trimmed(std::string_view(s).substr(sign.size())));
        break;
      }
    }
  }
  return negative;
}

std::string NoBreakSpacesAsBlanks(std::string_view text) {
  std::string out(text);
  for (std::size_t at; (at = out.find("\xC2\xA0")) != std::string::npos;) out.replace(at, 2, " ");
  return out;
}

std::string Formatted(TCurrency value) {
  const TSystemNumberFormat& format = SystemNumberFormat();
  return FormatCurrencyGrouped(value, format.ThousandSeparator, format.DecimalSeparator);
}

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::optional<std::string> FieldAt(const std::vector<std::string>& fields, int column) {
  if (column < 1 || column > static_cast<int>(fields.size())) return std::nullopt;
  return std::string(Trimmed(fields[static_cast<std::size_t>(column - 1)]));
}

std::string MissingColumn(const std::vector<std::string>& fields, int column) {
  return "only " + std::to_string(fields.size()) + " column" + (fields.size() == 1 ? "" : "s") +
         "; column " + std::to_string(column) + " is missing";
}

// Reads the date column into the row; the reason when it does not read.
std::string ReadDate(const TCsvProfile& p, const std::vector<std::string>& fields,
                     TCSVLineData& row) {
  const std::optional<std::string> text = FieldAt(fields, p.DateColumn);
  if (!text) return MissingColumn(fields, p.DateColumn);
  row.DateText = *text;
  if (text->empty()) return "no date in column " + std::to_string(p.DateColumn);
  TDateTime date = 0;
  if (!TryReadProfileDate(*text, p.DateOrder, date))
    return Quoted(*text) + " is no date (" + DateOrderCaption(p.DateOrder) + ")";
  row.Date = date;
  row.DateText = FormatDayMonthYear(date);
  return {};
}

// One amount column, or the part of money in or out: empty reads as 0.
std::string ReadMoney(const TCsvProfile& p, const std::vector<std::string>& fields, int column,
                      TCurrency& value, bool& present) {
  const std::optional<std::string> text = FieldAt(fields, column);
  if (!text) return MissingColumn(fields, column);
  present = !text->empty();
  if (present && !TryReadProfileAmount(*text, p.DecimalSeparator, value))
    return Quoted(*text) + " is no amount";
  return {};
}

std::string ReadAmount(const TCsvProfile& p, const std::vector<std::string>& fields,
                       TCSVLineData& row) {
  if (!p.TwoAmountColumns()) {
    bool present = false;
    std::string problem = ReadMoney(p, fields, p.AmountColumn, row.Amount, present);
    if (problem.empty() && !present)
      problem = "no amount in column " + std::to_string(p.AmountColumn);
    if (problem.empty()) row.AmountText = Formatted(row.Amount);
    return problem;
  }
  TCurrency in, out;
  bool hasIn = false, hasOut = false;
  std::string problem = ReadMoney(p, fields, p.InColumn, in, hasIn);
  if (problem.empty()) problem = ReadMoney(p, fields, p.OutColumn, out, hasOut);
  if (problem.empty() && !hasIn && !hasOut)
    problem =
        "no amount in column " + std::to_string(p.InColumn) + " or " + std::to_string(p.OutColumn);
  if (!problem.empty()) return problem;
  // Banks write money out with or without its minus sign.
  const auto magnitude = [](TCurrency v) { return v.Raw < 0 ? -v : v; };
  row.Amount = magnitude(in) - magnitude(out);
  row.AmountText = Formatted(row.Amount);
  return {};
}

void ReadDescription(const TCsvProfile& p, const std::vector<std::string>& fields,
                     TCSVLineData& row) {
  std::string text;
  for (int column : p.DescriptionColumns) {
    const std::optional<std::string> part = FieldAt(fields, column);
    if (!part || part->empty()) continue;
    if (!text.empty()) text += ' ';
    text += *part;
  }
  row.Description = TCSVParser::CollapseBlanks(text);
}

// A balance that does not read stays as found: the import does not use it.
void ReadBalance(const TCsvProfile& p, const std::vector<std::string>& fields, TCSVLineData& row) {
  const std::optional<std::string> text = FieldAt(fields, p.BalanceColumn);
  if (p.BalanceColumn == 0 || !text) return;
  row.BalanceText = *text;
  if (TryReadProfileAmount(*text, p.DecimalSeparator, row.Balance))
    row.BalanceText = Formatted(row.Balance);
}

std::vector<int> FieldCounts(const std::vector<std::string>& lines, char separator, int skip) {
  std::vector<int> counts;
  for (std::size_t i = static_cast<std::size_t>(std::max(skip, 0));
       i < lines.size() && counts.size() < kShapeLines; ++i)
    if (!IsBlankText(lines[i]))
      counts.push_back(static_cast<int>(SplitCsvLine(lines[i], separator).size()));
  return counts;
}

// The most frequent count and how often it comes; the larger count on a tie.
std::pair<int, int> Mode(const std::vector<int>& counts) {
  std::map<int, int> frequency;
  for (int count : counts) ++frequency[count];
  std::pair<int, int> best{0, 0};
  for (const auto& [count, times] : frequency)
    if (times >= best.second) best = {count, times};
  return best;
}

}  // namespace

std::vector<std::string> SplitCsvLine(std::string_view line, char separator) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        field += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      fields.push_back(std::move(field));
      field.clear();
    } else {
      field += c;
    }
  }
  fields.push_back(std::move(field));
  return fields;
}

char GuessSeparator(const std::vector<std::string>& lines) {
  char best = ',';
  std::pair<int, int> bestMode{0, 0};
  for (char separator : kSeparators) {
    const std::pair<int, int> mode = Mode(FieldCounts(lines, separator, 0));
    if (mode.first < 2) continue;
    if (mode.second > bestMode.second ||
        (mode.second == bestMode.second && mode.first > bestMode.first)) {
      best = separator;
      bestMode = mode;
    }
  }
  return best;
}

int CommonColumnCount(const std::vector<std::string>& lines, char separator, int skipLines) {
  return Mode(FieldCounts(lines, separator, skipLines)).first;
}

bool TryReadProfileDate(std::string_view text, TDateOrder order, TDateTime& date) {
  const std::string value = Unquoted(text);
  std::vector<TDatePart> parts = DateParts(value, 3);
  if (parts.empty()) return false;
  if (!parts[0].Letters && (parts.size() == 1 || parts[0].Text.size() > 4)) {
    if (!SplitCompactDate(parts[0].Text, order, parts)) return false;
  }
  return parts.size() == 3 && DateFromParts(parts, order, date);
}

bool TryReadProfileAmount(std::string_view text, char decimal, TCurrency& amount) {
  std::string s = Unquoted(NoBreakSpacesAsBlanks(text));
  const bool negative = TakeSignAndCurrency(s);
  std::string number;
  bool digits = false, point = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      number += c;
      digits = true;
    } else if (c == decimal && !point) {
      number += '.';
      point = true;
    } else if (!point && IsGroupingChar(c, decimal) && GroupingAt(s, i)) {
      continue;
    } else {
      return false;
    }
  }
  TCurrency read;
  if (!digits || !TryTextToCurrency(number, read)) return false;
  amount = negative ? -read : read;
  return true;
}

TProfileRow ReadProfileLine(const TCsvProfile& profile, const std::string& line, int index) {
  TProfileRow result;
  result.Fields = SplitCsvLine(line, profile.Separator);
  result.Heading = index < profile.SkipLines;
  result.Blank = IsBlankText(line);
  if (result.Heading || result.Blank) return result;
  TCSVLineData& row = result.Row;
  row.RawLine = line;
  result.Problem = ReadDate(profile, result.Fields, row);
  result.NoDate = !result.Problem.empty();
  if (result.Problem.empty()) result.Problem = ReadAmount(profile, result.Fields, row);
  ReadDescription(profile, result.Fields, row);
  ReadBalance(profile, result.Fields, row);
  return result;
}

void TProfileCSVParser::LoadLines(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TProfileRow read = ReadProfileLine(Profile_, lines[i], static_cast<int>(i));
    if (read.Heading || read.Blank) continue;
    if (read.Problem.empty()) {
      Lines.push_back(std::move(read.Row));
      continue;
    }
    ++(read.NoDate ? LeftOut.NoDate : LeftOut.NoAmount);
    NotRead.push_back({static_cast<int>(i) + 1, read.Problem});
  }
}

bool ProfileFits(const TCsvProfile& profile, const std::vector<std::string>& firstLines) {
  const int columns = CommonColumnCount(firstLines, profile.Separator, profile.SkipLines);
  if (columns < 2 || (profile.ColumnCount > 0 && columns != profile.ColumnCount)) return false;
  if (!profile.Heading.empty()) {
    const auto skip = static_cast<std::size_t>(profile.SkipLines);
    if (skip == 0 || firstLines.size() < skip ||
        std::string(Trimmed(firstLines[skip - 1])) != std::string(Trimmed(profile.Heading)))
      return false;
  }
  for (std::size_t i = 0; i < firstLines.size(); ++i) {
    const TProfileRow read = ReadProfileLine(profile, firstLines[i], static_cast<int>(i));
    if (!read.Heading && !read.Blank) return read.Problem.empty();
  }
  return false;
}

int FirstFittingProfile(const std::vector<TCsvProfile>& profiles,
                        const std::vector<std::string>& firstLines) {
  for (std::size_t i = 0; i < profiles.size(); ++i)
    if (ProfileFits(profiles[i], firstLines)) return static_cast<int>(i);
  return -1;
}

std::vector<TFormatCandidate> ProfileCandidates(const std::vector<TCsvProfile>& profiles) {
  std::vector<TFormatCandidate> candidates;
  for (const TCsvProfile& profile : profiles)
    candidates.push_back({profile.Name, [profile](const std::vector<std::string>& firstLines) {
                            return ProfileFits(profile, firstLines);
                          }});
  return candidates;
}

void RememberFileShape(TCsvProfile& profile, const std::vector<std::string>& firstLines) {
  profile.ColumnCount = CommonColumnCount(firstLines, profile.Separator, profile.SkipLines);
  const auto skip = static_cast<std::size_t>(std::max(profile.SkipLines, 0));
  profile.Heading =
      skip > 0 && firstLines.size() >= skip ? std::string(Trimmed(firstLines[skip - 1])) : "";
}

namespace {

struct TSample {
  std::vector<std::vector<std::string>> Rows;
  int Columns = 0;
  std::string Field(std::size_t row, int column) const {
    return std::string(Trimmed(Rows[row][static_cast<std::size_t>(column - 1)]));
  }
};

// Most rows, not all: one mistyped date should not hide the date column.
bool ColumnReadsAsDate(const TSample& sample, int column, TDateOrder order) {
  TDateTime date = 0;
  std::size_t read = 0;
  for (std::size_t r = 0; r < sample.Rows.size(); ++r)
    read += TryReadProfileDate(sample.Field(r, column), order, date) ? 1 : 0;
  return read * 2 > sample.Rows.size();
}

// How many rows hold an amount in the column; -1 when one holds something
// else, or (with `needDecimal`) when none has decimals: row numbers and
// references are whole numbers, money mostly is not.
int AmountsInColumn(const TSample& sample, int column, char decimal, bool needDecimal) {
  int filled = 0;
  bool decimals = false;
  TCurrency amount;
  for (std::size_t r = 0; r < sample.Rows.size(); ++r) {
    const std::string text = sample.Field(r, column);
    if (text.empty()) continue;
    if (!TryReadProfileAmount(text, decimal, amount)) return -1;
    decimals = decimals || text.find(decimal) != std::string::npos;
    ++filled;
  }
  return needDecimal && !decimals ? -1 : filled;
}

bool GuessDate(const TSample& sample, TCsvProfile& p) {
  for (int column = 1; column <= sample.Columns; ++column)
    for (TDateOrder order :
         {TDateOrder::DayMonthYear, TDateOrder::YearMonthDay, TDateOrder::MonthDayYear})
      if (ColumnReadsAsDate(sample, column, order)) {
        p.DateColumn = column;
        p.DateOrder = order;
        return true;
      }
  return false;
}

// The first column full of amounts is the amount, a later one the balance;
// two half-filled ones are money in and money out.
bool GuessAmounts(const TSample& sample, char decimal, bool needDecimal, TCsvProfile& p) {
  std::vector<int> full, partial;
  const int rows = static_cast<int>(sample.Rows.size());
  for (int column = 1; column <= sample.Columns; ++column) {
    if (column == p.DateColumn) continue;
    const int filled = AmountsInColumn(sample, column, decimal, needDecimal);
    if (filled == rows)
      full.push_back(column);
    else if (filled > 0)
      partial.push_back(column);
  }
  p.DecimalSeparator = decimal;
  p.AmountColumn = p.InColumn = p.OutColumn = p.BalanceColumn = 0;
  if (partial.size() >= 2) {
    p.InColumn = partial[0];
    p.OutColumn = partial[1];
  } else if (!full.empty()) {
    p.AmountColumn = full.front();
  } else {
    return false;
  }
  const int amountEnd = std::max({p.AmountColumn, p.InColumn, p.OutColumn});
  if (!full.empty() && full.back() > amountEnd) p.BalanceColumn = full.back();
  return true;
}

// The column with the most text among those read as nothing else.
void GuessDescription(const TSample& sample, TCsvProfile& p) {
  int best = 0;
  std::size_t bestLength = 0;
  for (int column = 1; column <= sample.Columns; ++column) {
    if (column == p.DateColumn || column == p.AmountColumn || column == p.InColumn ||
        column == p.OutColumn || column == p.BalanceColumn)
      continue;
    std::size_t length = 0;
    for (std::size_t r = 0; r < sample.Rows.size(); ++r) length += sample.Field(r, column).size();
    if (best == 0 || length > bestLength) {
      best = column;
      bestLength = length;
    }
  }
  p.DescriptionColumns = {best == 0 ? 1 : best};
}

bool HasDateField(const std::vector<std::string>& fields) {
  TDateTime date = 0;
  for (const std::string& field : fields)
    for (TDateOrder order :
         {TDateOrder::DayMonthYear, TDateOrder::YearMonthDay, TDateOrder::MonthDayYear})
      if (TryReadProfileDate(std::string(Trimmed(field)), order, date)) return true;
  return false;
}

}  // namespace

TCsvProfile GuessProfile(const std::vector<std::string>& firstLines) {
  TCsvProfile p;
  p.Separator = GuessSeparator(firstLines);
  TSample sample;
  sample.Columns = CommonColumnCount(firstLines, p.Separator, 0);
  int first = -1;
  for (std::size_t i = 0; i < firstLines.size() && sample.Rows.size() < 10; ++i) {
    std::vector<std::string> fields = SplitCsvLine(firstLines[i], p.Separator);
    if (static_cast<int>(fields.size()) != sample.Columns) continue;
    if (first < 0 && !HasDateField(fields)) continue;
    if (first < 0) first = static_cast<int>(i);
    sample.Rows.push_back(std::move(fields));
  }
  p.SkipLines = first < 0 ? 1 : first;
  p.AmountColumn = sample.Columns >= 2 ? 2 : 1;
  if (sample.Rows.empty() || !GuessDate(sample, p)) {
    p.DescriptionColumns = {sample.Columns >= 3 ? 3 : 1};
    return p;
  }
  if (!GuessAmounts(sample, '.', true, p) && !GuessAmounts(sample, ',', true, p) &&
      !GuessAmounts(sample, '.', false, p))
    p.AmountColumn = p.DateColumn == 1 ? 2 : 1;
  GuessDescription(sample, p);
  return p;
}

}  // namespace tf
