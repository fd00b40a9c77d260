// The alternating background colours of the table rows in the HTML
// documents: "#F5F5F5" for the first row after a reset, then "#FFFFFF", ...
#pragma once

#include <string>

namespace tf {

class TRowColors {
 public:
  // The colour of the next row.
  std::string Next();
  // Makes the next row the first one again.
  void Reset() { Shaded_ = false; }

 private:
  bool Shaded_ = false;  // whether the last row handed out was shaded
};

}  // namespace tf
