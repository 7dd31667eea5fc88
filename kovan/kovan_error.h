#pragma once
// The failure a KOVAN method raises: a run-time error with the error number and text of
// the Windows run-time library.
#include "platform/text/run_time_error.h"

namespace pemo::kovan {

using KovanError = text::RunTimeError;
using text::errorText;
using enum text::ErrorNumber;

}  // namespace pemo::kovan
