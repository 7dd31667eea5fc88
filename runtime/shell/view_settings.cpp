#include "runtime/shell/view_settings.h"

#include <algorithm>

#include "menufile/values.h"
#include "platform/registry/registry.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/page/splitter.h"
#include "runtime/shell/registry_text.h"

namespace pemo::shell {
namespace {

const std::string kSettingsKey = std::string(page::kRuntimeRegistryKey) + "\\SW";
constexpr int kDefaultSegmentPosition = 200;

std::optional<std::string> readText(registry::Key key, const char* name) { return readRegistryText(key, name); }

std::string textOf(registry::Key key, const char* name) { return readText(key, name).value_or(""); }

int wholeOf(const std::string& text) {
  double number = text::RoundHalfEven(text::Val(text));
  return static_cast<int>(std::clamp<double>(number, INT16_MIN, INT16_MAX));
}

std::optional<bool> booleanOf(registry::Key key, const char* name) {
  auto text = readText(key, name);
  return text ? menufile::readBoolean(*text) : std::nullopt;
}

TreeFont readFont(registry::Key key, std::string name) {
  TreeFont font;
  font.name = std::move(name);
  if (auto size = readText(key, "FontSize")) {
    // A size the font cannot take (0, or no number) leaves the tree's own.
    double points = text::Val(*size);
    if (points > 0) font.size = points;
  }
  font.bold = booleanOf(key, "FontBold");
  font.italic = booleanOf(key, "FontItalic");
  font.strikethrough = booleanOf(key, "FontStrikethrough");
  font.underline = booleanOf(key, "FontUnderline");
  return font;
}

void writeText(registry::Key key, const char* name, const std::string& data) { writeRegistryText(key, name, data); }

}  // namespace

ViewSettings loadViewSettings() {
  ViewSettings settings;
  registry::Key key = 0;
  if (registry::createKey(registry::kUsers, kSettingsKey, "", key) != registry::kSuccess) return settings;
  std::string treeView = text::LCase(textOf(key, "TreeView"));
  settings.treeView = !treeView.empty() && treeView != "false";
  settings.showLaunch = wholeOf(textOf(key, "ShowLaunch")) == 1;
  double position = text::Val(textOf(key, "SegmentPosition"));
  // A position left of the narrowest splitter or beyond any screen (a damaged setting)
  // would put the splitter where the mouse can never reach it again.
  settings.segmentPosition =
      position == 0 ? kDefaultSegmentPosition
                    : static_cast<int>(std::clamp<double>(position, page::kSplitterMinimumLeft, page::kSplitterFarthestLeft));
  if (text::Val(textOf(key, "WindowState")) == 1) settings.windowState = WindowShowState::Maximized;
  std::string fontName = textOf(key, "FontName");
  if (!fontName.empty()) settings.treeFont = readFont(key, std::move(fontName));
  registry::closeKey(key);
  return settings;
}

void saveViewSettings(const ViewSettings& settings, const std::function<void()>& storeWindowRect) {
  if (settings.windowState == WindowShowState::Normal && storeWindowRect) storeWindowRect();
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, kSettingsKey, key) != registry::kSuccess) return;
  writeText(key, "TreeView", menufile::formatBoolean(settings.treeView));
  writeText(key, "SegmentPosition", std::to_string(settings.segmentPosition));
  writeText(key, "ShowLaunch", settings.showLaunch ? "1" : "0");
  writeText(key, "WindowState", settings.windowState == WindowShowState::Maximized ? "1" : "0");
  const TreeFont font = settings.treeFont.value_or(TreeFont{});
  writeText(key, "FontName", font.name);
  writeText(key, "FontSize", menufile::formatFontSize(font.size.value_or(0)));
  writeText(key, "FontBold", menufile::formatBoolean(font.bold.value_or(false)));
  writeText(key, "FontItalic", menufile::formatBoolean(font.italic.value_or(false)));
  writeText(key, "FontStrikethrough", menufile::formatBoolean(font.strikethrough.value_or(false)));
  writeText(key, "FontUnderline", menufile::formatBoolean(font.underline.value_or(false)));
  registry::closeKey(key);
}

bool hasStoredWindowRect() {
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, page::kRuntimeRegistryKey, key) != registry::kSuccess) return false;
  bool stored = true;
  for (const char* name : {"Left", "Top", "Width", "Height"}) stored = stored && readText(key, name).has_value();
  registry::closeKey(key);
  return stored;
}

}  // namespace pemo::shell
