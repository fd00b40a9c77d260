// The user's preferences in QSettings("Quillmere", "Tallyfold"): the registry
// key Software\Quillmere\Tallyfold on Windows, the native per-user
// configuration file elsewhere.
#pragma once

#include <QString>
#include <string>

#include "base/PreferenceStore.h"

namespace tf {

class TQtPreferenceStore : public TPreferenceStore {
 public:
  TQtPreferenceStore();
  // Another organisation or application name, so that tests keep clear of the
  // user's real preferences.
  TQtPreferenceStore(QString organization, QString application);

  // Empty text for a missing value, one that is not a string, or a store that
  // cannot be read.
  std::string ReadSetting(const std::string& name) override;
  void WriteSetting(const std::string& name, const std::string& value) override;

 private:
  QString organization_;
  QString application_;
};

}  // namespace tf
