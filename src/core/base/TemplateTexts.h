// The four document templates compiled into the program: the financial year
// report, the loan schedule, the budget document and the OFX skeleton.
#pragma once

namespace tf {

inline constexpr int kTemplateCount = 4;

// The template's resource name in capitals ("REPORTFINYEARREPORT", ...), or
// nullptr for an index outside 0..3.
const char* TemplateResourceName(int index);

// The template's text with LF line ends as embedded, or nullptr for an index
// outside 0..3. LoadTemplate gives the CR LF form the documents are built from.
const char* TemplateSourceText(int index);

}  // namespace tf
