#pragma once
// The file layout that VBBtFileCreateOpen builds from its callers' packed key
// descriptions (see key_description.h).
#include <optional>
#include <string>

namespace pemo::hapsy {

// The layout: page size 4096, one key block per description; nothing for
// counts that are negative or a record length that does not fit the header.
std::optional<std::string> buildCreateLayout(int recordLength, int keyDescriptionCount, int indexCount,
                                                    const char* keyDescriptions);

}  // namespace pemo::hapsy
