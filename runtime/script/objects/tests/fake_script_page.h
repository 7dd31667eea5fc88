#pragma once
// A page of elements held in maps, a progress window that records what it is told, and a
// fixture that runs scripts against them through the real engine.
#include <array>
#include <map>
#include <set>
#include <vector>

#include "runtime/script/objects/page_script_objects.h"
#include "runtime/script/tests/script_fakes.h"

namespace pemo::script::testing {

struct FakeElement {
  std::string caption;
  std::array<double, 4> edges{};  // Edge order
  std::uint32_t foreColor = 0;
  std::uint32_t backColor = 0;
  std::string onCursorColor = "ff0000";
  std::string picture;
  int value = 0;
  int frame = 0;
  std::vector<std::string> items;
  int listIndex = -1;
};

class FakeScriptPage : public ScriptPage {
 public:
  FakeElement& add(ObjectKind kind, int index);

  std::string menuCaption() const override { return windowCaption; }
  void setMenuCaption(const std::string& c) override { windowCaption = c; }
  std::uint32_t menuBackColor() const override { return backColor; }
  void setMenuBackColor(std::uint32_t bgr) override { backColor = bgr; }
  std::string statusPanel(int panel) const override { return panels.at(panel); }
  void setStatusPanel(int panel, const std::string& text) override { panels.at(panel) = text; }
  std::string appFolder() const override { return "C:\\PEMO\\"; }
  std::string currentFolder() const override { return "D:\\WORK"; }

  bool hasElement(ObjectKind kind, int index) const override { return elements.count({kind, index}) > 0; }
  int upperBound(ObjectKind kind) const override;
  std::string caption(ObjectKind kind, int index) const override { return at(kind, index).caption; }
  void setCaption(ObjectKind kind, int index, const std::string& c) override { at(kind, index).caption = c; }
  double edge(ObjectKind kind, int index, Edge e) const override { return at(kind, index).edges[int(e)]; }
  void setEdge(ObjectKind kind, int index, Edge e, double v) override { at(kind, index).edges[int(e)] = v; }
  std::uint32_t foreColor(ObjectKind kind, int index) const override { return at(kind, index).foreColor; }
  void setForeColor(ObjectKind kind, int index, std::uint32_t c) override { at(kind, index).foreColor = c; }
  void setBackColor(ObjectKind kind, int index, std::uint32_t c) override { at(kind, index).backColor = c; }
  std::string onCursorColor(int i) const override { return at(ObjectKind::Label, i).onCursorColor; }
  void setOnCursorColor(int i, const std::string& hex) override { at(ObjectKind::Label, i).onCursorColor = hex; }
  bool setPicture(ObjectKind kind, int index, const std::string& path) override;
  int value(ObjectKind kind, int index) const override { return at(kind, index).value; }
  void setValue(ObjectKind kind, int index, int value) override;
  int listCount(int i) const override { return int(at(ObjectKind::ComboBox, i).items.size()); }
  int listIndex(int i) const override { return at(ObjectKind::ComboBox, i).listIndex; }
  void setListIndex(int i, int item) override { at(ObjectKind::ComboBox, i).listIndex = item; }
  void insertItem(int i, const std::string& item, int position) override;

  FakeElement& at(ObjectKind kind, int index) { return elements.at({kind, index}); }
  const FakeElement& at(ObjectKind kind, int index) const { return elements.at({kind, index}); }

  std::map<std::pair<ObjectKind, int>, FakeElement> elements;
  std::string windowCaption = "メニュー";
  std::uint32_t backColor = 0x8000000F;
  std::array<std::string, 4> panels;  // 1 to 3
  std::set<std::string> pictures;  // the paths that hold pictures
};

// A screen of 1024 x 768; the window has a 2-pixel frame and a 20-pixel title.
class FakeProgressView : public ProgressWindowView {
 public:
  void showOnTop() override { ++shown, visible = true; }
  void hide() override { visible = false; }
  void setCaption(const std::string& c) override { caption = c; }
  void setMessage(const std::string& m) override { message = m; }
  void setBar(int v) override { bar = v; }
  void setWidth(int pixels) override { outer.width = pixels; }
  void setControlWidth(int pixels) override { controlWidth = pixels; }
  void move(Point p) override { at = p; }
  Size screenSize() const override { return {1024, 768}; }
  Size outerSize() const override { return outer; }
  int innerWidth() const override { return outer.width - 4; }

  int shown = 0;
  bool visible = false;
  std::string caption, message;
  int bar = 0, controlWidth = 0;
  Point at{-1, -1};
  Size outer{298, 85};
};

class ObjectsFixture {
 public:
  ObjectsFixture();
  // Runs the lines as SUB LABEL_CLICK() for the label `index`; returns what MSGBOX showed.
  std::vector<std::string> run(const std::vector<std::string>& body, int index = 0);
  std::vector<std::string> errors() const;

  FakeScriptPage page;
  FakeProgressView progressView;
  ProgressWindow progress{progressView};
  PageScriptObjects objects{page, progress};
  FakeFileSystem files;
  FakeArithmetic arithmetic;
  FakeHost host;
  FakeStatements statements;
  ui::RecordingMessagePort messageBoxes;
  ui::ScopedMessagePort scopedMessages{&messageBoxes};
  ScriptEngine engine{{&files, &arithmetic, &host, &objects, &statements}};
};

}  // namespace pemo::script::testing
