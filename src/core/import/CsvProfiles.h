// The saved CSV column mappings, kept in the data file as an extra child
// table of the root ("CsvProfiles") whose rows carry only text fields. A
// reader that does not know the table keeps it, with every field, through
// loading and saving, so older versions open and write back such a file.
#pragma once

#include <string>
#include <vector>

#include "import/CsvProfile.h"

namespace tf {

class TAccount;
class TBone;

inline constexpr const char* kCsvProfilesTableName = "CsvProfiles";

// The root's profile table; nullptr when the file has none yet.
TBone* CsvProfilesTable(const TAccount& root);

// The live profiles in table order.
std::vector<TCsvProfile> LoadCsvProfiles(const TAccount& root);

// The profile of that name (letter case ignored); false when there is none.
bool FindCsvProfile(const TAccount& root, const std::string& name, TCsvProfile& profile);

// Stores the profile under its name, replacing the one of the same name
// (letter case ignored) and keeping any field a newer version added to it;
// creates the table on first use. The caller saves the data file.
void StoreCsvProfile(TAccount& root, const TCsvProfile& profile);

// Marks the profile of that name deleted; false when there is none.
bool DeleteCsvProfile(TAccount& root, const std::string& name);

}  // namespace tf
