#pragma once
// Fakes of the window, the interpreter, the run list and the tree for the
// page logic's tests, and a writer of menu files.
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "menufile/lines.h"
#include "platform/process/tests/fake_programs.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/message_port.h"
#include "runtime/page/link_actions.h"
#include "runtime/page/link_ports.h"
#include "runtime/page/menu_page.h"
#include "runtime/page/page_view.h"
#include "runtime/page/script_port.h"

namespace pemo::page::testing {

using process::testing::FakePrograms;

class FakeView : public PageView {
 public:
  void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
  void setPointer(MousePointer pointer) override { pointers.push_back(pointer); }
  void setOpening(bool o) override { opening = o; }
  void yieldToEvents() override {}
  bool treePaneShown() const override { return treeShown; }
  int splitterLeft() const override { return 200; }
  int splitterWidth() const override { return 4; }
  void setCaption(const std::string& c) override { caption = c; }
  void setBackColor(std::uint32_t bgr) override { backColor = bgr; }
  int tileBackground(const std::string& hostPath) override {
    tiled.push_back(hostPath);
    return tileResult;
  }
  bool isPicture(const std::string&) override { return true; }
  void objectLoaded(const PageObject& o) override { loaded.push_back(o); }
  void objectChanged(const PageObject&) override { ++changes; }
  void objectsMoved() override {}
  void pageCleared() override { ++clears; }
  void raiseFixedControls() override {}
  void relayout() override { ++relayouts; }
  void enablePage(bool enabled) override { enables.push_back(enabled); }
  void closeWindow() override { ++closeRequests; }

  bool treeShown = false;
  bool opening = false;
  int tileResult = 1;
  std::string caption;
  std::uint32_t backColor = 0xFFFFFFFF;
  std::vector<std::string> statusTexts, tiled;
  std::vector<MousePointer> pointers;
  std::vector<PageObject> loaded;
  std::vector<bool> enables;
  int changes = 0, clears = 0, relayouts = 0, closeRequests = 0;
};

class FakeScript : public ScriptPort {
 public:
  struct Event {
    menufile::ObjectKind kind;
    int index;
    menufile::ScriptEvent event;
  };
  void loadScript(const MenuScriptSource& s) override {
    loaded = true;
    sources.push_back(s);
  }
  void closeScript() override {
    loaded = false;
    ++closes;
  }
  bool scriptLoaded() const override { return loaded; }
  void fireScriptEvent(menufile::ObjectKind k, int i, menufile::ScriptEvent e) override {
    events.push_back({k, i, e});
    if (onEvent) onEvent();
  }
  bool scriptRunning() const override { return running; }

  bool loaded = false, running = false;
  int closes = 0;
  std::vector<MenuScriptSource> sources;
  std::vector<Event> events;
  std::function<void()> onEvent;
};

class MemoryRunList : public RunProcessList {
 public:
  std::vector<std::pair<std::string, std::string>> values() override { return list; }
  void add(long pid, const std::string& link) override { list.emplace_back(std::to_string(pid), link); }
  void remove(const std::string& name) override {
    std::erase_if(list, [&](const auto& value) { return value.first == name; });
  }
  std::vector<std::pair<std::string, std::string>> list;
};

class FakeTree : public MenuTreePort {
 public:
  struct Node {
    int parent;
    std::string file;
  };
  int add(int parent, const std::string& file) {
    nodes.push_back({parent, file});
    return static_cast<int>(nodes.size());
  }
  int nodeCount() const override { return static_cast<int>(nodes.size()); }
  int selectedNode() override { return selected; }
  int parentOf(int node) override { return node >= 1 && node <= (int)nodes.size() ? nodes[node - 1].parent : 0; }
  std::vector<int> childrenOf(int node) override {
    std::vector<int> result;
    for (int i = 1; i <= (int)nodes.size(); ++i)
      if (nodes[i - 1].parent == node) result.push_back(i);
    return result;
  }
  std::string nodeFile(int node) override { return node >= 1 && node <= (int)nodes.size() ? nodes[node - 1].file : ""; }
  void selectAndExpand(int node) override { selected = node; }
  std::vector<Node> nodes;
  int selected = 0;
};

// A page with its link actions on fakes, and the messages they show.
struct LinkedPage {
  RuntimeState runtime;
  FakeView view;
  FakeScript script;
  MenuPage page{runtime, view, script};
  FakePrograms programs;
  MemoryRunList runList;
  FakeTree tree;
  LinkActions links{page, programs, runList, tree};
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard{&messages};
};

// Writes UTF-8 lines as a code page 932 menu file with CR LF and returns its host path.
inline std::string writeMenu(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  pemo::testing::writeFileBytes(file, menufile::encodeLines(lines));
  return file.string();
}

// The lines of a menu of buttons, one under the other, each captioned with its link.
inline std::vector<std::string> buttons(const std::string& caption, const std::vector<std::pair<std::string, int>>& links) {
  std::vector<std::string> lines{"BEGIN MENU", "CAPTION=" + caption, "END MENU"};
  int top = 10;
  for (const auto& [link, style] : links) {
    lines.insert(lines.end(), {"BEGIN BUTTON", "CAPTION=" + link, "LEFT=10", "TOP=" + std::to_string(top),
                               "WIDTH=120", "HEIGHT=24", "LINK=" + link, "STYLE=" + std::to_string(style),
                               "END BUTTON"});
    top += 30;
  }
  return lines;
}

}  // namespace pemo::page::testing
