// The program's command line: "tallyfold FILE", or "tallyfold PROGRAM FILE"
// as older associations start it, names the data file to open.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace tf {

// The arguments after the program's name, in the two-argument form the
// application context takes: a lone FILE comes back as PROGRAM, FILE.
std::vector<std::string> DataFileArguments(const QStringList& arguments);

}  // namespace tf
