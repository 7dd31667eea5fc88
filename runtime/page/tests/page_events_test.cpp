#include <gtest/gtest.h>

#include "menufile/values.h"
#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"
#include "runtime/page/help_document.h"
#include "runtime/page/page_events.h"
#include "runtime/page/tests/page_fakes.h"

using namespace pemo::page;
using namespace pemo::page::testing;
namespace mf = pemo::menufile;

namespace {

class FakeEventWindow : public PageEventPort {
 public:
  void showPopupMenu() override { calls.push_back("popup"); }
  void showHelpDocument() override { calls.push_back("help"); }
  void drawPressedFrame(ObjectKind kind, int index) override {
    calls.push_back("frame " + std::to_string(static_cast<int>(kind)) + "," + std::to_string(index));
  }
  void erasePressedFrame() override { calls.push_back("erase"); }
  std::vector<std::string> calls;
};

struct Events : LinkedPage {
  FakeEventWindow window;
  PageEvents events{page, links, tree, window};

  PageObject& object(ObjectKind kind, int index, const std::string& link = "", int style = 0) {
    PageObject& o = page.objects().load(kind, index);
    o.link = link;
    o.style = style;
    o.styleText = std::to_string(style);
    return o;
  }
  PageObject& label(int index, const std::string& onCursor = "ff0000", std::optional<std::uint32_t> colour = 0) {
    PageObject& o = object(ObjectKind::Label, index);
    o.onCursorColor = onCursor;
    o.foreColor = colour;
    return o;
  }
  std::optional<std::uint32_t> colourOf(int label) { return page.objects().find(ObjectKind::Label, label)->foreColor; }
  std::string status() { return view.statusTexts.empty() ? "<none>" : view.statusTexts.back(); }
};

}  // namespace

TEST(PageEvents, AStyleNamingNoLinkStyleDoesNothing) {
  Events e;
  // Halves go to the even neighbour; styles beyond any whole number name none.
  for (auto [text, style] : {std::pair{"1.6", 2}, {"2.5", 2}, {" 5 ", 5}, {"-0.4", 0}, {"abc", 0}, {"6", -1},
                             {"5.9", -1}, {"-1", -1}, {"1e20", -1}, {"-1e20", -1}, {"4294967297", -1}}) {
    e.object(ObjectKind::Label, 1, "x.exe").styleText = text;
    EXPECT_EQ(e.page.objects().find(ObjectKind::Label, 1)->linkStyle(), style) << text;
  }
  e.object(ObjectKind::Button, 1, "b.exe", 7);
  EXPECT_EQ(e.page.objects().find(ObjectKind::Button, 1)->linkStyle(), mf::kNoLinkStyle);

  e.object(ObjectKind::Label, 1, "x.exe").styleText = "1e20";
  e.events.mouseMove(ObjectKind::Label, 1);
  EXPECT_EQ(e.status(), "x.exe");
  e.events.click(ObjectKind::Label, 1);
  e.events.click(ObjectKind::Button, 1);
  EXPECT_TRUE(e.programs.started.empty());
  EXPECT_EQ(e.page.selection().count(), 0);
}

TEST(PageEvents, ClickFiresTheScriptEventAndThenFollowsTheLink) {
  Events e;
  e.script.loaded = true;
  e.object(ObjectKind::Button, 1, "first.exe", 0);
  // The SUB runs before the link is read: a link it sets is the one followed.
  e.script.onEvent = [&] {
    EXPECT_TRUE(e.programs.started.empty());
    e.page.objects().find(ObjectKind::Button, 1)->link = "set-by-sub.exe";
  };
  e.events.click(ObjectKind::Button, 1);
  ASSERT_EQ(e.script.events.size(), 1u);
  EXPECT_EQ(e.script.events[0].kind, ObjectKind::Button);
  EXPECT_EQ(e.script.events[0].index, 1);
  EXPECT_EQ(e.script.events[0].event, mf::ScriptEvent::Click);
  EXPECT_EQ(e.programs.started, std::vector<std::string>{"set-by-sub.exe"});

  // A label's style is its style text; a combo box runs its SUB and follows no link;
  // the bare window fires the menu's click; radio buttons fire nothing.
  e.script.onEvent = nullptr;
  PageObject& l = e.object(ObjectKind::Label, 2, "x.exe");
  l.styleText = "1";
  e.events.click(ObjectKind::Label, 2);
  EXPECT_EQ(e.page.selection().count(), 1);
  e.object(ObjectKind::ComboBox, 1, "combo.exe");
  e.object(ObjectKind::Radio, 1, "radio.exe");
  e.events.click(ObjectKind::ComboBox, 1);
  e.events.click(ObjectKind::Radio, 1);
  e.events.click(ObjectKind::Menu, 0);
  ASSERT_EQ(e.script.events.size(), 4u);
  EXPECT_EQ(e.script.events[2].kind, ObjectKind::ComboBox);
  EXPECT_EQ(e.script.events[3].kind, ObjectKind::Menu);
  EXPECT_EQ(e.programs.started.size(), 1u);

  // Without a script only the link acts.
  e.script.loaded = false;
  e.object(ObjectKind::Image, 1, "img.exe", 0);
  e.events.click(ObjectKind::Image, 1);
  EXPECT_EQ(e.script.events.size(), 4u);
  EXPECT_EQ(e.programs.started.back(), "img.exe");
}

