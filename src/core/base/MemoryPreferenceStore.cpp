#include "base/MemoryPreferenceStore.h"

namespace tf {

TMemoryPreferenceStore::TMemoryPreferenceStore(
    std::initializer_list<std::pair<const std::string, std::string>> values)
    : values_(values) {}

std::string TMemoryPreferenceStore::ReadSetting(const std::string& name) {
  const auto found = values_.find(name);
  return found == values_.end() ? std::string() : found->second;
}

void TMemoryPreferenceStore::WriteSetting(const std::string& name, const std::string& value) {
  values_[name] = value;
}

bool TMemoryPreferenceStore::Contains(const std::string& name) const {
  return values_.count(name) != 0;
}

}  // namespace tf
