#include "import/OFXParser.h"

#include <algorithm>

#include "import/MarkupText.h"
#include "import/StatementFile.h"
#include "import/StatementText.h"

namespace tf {
namespace {

constexpr std::string_view kOpenTag = "<STMTTRN>";
constexpr std::string_view kCloseTag = "</STMTTRN>";

}  // namespace

std::string TOFXParser::FilterLine(const std::string& line, int /*index*/) {
  CollectElements(line);
  return TakeReadyElement();
}

void TOFXParser::ParseLine(const std::string& text, TCSVLineData& row) {
  row.Duplicate = false;
  row.DateText = RemoveAll(TagValue(text, "DTPOSTED"), '-');
  std::string description = TagValue(text, "MEMO");
  if (description.empty()) description = TagValue(text, "NAME");
  row.AmountText = TagValue(text, "TRNAMT");
  row.BalanceText.clear();
  // The key keeps the values as written so earlier imports still match.
  row.RawLine = row.DateText + "," + description + "," + row.AmountText;
  row.Description = TrimBlanks(DecodeCharacterData(description));
  ClearValues(row);
  ConvertAmount(row);
  ConvertDateYYYYMMDD(row);
}

void TOFXParser::LoadLines(const std::vector<std::string>& lines) {
  PendingBlock.clear();
  ReadyElements.clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    AcceptText(FilterLine(lines[i], static_cast<int>(i)));
    while (!ReadyElements.empty()) AcceptText(TakeReadyElement());
  }
}

std::string TOFXParser::TagValue(const std::string& block, const std::string& name) {
  const std::string open = "<" + name + ">";
  const std::string close = "</" + name + ">";
  std::string value = TrimBlanks(ExtractBetween(block, open, close));
  if (value.empty() && block.find(close) == std::string::npos) {
    value = TrimBlanks(ExtractBetween(block, open, "<"));
  }
  return value;
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
    ReadyElements.push_back(TrimBlanks(std::string_view(PendingBlock).substr(start, end - start)));
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