TEST(PageEvents, HoverColourMovesFromLabelToLabel) {
  Events e;
  e.label(2, "ff0000", 0);
  e.label(5, "00ff00", 0x123456);
  e.label(7, "-1", 0x111111);
  e.label(8, "zz", std::nullopt);
  e.object(ObjectKind::Button, 1, "b.exe");

  e.events.mouseMove(ObjectKind::Label, 2);
  EXPECT_EQ(e.colourOf(2), 16711680u);
  EXPECT_EQ(e.page.state().hoverLabelIndex, 2);

  // Straight onto label 5: label 2 is restored first; moving within 5 keeps its stored colour.
  e.events.mouseMove(ObjectKind::Label, 5);
  EXPECT_EQ(e.colourOf(2), 0u);
  EXPECT_EQ(e.colourOf(5), 0x00FF00u);
  e.events.mouseMove(ObjectKind::Label, 5);
  e.events.mouseMove(ObjectKind::Button, 1);
  EXPECT_EQ(e.colourOf(5), 0x123456u);
  EXPECT_EQ(e.page.state().hoverLabelIndex, 0);

  // -1 keeps the colour; digits that are no colour keep it too (and the control's own).
  e.events.mouseMove(ObjectKind::Label, 7);
  EXPECT_EQ(e.colourOf(7), 0x111111u);
  e.events.mouseMove(ObjectKind::Label, 8);
  EXPECT_EQ(e.colourOf(8), std::nullopt);
  EXPECT_EQ(e.page.state().hoverLabelIndex, 0);

  // A label without a colour of its own gets the control's own back; so does the bare window.
  e.label(3, "ff", std::nullopt);
  e.events.mouseMove(ObjectKind::Label, 3);
  EXPECT_EQ(e.colourOf(3), 0xFFu);
  e.events.mouseMove(ObjectKind::Menu, 0);
  EXPECT_EQ(e.colourOf(3), std::nullopt);

  // The splitter and the tree reset it the same way; a closed page leaves no index behind.
  e.events.mouseMove(ObjectKind::Label, 2);
  e.events.resetHoverLabel();
  EXPECT_EQ(e.colourOf(2), 0u);
  e.events.mouseMove(ObjectKind::Label, 2);
  e.page.closeMenu();
  EXPECT_EQ(e.page.state().hoverLabelIndex, 0);
  e.events.resetHoverLabel();
}

TEST(PageEvents, StatusLineExplainsTheLinkStyles) {
  Events e;
  e.script.loaded = true;
  e.object(ObjectKind::Button, 1, "b.exe", 2);
  e.object(ObjectKind::Button, 2, "b.exe", 3);
  e.object(ObjectKind::Button, 3, "b.exe", 5);
  e.object(ObjectKind::PictureButton, 1, "PROG.EXE A,B", 0);
  e.object(ObjectKind::Image, 1, "img.exe", 4);
  e.events.mouseMove(ObjectKind::Button, 1);
  EXPECT_EQ(e.status(), "選択されたﾘﾝｸを実行します");
  e.events.mouseMove(ObjectKind::Button, 2);
  EXPECT_EQ(e.status(), "選択されたﾘﾝｸを実行し、このｵﾌﾞｼﾞｪｸﾄのﾘﾝｸを実行します");
  e.events.mouseMove(ObjectKind::Button, 3);
  EXPECT_EQ(e.status(), "b.exe");
  e.events.mouseMove(ObjectKind::PictureButton, 1);
  EXPECT_EQ(e.status(), "PROG.EXE A");
  e.events.mouseMove(ObjectKind::Image, 1);
  EXPECT_EQ(e.status(), "img.exe");
  // The mouse-move SUB runs after the text is shown.
  ASSERT_EQ(e.script.events.size(), 5u);
  EXPECT_EQ(e.script.events[4].event, mf::ScriptEvent::MouseMove);

  // Style 4 tells where the parent-menu style goes.
  EXPECT_EQ(e.events.styleHelp(4, ""), "ﾒﾆｭｰを終了します");  // no node selected
  int top = e.tree.add(0, "C:\\TOP.FIL");
  int sub = e.tree.add(top, "C:\\SUB.FIL");
  int group = e.tree.add(top, "");
  int inGroup = e.tree.add(group, "C:\\G.FIL");
  int second = e.tree.add(0, "C:\\OTHER.FIL");
  e.tree.selected = top;
  EXPECT_EQ(e.events.styleHelp(4, ""), "ﾒﾆｭｰを終了します");
  e.tree.selected = sub;
  EXPECT_EQ(e.events.styleHelp(4, ""), "親ﾒﾆｭｰへ移動します");
  e.tree.selected = group;  // a node without a file of its own stands for the top menu
  EXPECT_EQ(e.events.styleHelp(4, ""), "ﾒﾆｭｰを終了します");
  e.tree.selected = inGroup;
  EXPECT_EQ(e.events.styleHelp(4, ""), "親ﾒﾆｭｰへ移動します");
  e.tree.selected = second;  // a second top node has no parent to go to either
  EXPECT_EQ(e.events.styleHelp(4, ""), "ﾒﾆｭｰを終了します");

  // The bare window clears the line, except while a menu is opening.
  e.events.mouseMove(ObjectKind::Menu, 0);
  EXPECT_EQ(e.status(), "");
  e.view.statusTexts.push_back("x を開いています");
  e.page.state().menuOpening = true;
  e.events.mouseMove(ObjectKind::Menu, 0);
  EXPECT_EQ(e.status(), "x を開いています");
}

