#include "model/OfxStatement.h"

#include <cstdio>
#include <vector>

#include "base/ListText.h"
#include "base/ReportTemplate.h"
#include "base/SystemNumberFormat.h"
#include "model/Account.h"
#include "model/ModelText.h"
#include "model/Transactions.h"
#include "store/Variant.h"

namespace tf {
namespace {

constexpr int kOfxTemplate = 3;

std::string Digits(TDateTime date, bool withTime) {
  int year, month, day, hour, minute, second, msec;
  DecodeDate(date, year, month, day);
  char text[32];
  if (!withTime) {
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
  } else {
    DecodeTime(date, hour, minute, second, msec);
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute,
                  second);
  }
  return text;
}

// General number form with the operating system's decimal separator.
std::string OfxNumber(double value) {
  const std::string& separator = SystemNumberFormat().DecimalSeparator;
  std::string text = FloatToText(value);
  const std::size_t point = text.find('.');
  if (point != std::string::npos && !separator.empty()) text.replace(point, 1, separator);
  return XmlEscape(text);
}

// Replaces every empty element <name></name> by one holding `value`.
void Fill(std::string& text, std::string_view name, std::string_view value) {
  const std::string open = "<" + std::string(name) + ">", close = "</" + std::string(name) + ">";
  text = ReplaceAll(text, open + close, open + std::string(value) + close);
}

// Where the transaction block of the template starts and ends (one past).
std::pair<std::size_t, std::size_t> BlockOf(const std::string& text) {
  const std::size_t start = FindIgnoringCase(text, "<STMTTRN>", 0);
  if (start == std::string::npos) return {0, 0};
  const std::string_view close = "</STMTTRN>";
  const std::size_t end = FindIgnoringCase(text, close, start);
  if (end == std::string::npos) return {0, 0};
  return {start, end + close.size()};
}

std::string TransactionBlock(std::string block, const TTransactions& row) {
  std::string scratch;
  Fill(block, "TRNTYPE", row.OfxTransactionType());
  Fill(block, "DTPOSTED", Digits(row.DateValue(), false));
  Fill(block, "TRNAMT", OfxNumber(row.FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble()));
  Fill(block, "FITID", XmlEscape(row.CompactId()));
  const std::string description =
      XmlEscape(FieldText(row.FieldAt(TTransactions::fDescription), scratch));
  Fill(block, "NAME", description);
  Fill(block, "MEMO", description);
  return block;
}

// The blocks of the live transactions, and the dates they span.
std::string TransactionBlocks(const std::string& block, const TTransactions* table,
                              TDateTime& earliest, TDateTime& latest) {
  std::string blocks;
  for (int i = 0; table != nullptr && i < table->RowCount(); ++i) {
    const TTransactions* row = table->TransactionAt(i);
    if (row == nullptr || row->Deleted) continue;
    const TDateTime date = row->DateValue();
    if (date > latest) latest = date;
    if (date < earliest) earliest = date;
    if (!blocks.empty()) blocks += "\r\n";
    blocks += TransactionBlock(block, *row);
  }
  return blocks;
}

void AppendCodePoint(std::string& out, unsigned codePoint) {
  char text[16];
  std::snprintf(text, sizeof text, "&#x%X;", codePoint);
  out += text;
}

// The length of the UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are no UTF-8 character that XML allows.
std::size_t DecodeUtf8(std::string_view text, std::size_t at, unsigned& codePoint) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
  codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (codePoint < smallest[length] || codePoint > 0x10FFFF) return 0;
  if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint == 0xFFFE || codePoint == 0xFFFF)
    return 0;
  return length;
}

}  // namespace

std::string XmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) {
      if (c == '&')
        out += "&amp;";
      else if (c == '<')
        out += "&lt;";
      else if (c == '>')
        out += "&gt;";
      else if (c < ' ' && c != '\t' && c != '\r' && c != '\n')
        out += ' ';
      else
        out += static_cast<char>(c);
      ++at;
      continue;
    }
    unsigned codePoint = 0;
    const std::size_t length = DecodeUtf8(text, at, codePoint);
    if (length == 0) {
      out += '?';
      ++at;
    } else {
      AppendCodePoint(out, codePoint);
      at += length;
    }
  }
  return out;
}

std::string OfxFileName(const std::string& folder, const TAccount& account, TDateTime today) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  std::string name = account.FieldAt(TAccount::fAccountName)->AsString();
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  return path + name + " (" + FormatDayMonthYear(today) + ").ofx";
}

std::string OfxStatementText(const TAccount& account, TDateTime now) {
  std::string text = LoadTemplate(kOfxTemplate);
  Fill(text, "DTSERVER", Digits(now, true));
  Fill(text, "ACCTID", XmlEscape(account.CompactId()));
  Fill(text, "ACCTTYPE", account.OfxAccountType());
  TDateTime earliest = EncodeDate(2080, 12, 30), latest = EncodeDate(1901, 1, 1);
  const auto [start, end] = BlockOf(text);
  if (end > start) {
    const std::string block = text.substr(start, end - start);
    text.replace(start, end - start,
                 TransactionBlocks(block, account.TransactionsTable(), earliest, latest));
  }
  Fill(text, "DTSTART", Digits(earliest, false));
  Fill(text, "DTEND", Digits(latest, false));
  Fill(text, "DTASOF", Digits(latest, false));
  Fill(text, "BALAMT", OfxNumber(account.FieldAt(TAccount::fBalance)->AsCurrency().ToDouble()));
  return ToLinesText(ParseLinesText(text));
}

}  // namespace tf
