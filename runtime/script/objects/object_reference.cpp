#include "runtime/script/objects/object_reference.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/script/messages.h"

namespace pemo::script {
namespace {

struct WordEntry {
  std::string_view text;
  ObjectWord word;
  bool indexed;
};

constexpr std::array<WordEntry, 13> kWords = {{
    {"MENU", ObjectWord::Menu, false},
    {"LABEL", ObjectWord::Label, true},
    {"BUTTON", ObjectWord::Button, true},
    {"PICTUREBUTTON", ObjectWord::PictureButton, true},
    {"IMAGE", ObjectWord::Image, true},
    {"RADIO", ObjectWord::Radio, true},
    {"CHECKBOX", ObjectWord::CheckBox, true},
    {"FRAME", ObjectWord::Frame, true},
    {"COMBOBOX", ObjectWord::ComboBox, true},
    {"STATUSBAR", ObjectWord::StatusBar, false},
    {"PROGRESSWINDOW", ObjectWord::ProgressWindow, false},
    {"APP", ObjectWord::App, false},
    {"SELRADIO", ObjectWord::SelRadio, false},
}};

// ALIGN is among the progress window's settable properties, so it is a property name.
constexpr std::array<std::string_view, 18> kNumericNames = {
    "LEFT",  "TOP",        "WIDTH",  "HEIGHT",        "BACKCOLOR",  "FORECOLOR",
    "FONTSIZE", "FONTBOLD", "FONTITALIC", "FONTUNDERLINE", "STYLE", "ONCURSORCOLOR",
    "UNLOADMODE", "TILINGIMAGE", "VALUE", "STRETCH", "PARENT", "ALIGN"};
constexpr std::array<std::string_view, 12> kStringNames = {"CAPTION", "FONTNAME", "LINK",    "PICTURE",
                                                           "PATH",    "PANEL1",   "PANEL2",  "PANEL3",
                                                           "MESSAGE", "CURRENTDIR", "INDEX", "LISTINDEX"};

template <size_t N>
bool among(const std::array<std::string_view, N>& names, const std::string& name) {
  for (std::string_view n : names)
    if (n == name) return true;
  return false;
}

// A written index: a whole number of 16 bits other than 0, rounded as the platform's
// integer conversion rounds. Element 0 is the hidden template, never an object, so an
// index that rounds to 0 is as invalid as 0 itself; one beyond 16 bits has no element.
std::optional<int> writtenIndex(const std::string& text) {
  if (!text::IsNumeric(text)) return std::nullopt;
  auto index = int16Of(text);
  if (!index || *index == 0) return std::nullopt;
  return index;
}

}  // namespace

menufile::ObjectKind elementKind(ObjectWord word) {
  switch (word) {
    case ObjectWord::Label: return menufile::ObjectKind::Label;
    case ObjectWord::Button: return menufile::ObjectKind::Button;
    case ObjectWord::PictureButton: return menufile::ObjectKind::PictureButton;
    case ObjectWord::Image: return menufile::ObjectKind::Image;
    case ObjectWord::Radio: case ObjectWord::SelRadio: return menufile::ObjectKind::Radio;
    case ObjectWord::CheckBox: return menufile::ObjectKind::CheckBox;
    case ObjectWord::Frame: return menufile::ObjectKind::Frame;
    case ObjectWord::ComboBox: return menufile::ObjectKind::ComboBox;
    default: return menufile::ObjectKind::Menu;
  }
}

ReferenceParts splitReference(const std::string& reference) {
  const std::string upper = text::UCase(reference);
  const size_t dot = upper.find('.');
  if (dot == std::string::npos) return {text::Trim(upper), "", false};
  return {text::Trim(upper.substr(0, dot)), text::Trim(upper.substr(dot + 1)), true};
}

ParseStatus parseObjectReference(const std::string& objectPart, ScriptContext& context, ObjectTarget& target) {
  const size_t open = objectPart.find('(');
  const std::string word = text::Trim(objectPart.substr(0, open));
  const WordEntry* entry = nullptr;
  for (const WordEntry& e : kWords)
    if (e.text == word) entry = &e;
  if (entry == nullptr) return ParseStatus::NotAnObject;
  target = {entry->word, 0};
  if (!entry->indexed) return word == objectPart ? ParseStatus::Found : ParseStatus::NotAnObject;

  const size_t close = open == std::string::npos ? std::string::npos : objectPart.find(')', open + 1);
  if (close == std::string::npos) {
    scriptError(word, msg::kIndexRequired);
    return ParseStatus::IndexError;
  }
  const std::string written = text::Trim(objectPart.substr(open + 1, close - open - 1));
  if (written == "INDEX") {
    target.index = context.currentIndex();
    return ParseStatus::Found;
  }
  auto index = writtenIndex(written);
  if (!index) {
    scriptError(word, msg::kBadIndex);
    return ParseStatus::IndexError;
  }
  target.index = *index;
  return ParseStatus::Found;
}

ValueKind propertyNameKind(const std::string& upperName) {
  if (among(kNumericNames, upperName)) return ValueKind::Numeric;
  if (among(kStringNames, upperName)) return ValueKind::String;
  return ValueKind::None;
}

double numberOf(const std::string& text) { return text::Val(text); }

std::optional<int> int16Of(const std::string& text) {
  const double rounded = text::RoundHalfEven(numberOf(text));
  if (!std::isfinite(rounded) || rounded < -32768 || rounded > 32767) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace pemo::script
