// Base of every statement parser: reads a file line by line into statement
// rows, lets a layout pick and split its lines, and offers the field cutting
// and conversions the layouts share. Its own ParseLine is the generic layout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/CSVLineData.h"

namespace tf {

// Statement entries a parser found but could not make a row of, by reason.
// A date is looked at first: an entry without either counts as undated.
struct TLeftOutEntries {
  int NoDate = 0;    // the date is missing, empty or impossible
  int NoAmount = 0;  // the amount is missing or not a number
  int Total() const { return NoDate + NoAmount; }
};

class TCSVParser {
 public:
  virtual ~TCSVParser() = default;

  // The text to parse, or empty text to skip the line. `index` counts every
  // line of the file from 0, blank ones included. Skips the heading line.
  virtual std::string FilterLine(const std::string& line, int index);
  // Generic layout: date (yyyymmdd), description (commas allowed), amount, balance.
  virtual void ParseLine(const std::string& text, TCSVLineData& row);
  // Reads the file and hands its lines to LoadLines; throws TStatementFileError
  // on an unreadable file.
  virtual void LoadStatement(const std::string& fileName);
  // The same for a statement's bytes already in memory.
  void LoadStatementBytes(std::string_view bytes);
  // Appends a row per accepted line of a file already read.
  virtual void LoadLines(const std::vector<std::string>& lines);

  // Cut up to the first (last) comma off the line; without one, the whole line.
  // Quotes mean nothing here.
  static std::string TakeFirstField(std::string& line);
  static std::string TakeLastField(std::string& line);
  static std::string CollapseBlanks(std::string_view text);
  // Text between the tags (letter case ignored), empty when either is missing.
  static std::string ExtractBetween(std::string_view text, std::string_view startTag,
                                    std::string_view endTag);

  std::vector<TCSVLineData> Lines;
  // Entries the layout refuses rather than importing them wrongly.
  TLeftOutEntries LeftOut;

 protected:
  // Appends and fills a row when the filtered text is not blank.
  void AcceptText(const std::string& text);
  // Lines below `count` are headings.
  static std::string SkipHeadingLines(const std::string& line, int index, int count);

  // Trims, drops one final comma and keys the row; returns the line to cut.
  static std::string BeginLine(const std::string& text, TCSVLineData& row);
  static void ClearValues(TCSVLineData& row);
  // Sets Date and DateText when DateText holds a valid yyyymmdd date.
  static void ConvertDateYYYYMMDD(TCSVLineData& row);
  static void ConvertAmount(TCSVLineData& row);
  // Reads `number` (AmountText or a form of it) into Amount and AmountText;
  // false, with both left alone, when it is no amount.
  static bool ConvertAmountFrom(std::string_view number, TCSVLineData& row);
  static void ConvertBalance(TCSVLineData& row);
};

}  // namespace tf
