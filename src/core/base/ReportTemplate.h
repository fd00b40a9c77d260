// The template mechanism shared by the HTML documents and the OFX export:
// loading a template, cutting out its numbered row blocks and filling the
// |NAME| tokens.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "base/Text.h"

namespace tf {

// The whole text of template 0 to 3, every line ended by CR LF. Any other
// index raises TTemplateError.
std::string LoadTemplate(int index);

// The index of the template whose resource name equals `name` ignoring case,
// or -1.
int FindTemplate(std::string_view name);

// The text between the first `startMarker` and the next `endMarker` after it,
// both found ignoring case; empty when either is missing.
std::string ExtractBetween(std::string_view text, std::string_view startMarker,
                           std::string_view endMarker);

// `text` with every |name| (found ignoring case) replaced by `value`.
std::string FillToken(std::string_view name, std::string_view value, std::string_view text);

// The marker comment around row block `number`, e.g. "<!-- #1# -->".
// Every |NAME| of `tokens` in `text` replaced by its value in one pass and
// appended to `out`; names are matched ignoring case. Values are never
// searched for tokens, so this equals one FillToken per token in turn for
// texts whose tokens do not share a bar, as in the templates, at the cost
// of a single copy: the way to fill a row block a hundred thousand times.
void AppendFilledTokens(
    std::string& out, std::string_view text,
    std::initializer_list<std::pair<std::string_view, std::string_view>> tokens);

std::string RowBlockMarker(int number);

// Returns row block `number` of `text` and removes every copy of it from
// `text`, leaving its two markers side by side. A block whose markers are
// missing is empty and leaves `text` as it is.
std::string CutRowBlock(std::string& text, int number);

// `text` with every block-1 marker pair replaced by `rows`: all rows of a
// document go to the place of block 1.
std::string PlaceRows(std::string_view text, std::string_view rows);

}  // namespace tf
