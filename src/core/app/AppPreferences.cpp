#include "app/AppPreferences.h"

#include <charconv>
#include <string>

namespace tf {
namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// A whole number with optional sign and surrounding blanks.
bool TryWholeNumber(const std::string& text, int& out) {
  std::size_t from = 0, to = text.size();
  while (from < to && IsBlank(text[from])) ++from;
  while (to > from && IsBlank(text[to - 1])) --to;
  if (from < to && text[from] == '+') ++from;
  const char* end = text.data() + to;
  const auto [stop, error] = std::from_chars(text.data() + from, end, out);
  return from < to && error == std::errc() && stop == end;
}

}  // namespace

TAppPreferences::TAppPreferences(TPreferenceStore& store) : store_(store) {}

int TAppPreferences::GetImportFileIndex() const {
  int index = 0;
  if (!TryWholeNumber(store_.ReadSetting(kImportFileIndexSetting), index)) {
    return kDefaultImportFileIndex;
  }
  // An index outside the format list would pick no parser at all.
  return index >= 1 && index <= kImportFormatCount ? index : kDefaultImportFileIndex;
}

void TAppPreferences::SetImportFileIndex(int index) {
  store_.WriteSetting(kImportFileIndexSetting, std::to_string(index));
}

bool TAppPreferences::ShowHelp() const {
  return store_.ReadSetting(kShowHelpSetting).empty();
}

void TAppPreferences::SetShowHelp(bool show) {
  store_.WriteSetting(kShowHelpSetting, show ? "" : "no");
}

}  // namespace tf
