// Row identifiers.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "base/Guid.h"

namespace tf {
namespace {

TEST(NewGuid, HasTheRegistryFormAndIsRandom) {
  const std::regex form(
      "\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}");
  std::set<std::string> seen;
  for (int i = 0; i < 1000; ++i) {
    const std::string guid = NewGuid();
    ASSERT_EQ(guid.size(), 38u);
    ASSERT_TRUE(std::regex_match(guid, form)) << guid;
    seen.insert(guid);
  }
  EXPECT_EQ(seen.size(), 1000u);
}

}  // namespace
}  // namespace tf
