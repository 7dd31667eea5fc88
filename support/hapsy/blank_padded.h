#pragma once
// The caller's blank-padded text buffers.
#include <cstddef>

namespace pemo::support {

// Ends the text after its last non-blank byte; returns the new length.
size_t trimTrailingBlanks(char* buffer);

}  // namespace pemo::support
