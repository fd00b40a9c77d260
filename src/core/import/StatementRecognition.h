// Tells from the first lines of a statement file which layout reads it: OFX
// by its header or root element, each bank's CSV by its heading lines and
// date forms, the program's own CSV by its heading. Saved column mappings
// can take part through candidates, tried when no built-in layout fits.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tf {

// How many lines of a file recognition looks at: the longest heading block
// and a few rows.
inline constexpr std::size_t kRecognitionLines = 40;

inline constexpr const char* kUnrecognisedStatementMessage =
    "The format of this statement file was not recognised";

// A layout beyond the built-in ones, such as a saved column mapping: its name
// for the sentence and whether it reads a file with these first lines.
struct TFormatCandidate {
  std::string Name;
  std::function<bool(const std::vector<std::string>& firstLines)> Fits;
};

struct TStatementRecognition {
  int Format = 0;        // a number of StatementFormats(); 0 when a candidate fits
  int Candidate = -1;    // the candidate's position; -1 for a built-in layout
  std::string Sentence;  // "Looks like an ABSA statement"
};

// The one layout whose heading and date forms the lines really have; nothing
// when none does or when two built-in layouts both would. Candidates are
// asked only when no built-in layout fits, in their order; the first that
// fits is taken.
std::optional<TStatementRecognition> RecogniseStatementFormat(
    const std::vector<std::string>& firstLines, std::span<const TFormatCandidate> candidates = {});

// The same for a file; throws TStatementFileError when it cannot be read.
std::optional<TStatementRecognition> RecogniseStatementFile(
    const std::string& fileName, std::span<const TFormatCandidate> candidates = {});

// "Looks like an ABSA statement" for a built-in format.
std::string RecognitionSentence(int format);

}  // namespace tf