TEST(PageEvents, ShiftEscClosesWithoutAskingAndF1OpensTheHelp) {
  Events e;
  EXPECT_FALSE(e.events.keyDown(kKeyEscape, kShiftKey | kCtrlKey));
  EXPECT_FALSE(e.events.keyDown(kKeyEscape, 0));
  EXPECT_EQ(e.view.closeRequests, 0);
  EXPECT_TRUE(e.events.keyDown(kKeyEscape, kShiftKey));
  EXPECT_EQ(e.view.closeRequests, 1);
  EXPECT_EQ(e.page.state().unloadModeValue, static_cast<int>(mf::UnloadMode::NoCheck));
  EXPECT_TRUE(e.events.keyDown(kKeyF1, 0));
  EXPECT_TRUE(e.events.keyDown(kKeyF1, kShiftKey | kAltKey));
  EXPECT_EQ(e.window.calls, (std::vector<std::string>{"help", "help"}));
}

TEST(PageEvents, PressedFrameAndPopupMenu) {
  Events e;
  e.events.mouseDown(ObjectKind::Image, 3, kLeftButton);
  e.events.mouseUp(ObjectKind::Image, 3, kLeftButton);
  e.events.mouseDown(ObjectKind::Button, 1, kLeftButton);  // a button shows its own press
  e.events.mouseDown(ObjectKind::Radio, 1, kRightButton);
  e.events.mouseDown(ObjectKind::Menu, 0, kRightButton);
  e.events.mouseDown(ObjectKind::Label, 1, 4);  // the middle button does nothing
  e.events.mouseDown(ObjectKind::Label, 2, kLeftButton);
  e.events.mouseUp(ObjectKind::Label, 2, kRightButton);
  EXPECT_EQ(e.window.calls, (std::vector<std::string>{"frame 4,3", "erase", "popup", "popup", "frame 1,2"}));
  EXPECT_TRUE(e.script.events.empty());
}

TEST(PageEvents, MissingHelpDocumentIsReported) {
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard{&messages};
  FakePrograms programs;
  programs.failing.insert("C:\\PEMO\\doc\\pemo.html");
  EXPECT_FALSE(showHelpDocument("C:\\PEMO\\", programs));
  EXPECT_EQ(programs.opened, std::vector<std::string>{"C:\\PEMO\\doc\\pemo.html"});
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "HTMLﾄﾞｷｭﾒﾝﾄを開けません");
  EXPECT_EQ(messages.shown[0].title, "Pemo");
}

TEST(PageEvents, AHelpViewerThatFailsIsReportedWithoutWaiting) {
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard{&messages};
  FakePrograms programs;
  EXPECT_TRUE(showHelpDocument("C:\\PEMO\\", programs));
  EXPECT_TRUE(messages.shown.empty()) << "the page does not wait for the viewer";
  EXPECT_TRUE(programs.waited.empty());
  programs.finish(programs.lastPid, 4);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "HTMLﾄﾞｷｭﾒﾝﾄを開けません");
  EXPECT_TRUE(showHelpDocument("C:\\PEMO\\", programs));
  programs.finish(programs.lastPid, 0);
  EXPECT_EQ(messages.shown.size(), 1u) << "a viewer that shows the page says nothing";
}
