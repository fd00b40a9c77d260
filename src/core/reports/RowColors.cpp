#include "reports/RowColors.h"

namespace tf {

std::string TRowColors::Next() {
  Shaded_ = !Shaded_;
  return Shaded_ ? "#F5F5F5" : "#FFFFFF";
}

}  // namespace tf
