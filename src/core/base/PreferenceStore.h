// The per-user store of string preferences (separators, last statement
// format, help flags, window placement). Every failure is silent: a read
// then yields empty text and a write has no effect.
#pragma once

#include <string>

namespace tf {

class TPreferenceStore {
 public:
  virtual ~TPreferenceStore() = default;

  // The named string value; empty text when it is missing or unreadable.
  virtual std::string ReadSetting(const std::string& name) = 0;
  // Stores the value under the name; a failure is swallowed.
  virtual void WriteSetting(const std::string& name, const std::string& value) = 0;
};

}  // namespace tf
