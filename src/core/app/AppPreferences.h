// The preferences read when they are needed rather than cached: the statement
// format last chosen for an import and whether the getting-started panel may
// be shown.
#pragma once

#include "base/PreferenceStore.h"

namespace tf {

class TAppPreferences {
 public:
  static constexpr const char* kImportFileIndexSetting = "importfileindex";
  static constexpr const char* kShowHelpSetting = "showhelp";
  static constexpr int kImportFormatCount = 8;  // the seven formats and "Other bank (CSV)"
  static constexpr int kDefaultImportFileIndex = 5;

  explicit TAppPreferences(TPreferenceStore& store);

  // The statement format 1 to 7, or 8 for "Other bank (CSV)"; 5 (OFX) when
  // none is stored or the stored text is not one of those numbers.
  int GetImportFileIndex() const;
  void SetImportFileIndex(int index);

  // Any stored text hides the panel; hiding writes "no", allowing writes "".
  bool ShowHelp() const;
  void SetShowHelp(bool show);

 private:
  TPreferenceStore& store_;
};

}  // namespace tf
