#include "import/OFXParser.h"

#include <algorithm>

#include "import/MarkupText.h"
#include "import/StatementText.h"

namespace tf {
namespace {

constexpr std::string_view kOpenTag = "<STMTTRN>";
constexpr std::string_view kCloseTag = "</STMTTRN>";
constexpr std::string_view kCdataOpen = "<![CDATA[";
constexpr std::string_view kCdataClose = "]]>";

// OFX amounts may use a comma as the decimal separator; thousand separators
// are not allowed, so a comma beside another separator leaves no number.
std::string WithDecimalPoint(std::string_view text) {
  std::string number(text);
  if (std::ranges::count(number, ',') == 1 && number.find('.') == std::string::npos) {
    number[number.find(',')] = '.';
  }
  return number;
}

// Where a value starting at `from` ends: the next "<" outside CDATA sections.
std::size_t ValueEnd(std::string_view block, std::size_t from) {
  for (std::size_t at = block.find('<', from); at != std::string_view::npos;
       at = block.find('<', from)) {
    if (block.substr(at, kCdataOpen.size()) != kCdataOpen) return at;
    const std::size_t close = block.find(kCdataClose, at + kCdataOpen.size());
    if (close == std::string_view::npos) return at;
    from = close + kCdataClose.size();
  }
  return block.size();
}

}  // namespace

std::string TOFXParser::FilterLine(const std::string& line, int /*index*/) {
  CollectElements(line);
  return TakeReadyElement();
}

void TOFXParser::ParseLine(const std::string& text, TCSVLineData& row) {
  ReadElement(text, row);
}

TOFXParser::TFault TOFXParser::ReadElement(const std::string& text, TCSVLineData& row) {
  row.Duplicate = false;
  row.DateText = RemoveAll(TagValue(text, "DTPOSTED"), '-');
  std::string description = TagValue(text, "MEMO");
  if (description.empty()) description = TagValue(text, "NAME");
  row.AmountText = TagValue(text, "TRNAMT");
  row.BalanceText.clear();
  // The key keeps the values as written so earlier imports still match.
  row.RawLine = row.DateText + "," + description + "," + row.AmountText;
  row.Description = std::string(Trimmed(DecodeCharacterData(description)));
  ClearValues(row);
  const bool hasAmount = ConvertAmountFrom(WithDecimalPoint(row.AmountText), row);
  ConvertDateYYYYMMDD(row);
  if (row.Date == 0) return TFault::NoDate;
  return hasAmount ? TFault::None : TFault::NoAmount;
}

void TOFXParser::LoadLines(const std::vector<std::string>& lines) {
  PendingBlock.clear();
  ReadyElements.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    AcceptElement(FilterLine(lines[i], static_cast<int>(i)));
    while (!ReadyElements.empty()) AcceptElement(TakeReadyElement());
  }
}

void TOFXParser::AcceptElement(const std::string& text) {
  if (IsBlankText(text)) return;
  TCSVLineData row;
  switch (ReadElement(text, row)) {
    case TFault::None:
      Lines.push_back(std::move(row));
      break;
    case TFault::NoDate:
      ++LeftOut.NoDate;
      break;
    case TFault::NoAmount:
      ++LeftOut.NoAmount;
      break;
  }
}

std::string TOFXParser::TagValue(const std::string& block, const std::string& name) {
  const std::string open = "<" + name + ">";
  const std::size_t start = FindNoCase(block, open);
  if (start == std::string::npos) return {};
  const std::size_t from = start + open.size();
  return std::string(Trimmed(std::string_view(block).substr(from, ValueEnd(block, from) - from)));
}

void TOFXParser::CollectElements(const std::string& line) {
  std::size_t scanFrom = 0;
  if (PendingBlock.empty()) {
    const std::size_t open = line.find(kOpenTag);
    if (open == std::string::npos) return;
    PendingBlock.assign(line, open);
  } else {
    // Lines are joined without a separator: SGML values run up to the next tag.
    scanFrom = PendingBlock.size();
    PendingBlock += line;
  }
  std::size_t start = 0;  // the open tag of the element being collected
  while (start != std::string::npos) {
    const std::size_t close = PendingBlock.find(kCloseTag, scanFrom);
    const std::size_t limit = close == std::string::npos ? PendingBlock.size() : close;
    // An element opened again before it was closed starts afresh.
    for (std::size_t o = PendingBlock.find(kOpenTag, std::max(start, scanFrom)); o < limit;
         o = PendingBlock.find(kOpenTag, o + 1)) {
      start = o;
    }
    if (close == std::string::npos) break;
    const std::size_t end = close + kCloseTag.size();
    ReadyElements.push_back(
        std::string(Trimmed(std::string_view(PendingBlock).substr(start, end - start))));
    start = PendingBlock.find(kOpenTag, end);
    scanFrom = end;
  }
  if (start == std::string::npos) {
    PendingBlock.clear();
  } else {
    PendingBlock.erase(0, start);
  }
}

std::string TOFXParser::TakeReadyElement() {
  if (ReadyElements.empty()) return {};
  std::string element = std::move(ReadyElements.front());
  ReadyElements.pop_front();
  return element;
}

}  // namespace tf
