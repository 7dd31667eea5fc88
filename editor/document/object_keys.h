#pragma once
// How the reader applies one key of an object block to the object.
#include <optional>
#include <string>

#include "editor/document/menu_object.h"
#include "menufile/keywords.h"

namespace pemo::editor {

// Whether the reader takes this key in a block of this kind (INDEX never: the n-th block
// of a kind is element n whatever it says).
bool readsKey(ObjectKind kind, menufile::Key key);

// The value as a held integer: the number at its start, rounded (halves to the even
// neighbour); nullopt outside [min, max].
std::optional<long> heldInteger(const std::string& value, long min, long max);

// Applies a key read in the object's block (PARENT excepted). A colour, truth value or
// check-box value that does not convert leaves the attribute as it was.
void applyObjectKey(MenuObject& object, menufile::Key key, const std::string& value);

}  // namespace pemo::editor
