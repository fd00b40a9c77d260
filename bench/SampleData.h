// Generated data files for the benchmarks: realistic accounts and
// transactions, the same for every run.
#pragma once

#include <string>

#include "model/Account.h"

namespace tf::bench {

// Fills `root` with five accounts sharing `transactions` transactions.
void FillAccounts(TAccount& root, int transactions);

// A data file with that many transactions in the temporary folder, written
// once per size and reused.
std::string SampleFile(int transactions);

}  // namespace tf::bench
