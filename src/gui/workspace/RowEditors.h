// Connects the model's row editors to their dialogs: an account, a
// transaction and a recognition pattern open their editors through Edit,
// the pattern table its list editor through EditList.
#pragma once

namespace tf {

class TGlobal;
struct TWorkspaceDialogs;

// Called once at start-up, before any row is edited.
void RegisterRowEditors(TGlobal& global, const TWorkspaceDialogs& dialogs);
void RegisterRowEditors(TGlobal& global);

}  // namespace tf
