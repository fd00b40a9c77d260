#include "reports/ReportText.h"

#include "reports/HtmlEscape.h"
#include "reports/ReportTemplate.h"

namespace tf {

std::string ReportText(std::string_view text) {
  return ReplaceAll(HtmlEscape(text), "|", "&#124;");
}

}  // namespace tf
