#include "reports/ReportText.h"

#include "base/ReportTemplate.h"
#include "reports/HtmlEscape.h"

namespace tf {

std::string ReportText(std::string_view text) {
  return ReplaceAll(HtmlEscape(text), "|", "&#124;");
}

}  // namespace tf
