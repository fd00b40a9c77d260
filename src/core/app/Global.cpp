#include "app/Global.h"

namespace tf {

TGlobal::TGlobal() : Accounts(nullptr, TBoneKind::List), Categories(true) {}

TGlobal& Global() {
  static TGlobal global;
  return global;
}

}  // namespace tf
