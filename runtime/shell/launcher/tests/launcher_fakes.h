#pragma once
// The launcher bar's logic on fakes: a view and a host that record what it asks.
#include <string>
#include <vector>

#include "platform/registry/registry.h"
#include "runtime/page/runtime_registry_key.h"
#include "runtime/shell/launcher/launcher_ports.h"

namespace pemo::shell::launcher::testing {

// Stores a text value under the launcher's settings key, as a user's earlier run left it.
inline void storeLaunchValue(const char* name, const std::string& text) {
  registry::Key key = 0;
  registry::createKey(registry::kUsers, std::string(page::kRuntimeRegistryKey) + "\\Launch", "", key);
  registry::setValue(key, name, registry::kString, text);
  registry::closeKey(key);
}

class FakeLauncherView : public LauncherView {
 public:
  void setButtons(const std::vector<LauncherButton>& b) override { buttons = b; }
  void setButtonsVisible(bool visible) override { buttonsVisible = visible; }
  void placeBar(const BarRect& rect) override { bar = rect; }
  void showBar(bool shown) override { this->shown = shown; }
  void setTopmost(bool topmost) override { this->topmost = topmost; }
  void setBackground(std::uint32_t bgr) override { background = bgr; }
  std::optional<std::uint32_t> chooseColour(std::uint32_t) override { return chosenColour; }
  void invertGhost(const BarRect& rect) override { ghosts.push_back(rect); }
  void setHoverWatch(bool running) override { watching = running; }
  ui::ScreenSize screenSize() override { return screen; }

  std::vector<LauncherButton> buttons;
  bool buttonsVisible = true;
  BarRect bar;
  bool shown = true;
  bool topmost = false;
  std::uint32_t background = 0;
  std::optional<std::uint32_t> chosenColour;
  std::vector<BarRect> ghosts;
  bool watching = false;
  ui::ScreenSize screen{1000, 800};
};

class FakeLauncherHost : public LauncherHost {
 public:
  void showRuntimeWindow(bool shown) override { calls.push_back(shown ? "showRuntimeWindow" : "hideRuntimeWindow"); }
  bool closeRuntimeWindow() override {
    calls.push_back("closeRuntimeWindow");
    return runtimeWindowCloses;
  }
  void endProgram() override { calls.push_back("endProgram"); }
  void checkOffShowLaunch() override { calls.push_back("checkOffShowLaunch"); }
  void editRunMenu() override { calls.push_back("editRunMenu"); }
  void editRunInfo() override { calls.push_back("editRunInfo"); }

  std::vector<std::string> calls;
  bool runtimeWindowCloses = true;
};

}  // namespace pemo::shell::launcher::testing
