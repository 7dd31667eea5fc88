#include "runtime/shell/window/view_settings.h"

#include <algorithm>
#include <string>

#include "platform/registry/registry.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/page/splitter.h"

namespace pemo::shell {
namespace {

const std::string kSettingsKey = std::string(page::kRuntimeRegistryKey) + "\\SW";

std::string readText(registry::Key key, const char* name) {
  registry::Value value;
  if (registry::queryValue(key, name, value) != registry::kSuccess || value.type != registry::kString) return {};
  return value.data;
}

}  // namespace

ViewSettings loadViewSettings() {
  ViewSettings settings;
  registry::Key key = 0;
  if (registry::openKey(registry::kUsers, kSettingsKey, key) != registry::kSuccess) return settings;
  settings.treeView = text::LCase(readText(key, "TreeView")) != "false";
  double position = text::Val(readText(key, "SegmentPosition"));
  // A position left of the narrowest splitter (a damaged setting) would put the
  // splitter where the mouse can never reach it again.
  settings.segmentPosition = position == 0 ? 200 : static_cast<int>(std::clamp<double>(position, page::kSplitterMinimumLeft, page::kSplitterFarthestLeft));
  registry::closeKey(key);
  return settings;
}

void saveViewSettings(const ViewSettings& settings) {
  registry::Key key = 0;
  if (registry::createKey(registry::kUsers, kSettingsKey, "", key) != registry::kSuccess) return;
  registry::setValue(key, "TreeView", registry::kString, settings.treeView ? "True" : "False");
  registry::setValue(key, "SegmentPosition", registry::kString, std::to_string(settings.segmentPosition));
  registry::closeKey(key);
}

}  // namespace pemo::shell
