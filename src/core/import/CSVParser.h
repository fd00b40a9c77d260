// Base of every statement parser: reads a file line by line into statement
// rows, lets a layout pick and split its lines, and offers the field cutting
// and conversions the layouts share. Its own ParseLine is the generic layout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/CSVLineData.h"

namespace tf {

class TCSVParser {
 public:
  virtual ~TCSVParser() = default;

  // The text to parse, or empty text to skip the line. `index` counts every
  // line of the file from 0, blank ones included. Skips the heading line.
  virtual std::string FilterLine(const std::string& line, int index);
  // Generic layout: date (yyyymmdd), description (commas allowed), amount, balance.
  virtual void ParseLine(const std::string& text, TCSVLineData& row);
  // Appends a row per accepted line; throws TStatementFileError on an
  // unreadable file, one too large or with a line too long.
  void LoadStatement(const std::string& fileName);
  // The same for a statement's bytes already in memory.
  void LoadStatementBytes(std::string_view bytes);
  // Appends a row per accepted line of a statement read whole.
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

 protected:
  // The shared reading loop over lines already read from the file.
  void ParseLines(const std::vector<std::string>& lines);
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
  static void ConvertBalance(TCSVLineData& row);
};

}  // namespace tf
