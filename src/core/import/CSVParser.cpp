#include "import/CSVParser.h"

#include "base/SystemNumberFormat.h"
#include "import/StatementFile.h"
#include "import/StatementText.h"

namespace tf {
namespace {

// Statement exports write -9999999.9999 where a value could not be produced.
constexpr TCurrency kFailedMarker = TCurrency::FromRaw(-99999999999);

// `number` may view `text`: it is read before `text` is replaced.
bool ConvertMoney(std::string_view number, std::string& text, TCurrency& value) {
  TCurrency read;
  if (!TryTextToCurrency(number, read) || read == kFailedMarker) return false;
  value = read;
  const TSystemNumberFormat& format = SystemNumberFormat();
  text = FormatCurrencyGrouped(read, format.ThousandSeparator, format.DecimalSeparator);
  return true;
}

}  // namespace

std::string TCSVParser::FilterLine(const std::string& line, int index) {
  return SkipHeadingLines(line, index, 1);
}

void TCSVParser::ParseLine(const std::string& text, TCSVLineData& row) {
  std::string line = BeginLine(text, row);
  row.DateText = TakeFirstField(line);
  row.BalanceText = TakeLastField(line);
  row.AmountText = TakeLastField(line);
  row.Description = line;
  ClearValues(row);
  if (!IsBlankText(row.DateText)) {
    // Only an eight-digit number is a date here; dates with separators stay unread.
    if (WholeNumberOr0(row.DateText) > 0) ConvertDateYYYYMMDD(row);
    ConvertAmount(row);
    ConvertBalance(row);
  }
  row.Description = CollapseBlanks(row.Description);
}

void TCSVParser::LoadStatement(const std::string& fileName) {
  LoadLines(ReadStatementLines(fileName));
}

void TCSVParser::LoadStatementBytes(std::string_view bytes) {
  LoadLines(StatementBytesToLines(bytes, "in memory"));
}

void TCSVParser::LoadLines(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    AcceptText(FilterLine(lines[i], static_cast<int>(i)));
  }
}

std::string TCSVParser::TakeFirstField(std::string& line) {
  const std::size_t comma = line.find(',');
  std::string field;
  if (comma == std::string::npos) {
    field.swap(line);
  } else {
    field = line.substr(0, comma);
    line.erase(0, comma + 1);
  }
  return field;
}

std::string TCSVParser::TakeLastField(std::string& line) {
  const std::size_t comma = line.rfind(',');
  std::string field;
  if (comma == std::string::npos) {
    field.swap(line);
  } else {
    field = line.substr(comma + 1);
    line.erase(comma);
  }
  return field;
}

std::string TCSVParser::CollapseBlanks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !result.empty() && result.back() == ' ') continue;
    result += c;
  }
  return result;
}

std::string TCSVParser::ExtractBetween(std::string_view text, std::string_view startTag,
                                       std::string_view endTag) {
  const std::size_t start = FindNoCase(text, startTag);
  if (start == std::string_view::npos) return {};
  const std::size_t from = start + startTag.size();
  const std::size_t end = FindNoCase(text, endTag, from);
  if (end == std::string_view::npos) return {};
  return std::string(text.substr(from, end - from));
}

void TCSVParser::AcceptText(const std::string& text) {
  if (IsBlankText(text)) return;
  Lines.emplace_back();
  ParseLine(text, Lines.back());
}

std::string TCSVParser::SkipHeadingLines(const std::string& line, int index, int count) {
  return index < count ? std::string() : line;
}

std::string TCSVParser::BeginLine(const std::string& text, TCSVLineData& row) {
  std::string line = std::string(Trimmed(text));
  if (!line.empty() && line.back() == ',') line.pop_back();
  row.Duplicate = false;
  row.RawLine = line;
  return line;
}

void TCSVParser::ClearValues(TCSVLineData& row) {
  row.Date = 0;
  row.Amount = TCurrency{};
  row.Balance = TCurrency{};
}

void TCSVParser::ConvertDateYYYYMMDD(TCSVLineData& row) {
  const std::string& text = row.DateText;
  TDateTime date = 0;
  if (!TryEncodeDate(WholeNumberOr0(Slice(text, 0, 4)), WholeNumberOr0(Slice(text, 4, 2)),
                     WholeNumberOr0(Slice(text, 6, 2)), date)) {
    return;
  }
  row.Date = date;
  row.DateText = FormatDayMonthYear(date);
}

void TCSVParser::ConvertAmount(TCSVLineData& row) {
  ConvertMoney(row.AmountText, row.AmountText, row.Amount);
}

bool TCSVParser::ConvertAmountFrom(std::string_view number, TCSVLineData& row) {
  return ConvertMoney(number, row.AmountText, row.Amount);
}

void TCSVParser::ConvertBalance(TCSVLineData& row) {
  ConvertMoney(row.BalanceText, row.BalanceText, row.Balance);
}

}  // namespace tf
