// Whether a statement file reads as the format the user chose. Another
// bank's file read with the wrong layout gives rows without dates, or other
// columns taken as amounts; such a file is refused before anything is imported.
#pragma once

#include <string>
#include <vector>

#include "import/CSVParser.h"

namespace tf {

// Reads the file with `parser`, the parser of `format`, and says why it must
// not be imported: the empty-file message (with the entries left out), or how
// the file differs from the layout. Empty text when it may be imported.
// Throws TStatementFileError when the file cannot be read.
std::string LoadCheckedStatement(TCSVParser& parser, int format, const std::string& fileName);

// How a file differs from the layout of `format`, given its lines and the
// rows the layout made of them: no row with a date, a heading that names its
// columns elsewhere than the layout reads them, or no dated row with an
// amount. Empty when nothing differs.
std::string LayoutMismatch(int format, const std::vector<std::string>& fileLines,
                           const std::vector<TCSVLineData>& rows);

// How messages name a file of `format`, such as "an ABSA statement"; empty
// for a number that is no format.
std::string StatementKindName(int format);

// "N entries left out: no valid date" (and the same for no amount), joined
// by "; "; empty when nothing was left out.
std::string LeftOutMessage(const TLeftOutEntries& leftOut);

}  // namespace tf
