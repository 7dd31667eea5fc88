#include "runtime/shell/launcher/launcher_settings.h"

#include <cmath>

#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/shell/registry_text.h"

namespace pemo::shell::launcher {
namespace {

const std::string kLaunchKey = std::string(page::kRuntimeRegistryKey) + "\\Launch";

std::string textOf(registry::Key key, const char* name) { return readRegistryText(key, name).value_or(""); }

std::string wholeText(double value) { return std::to_string(static_cast<long long>(std::llround(value))); }

}  // namespace

LauncherSettings loadLauncherSettings() {
  LauncherSettings settings;
  registry::Key key = 0;
  if (registry::createKey(registry::kUsers, kLaunchKey, "", key) != registry::kSuccess) return settings;
  settings.left = text::Val(textOf(key, "Left"));
  settings.top = text::Val(textOf(key, "Top"));
  settings.orientation = text::Val(textOf(key, "WindowVec")) != 0 ? Orientation::Vertical : Orientation::Horizontal;
  settings.buttonSize = text::Val(textOf(key, "ButtonSize")) == kSmallButton ? kSmallButton : kLargeButton;
  settings.mostTop = text::Val(textOf(key, "ShowMostTop")) == 1;
  settings.edgeDock = text::Val(textOf(key, "Edge")) == 1;
  settings.hideMenu = text::Val(textOf(key, "HideMenu")) == 1;
  std::string colour = textOf(key, "WindowColor");
  if (!colour.empty()) {
    unsigned long value = 0;
    settings.windowColor = text::ParseHex(colour, value) ? static_cast<std::uint32_t>(value) : 0;
  }
  registry::closeKey(key);
  return settings;
}

void saveLauncherSettings(const LauncherSettings& settings) {
  registry::Key key = 0;
  if (registry::createKey(registry::kUsers, kLaunchKey, "", key) != registry::kSuccess) return;
  writeRegistryText(key, "Left", wholeText(settings.left));
  writeRegistryText(key, "Top", wholeText(settings.top));
  writeRegistryText(key, "WindowVec", settings.orientation == Orientation::Vertical ? "1" : "0");
  writeRegistryText(key, "ShowMostTop", settings.mostTop ? "1" : "0");
  writeRegistryText(key, "Edge", settings.edgeDock ? "1" : "0");
  writeRegistryText(key, "ButtonSize", std::to_string(settings.buttonSize));
  writeRegistryText(key, "HideMenu", settings.hideMenu ? "1" : "0");
  writeRegistryText(key, "WindowColor", text::ToHex(settings.windowColor));
  registry::closeKey(key);
}

std::string getFileExtensionStr(const std::string& path) {
  const size_t slash = path.rfind('\\');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return text::UCase(path.substr(dot + 1));
}

}  // namespace pemo::shell::launcher
