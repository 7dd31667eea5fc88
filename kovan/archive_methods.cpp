// The LHA archiver command.
#include "kovan/kovan.h"
#include "platform/archive/lha_archiver.h"

namespace pemo::kovan {

// The window handle was the owner of the archiver's progress window, which this
// archiver does not show.
Variant KOVAN::OperateUNLHA32(const int32_t&, const String& LhaCommand) {
  if (!archive::lhaArchiverAvailable())
    throw KovanError(kErrDllLoad, "OperateUNLHA32: " + errorText(kErrDllLoad));
  return Variant(static_cast<int16_t>(archive::runLhaCommand(LhaCommand)));
}

}  // namespace pemo::kovan
