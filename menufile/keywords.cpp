#include "menufile/keywords.h"

#include <algorithm>
#include <utility>

namespace pemo::menufile {
namespace {

constexpr std::pair<ObjectKind, std::string_view> kBlockWords[] = {
    {ObjectKind::Menu, "MENU"},         {ObjectKind::Label, "LABEL"},
    {ObjectKind::Button, "BUTTON"},     {ObjectKind::PictureButton, "PICTUREBUTTON"},
    {ObjectKind::Image, "IMAGE"},       {ObjectKind::Radio, "RADIO"},
    {ObjectKind::CheckBox, "CHECKBOX"}, {ObjectKind::Frame, "FRAME"},
    {ObjectKind::ComboBox, "COMBOBOX"}, {ObjectKind::Line, "LINE"},
};

constexpr std::pair<Key, std::string_view> kKeyNames[] = {
    {Key::Caption, "CAPTION"},       {Key::BackColor, "BACKCOLOR"},
    {Key::UnloadMode, "UNLOADMODE"}, {Key::TilingImage, "TILINGIMAGE"},
    {Key::Area, "AREA"},             {Key::Year, "YEAR"},
    {Key::Index, "INDEX"},           {Key::Parent, "PARENT"},
    {Key::Left, "LEFT"},             {Key::Top, "TOP"},
    {Key::Width, "WIDTH"},           {Key::Height, "HEIGHT"},
    {Key::ForeColor, "FORECOLOR"},   {Key::FontName, "FONTNAME"},
    {Key::FontSize, "FONTSIZE"},     {Key::FontBold, "FONTBOLD"},
    {Key::FontItalic, "FONTITALIC"}, {Key::FontUnderline, "FONTUNDERLINE"},
    {Key::Link, "LINK"},             {Key::Style, "STYLE"},
    {Key::OnCursorColor, "ONCURSORCOLOR"}, {Key::Picture, "PICTURE"},
    {Key::Stretch, "STRETCH"},       {Key::Value, "VALUE"},
    {Key::X1, "X1"},                 {Key::Y1, "Y1"},
    {Key::X2, "X2"},                 {Key::Y2, "Y2"},
    {Key::BorderWidth, "BORDERWIDTH"},
};

using K = Key;
constexpr K kMenuKeys[] = {K::Caption, K::BackColor, K::UnloadMode, K::TilingImage};
constexpr K kLabelKeys[] = {K::Index, K::Caption, K::Parent, K::Left, K::Top, K::Width,
                            K::Height, K::ForeColor, K::FontName, K::FontSize, K::FontBold,
                            K::FontItalic, K::FontUnderline, K::Link, K::Style, K::OnCursorColor};
constexpr K kButtonKeys[] = {K::Index, K::Caption, K::Parent, K::Left, K::Top, K::Width,
                             K::Height, K::FontName, K::FontSize, K::FontBold, K::FontItalic,
                             K::FontUnderline, K::Link, K::Style};
constexpr K kPictureButtonKeys[] = {K::Index, K::Caption, K::Parent, K::Left, K::Top,
                                    K::Width, K::Height, K::FontName, K::FontSize, K::FontBold,
                                    K::FontItalic, K::FontUnderline, K::Link, K::Style,
                                    K::Picture};
constexpr K kImageKeys[] = {K::Caption, K::Index, K::Parent, K::Left, K::Top, K::Width,
                            K::Height, K::Link, K::Style, K::Picture, K::Stretch};
constexpr K kChoiceKeys[] = {K::Index, K::Caption, K::Parent, K::Left, K::Top, K::Width,
                             K::Height, K::BackColor, K::ForeColor, K::FontName, K::FontSize,
                             K::FontBold, K::FontItalic, K::FontUnderline, K::Value};
constexpr K kFrameKeys[] = {K::Index, K::Caption, K::Left, K::Top, K::Width, K::Height,
                            K::BackColor, K::ForeColor, K::FontName, K::FontSize, K::FontBold,
                            K::FontItalic, K::FontUnderline};
constexpr K kComboBoxKeys[] = {K::Index, K::Parent, K::Left, K::Top, K::Width, K::ForeColor,
                               K::FontName, K::FontSize, K::FontBold, K::FontItalic,
                               K::FontUnderline};
// A LINE block's keys (the editor does not write lines).
constexpr K kLineKeys[] = {K::X1, K::Y1, K::X2, K::Y2, K::BorderWidth, K::ForeColor};

}  // namespace

std::string_view blockWord(ObjectKind kind) {
  for (const auto& [k, word] : kBlockWords)
    if (k == kind) return word;
  return {};
}

std::optional<ObjectKind> kindOfBlockWord(std::string_view upperWord) {
  for (const auto& [kind, word] : kBlockWords)
    if (word == upperWord) return kind;
  return std::nullopt;
}

std::string_view keyName(Key key) {
  for (const auto& [k, name] : kKeyNames)
    if (k == key) return name;
  return {};
}

Key keyOfName(std::string_view upperName) {
  for (const auto& [key, name] : kKeyNames)
    if (name == upperName) return key;
  return Key::Unknown;
}

std::span<const Key> menuKeyOrder() { return kMenuKeys; }

std::span<const Key> objectKeyOrder(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Label: return kLabelKeys;
    case ObjectKind::Button: return kButtonKeys;
    case ObjectKind::PictureButton: return kPictureButtonKeys;
    case ObjectKind::Image: return kImageKeys;
    case ObjectKind::Radio:
    case ObjectKind::CheckBox: return kChoiceKeys;
    case ObjectKind::Frame: return kFrameKeys;
    case ObjectKind::ComboBox: return kComboBoxKeys;
    case ObjectKind::Line: return kLineKeys;
    default: return {};
  }
}

bool isObjectKey(ObjectKind kind, Key key) {
  auto keys = objectKeyOrder(kind);
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace pemo::menufile
