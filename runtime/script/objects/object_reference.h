#pragma once
// Object references of the form OBJECT(index).PROPERTY: the object words, the parse of
// the object part and the property names with the kind of their values.
#include <optional>
#include <string>

#include "menufile/types.h"
#include "runtime/script/ports.h"
#include "runtime/script/value.h"

namespace pemo::script {

enum class ObjectWord {
  Menu,
  Label,
  Button,
  PictureButton,
  Image,
  Radio,
  CheckBox,
  Frame,
  ComboBox,
  StatusBar,
  ProgressWindow,
  App,
  SelRadio,
};

// The page element kind of an indexed object word; Menu for the others.
menufile::ObjectKind elementKind(ObjectWord word);

// A reference split at its first ".", both parts trimmed and upper-cased.
struct ReferenceParts {
  std::string object;
  std::string property;
  bool hasDot = false;
};
ReferenceParts splitReference(const std::string& reference);

struct ObjectTarget {
  ObjectWord word = ObjectWord::Menu;
  int index = 0;  // for the indexed words
};

enum class ParseStatus { Found, NotAnObject, IndexError };

// Parses the object part (upper-cased). An indexed word needs "(index)"; the index is
// INDEX (the event object's index) or a whole number of 16 bits other than 0. An index
// error has shown its message, quoting the object word.
ParseStatus parseObjectReference(const std::string& objectPart, ScriptContext& context, ObjectTarget& target);

// The kind of a property name's values, or None for a name no object has.
ValueKind propertyNameKind(const std::string& upperName);

// The value text read as a number: its leading number, 0 when there is none.
double numberOf(const std::string& text);
// The value as a 16-bit integer (rounded half to even); nothing when it does not fit.
std::optional<int> int16Of(const std::string& text);

}  // namespace pemo::script
