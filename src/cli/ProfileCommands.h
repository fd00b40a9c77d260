// What "import --profile NAME" needs of the saved CSV profiles: the statement
// read through the profile, and the account it was used for remembered.
#pragma once

#include <memory>
#include <string>

namespace tf {
class TAccount;
class TCSVParser;
}  // namespace tf

namespace tf::cli {

// The statement read through the profile of that name in `root`; the lines
// that do not read are named on stderr. Throws with a message for the user
// when there is no such profile, or when no line reads.
std::unique_ptr<TCSVParser> LoadProfileStatement(const TAccount& root, const std::string& name,
                                                 const std::string& statement);

// The profile remembers `account` as the one it was last used for.
void RememberProfileAccount(TAccount& root, const std::string& name, const TAccount& account);

}  // namespace tf::cli
