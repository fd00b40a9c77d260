// Text rules shared by the finance model: comparisons ignoring the case of
// ASCII letters, the trimming and upper-casing of recognition, row IDs
// without their punctuation, and reading text fields without copying them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"

namespace tf {

class TBoneField;

// Three-way comparison with ASCII letters folded to lower case.
int CompareIgnoringCase(std::string_view a, std::string_view b);
bool SameIgnoringCase(std::string_view a, std::string_view b);
// The first position from `from` on where `what` occurs ignoring case, or npos.
std::size_t FindIgnoringCase(std::string_view text, std::string_view what, std::size_t from);

// Trimmed, with the ASCII letters a to z in capitals (other letters kept).
std::string UpperTrimmed(std::string_view text);

// The text before the first " - ", or the whole text when it has none.
std::string_view MainCategoryPart(std::string_view category);

// Sorted ignoring case, each text once (the first of those equal apart from
// case), every line followed by CR LF.
std::string SortedUniqueLines(std::vector<std::string_view>& texts);

// A GUID text without "{", "}" and "-".
std::string WithoutIdPunctuation(std::string_view id);

// The field's text without a copy where it holds one; otherwise its
// converted value, kept in `scratch`.
const std::string& FieldText(const TBoneField* field, std::string& scratch);
// The field's value as an integer, as AsInteger reads it, without a copy.
int FieldInteger(const TBoneField* field);

}  // namespace tf
