// OFX statements in SGML or XML form, read without a markup parser: every
// transaction element STMTTRN becomes one row, wherever the file breaks its
// lines (many banks write the whole statement on one line).
#pragma once

#include <deque>

#include "import/CSVParser.h"

namespace tf {

class TOFXParser : public TCSVParser {
 public:
  // Collects the line into PendingBlock and returns the next transaction
  // element that is complete (empty text while none is); the line index
  // does not matter here.
  std::string FilterLine(const std::string& line, int index) override;
  // One transaction element: date, MEMO (or NAME when it is empty), amount.
  void ParseLine(const std::string& text, TCSVLineData& row) override;
  void LoadLines(const std::vector<std::string>& lines) override;

  // The element's value in XML form, else (no closing tag) up to the next tag.
  static std::string TagValue(const std::string& block, const std::string& name);

  // Text from the last open transaction element on; empty outside one.
  std::string PendingBlock;

 private:
  // Moves every element the line completes into ReadyElements.
  void CollectElements(const std::string& line);
  std::string TakeReadyElement();

  std::deque<std::string> ReadyElements;
};

}  // namespace tf
