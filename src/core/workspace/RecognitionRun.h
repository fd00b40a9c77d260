// Recognition over the whole data file, as the transactions page runs it,
// with the number of transactions it gave another category, so that a
// script can say what the run did.
#pragma once

namespace tf {

class TAccount;

// ApplyRecognition on the root, unchanged; returns how many live
// transactions of live accounts hold another category afterwards.
int ApplyRecognitionCounted(TAccount& root);

}  // namespace tf
