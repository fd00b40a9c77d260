// Generated data files for the benchmarks: realistic accounts and
// transactions, the same for every run.
#pragma once

#include <string>

#include "model/Account.h"

namespace tf::bench {

// Fills `root` with five accounts sharing `transactions` transactions,
// spread evenly over `years` from 1 Jan 1995.
void FillAccounts(TAccount& root, int transactions, int years = 30);

// A data file with that many transactions in the temporary folder, written
// once per size and reused.
std::string SampleFile(int transactions);

}  // namespace tf::bench
