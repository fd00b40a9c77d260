// Preferences kept in memory only: for the command line and for tests, where
// nothing may reach the user's real settings.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "base/PreferenceStore.h"

namespace tf {

class TMemoryPreferenceStore : public TPreferenceStore {
 public:
  TMemoryPreferenceStore() = default;
  TMemoryPreferenceStore(std::initializer_list<std::pair<const std::string, std::string>> values);

  std::string ReadSetting(const std::string& name) override;
  void WriteSetting(const std::string& name, const std::string& value) override;

  // Whether a value of that name was ever stored (an empty one counts).
  bool Contains(const std::string& name) const;

 private:
  std::map<std::string, std::string> values_;
};

}  // namespace tf
