#include "editor/document/object_keys.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "menufile/values.h"
#include "platform/text/numbers.h"

namespace pemo::editor {

using menufile::Key;

bool readsKey(ObjectKind kind, Key key) {
  return key != Key::Index && menufile::isObjectKey(kind, key);
}

std::optional<long> heldInteger(const std::string& value, long min, long max) {
  double rounded = text::RoundHalfEven(menufile::readNumber(value));
  if (rounded < static_cast<double>(min) || rounded > static_cast<double>(max)) return std::nullopt;
  return static_cast<long>(rounded);
}

namespace {

void setColour(std::uint32_t& target, const std::string& value) {
  if (auto colour = menufile::readColour(value)) target = *colour;
}

void setFlag(bool& target, const std::string& value) {
  if (auto flag = menufile::readBoolean(value)) target = *flag;
}

}  // namespace

void applyObjectKey(MenuObject& object, Key key, const std::string& value) {
  constexpr long kIntMin = std::numeric_limits<int>::min();
  constexpr long kIntMax = std::numeric_limits<int>::max();
  switch (key) {
    case Key::Caption: object.caption = value; break;
    case Key::Left: object.left = menufile::readCoordinate(value); break;
    case Key::Top: object.top = menufile::readCoordinate(value); break;
    case Key::Width: object.width = menufile::readCoordinate(value); break;
    case Key::Height: object.height = menufile::readCoordinate(value); break;
    case Key::ForeColor: setColour(object.foreColor, value); break;
    case Key::BackColor: setColour(object.backColor, value); break;
    case Key::FontName: object.font.name = value; break;
    case Key::FontSize: object.font.size = menufile::readNumber(value); break;
    case Key::FontBold: setFlag(object.font.bold, value); break;
    case Key::FontItalic: setFlag(object.font.italic, value); break;
    case Key::FontUnderline: setFlag(object.font.underline, value); break;
    case Key::Link: object.link = value; break;
    case Key::Style:
      if (object.kind == ObjectKind::Label)
        object.labelStyle = value;
      else if (auto style = heldInteger(value, kIntMin, kIntMax))
        object.linkStyle = static_cast<int>(*style);
      break;
    case Key::OnCursorColor: object.onCursorColor = value; break;
    case Key::Picture: object.picture = value; break;
    case Key::Stretch: setFlag(object.stretch, value); break;
    case Key::Value:
      if (object.kind == ObjectKind::Radio) {
        bool selected = object.value != 0;
        setFlag(selected, value);
        object.value = selected ? 1 : 0;
      } else if (auto state = menufile::readWholeNumber(value, 0, 2)) {
        object.value = static_cast<int>(*state);
      }
      break;
    default: break;
  }
}

}  // namespace pemo::editor
