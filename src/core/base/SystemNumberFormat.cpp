#include "base/SystemNumberFormat.h"

namespace tf {

TSystemNumberFormat& SystemNumberFormat() {
  static TSystemNumberFormat format;
  return format;
}

}  // namespace tf
