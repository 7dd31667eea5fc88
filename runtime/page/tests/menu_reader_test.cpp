#include <gtest/gtest.h>

#include "runtime/page/menu_page.h"
#include "runtime/page/menu_reader.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"
#include "runtime/page/tests/page_fakes.h"

using namespace pemo::page;
using namespace pemo::page::testing;
namespace mf = pemo::menufile;

namespace {

struct Reading {
  RuntimeState runtime;
  FakeView view;
  PageObjects objects;
  PageState state;
  MenuReadResult read(const std::vector<std::string>& lines) {
    return MenuReader(objects, state, runtime, view).read(mf::encodeLines(lines));
  }
};

std::vector<std::string> block(const std::string& word, const std::vector<std::string>& keys) {
  std::vector<std::string> lines{"", "BEGIN " + word};
  for (const auto& k : keys) lines.push_back("    " + k);
  lines.push_back("END " + word);
  return lines;
}

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const std::vector<std::string> kMenu{"BEGIN MENU", "    CAPTION=売上", "    BACKCOLOR=FFFFFF", "    UNLOADMODE=1",
                                     "    TILINGIMAGE=", "END MENU"};

}  // namespace

TEST(MenuReader, ReadsAnEditorWrittenFile) {
  Reading r;
  auto result = r.read(join({kMenu,
                             block("LABEL", {"INDEX=1", "CAPTION=月次", "PARENT=1", "LEFT=8", "TOP=20", "WIDTH=96",
                                             "HEIGHT=16", "FORECOLOR=0", "FONTNAME=ＭＳ Ｐゴシック", "FONTSIZE=10.5",
                                             "FONTBOLD=True", "FONTITALIC=False", "FONTUNDERLINE=False",
                                             "LINK=monthly.fil", "STYLE=0"}),
                             block("BUTTON", {"INDEX=1", "CAPTION=終了", "LEFT=24", "TOP=200", "WIDTH=80",
                                              "HEIGHT=28", "LINK=", "STYLE=4"}),
                             block("IMAGE", {"CAPTION=tip", "INDEX=1", "LEFT=300", "TOP=10", "WIDTH=40",
                                             "HEIGHT=50", "LINK=a.exe", "STYLE=5", "PICTURE=", "STRETCH=True"}),
                             block("CHECKBOX", {"INDEX=1", "CAPTION=c", "LEFT=0", "TOP=0", "WIDTH=10", "HEIGHT=10",
                                                "BACKCOLOR=8000000F", "VALUE=2"}),
                             block("FRAME", {"INDEX=1", "CAPTION=集計", "LEFT=16", "TOP=40", "WIDTH=200",
                                             "HEIGHT=120"}),
                             block("COMBOBOX", {"INDEX=1", "LEFT=5", "TOP=300", "WIDTH=90", "HEIGHT=999"}),
                             {"", "Begin Script", "SUB BUTTON_CLICK()", "END SUB", "End Script"}}));
  EXPECT_EQ(r.view.caption, "売上");
  EXPECT_EQ(r.view.backColor, 0xFFFFFFu);
  EXPECT_EQ(r.state.unloadModeValue, 1);
  EXPECT_TRUE(result.hasScript);
  EXPECT_FALSE(result.stopped);

  const PageObject* label = r.objects.find(ObjectKind::Label, 1);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->caption, "月次");
  EXPECT_EQ(label->onCursorColor, "ff0000") << "a label without ONCURSORCOLOR";
  EXPECT_EQ(label->font.size, 10.5);
  EXPECT_TRUE(label->font.bold);
  EXPECT_EQ(label->link, "monthly.fil");
  EXPECT_FALSE(label->visible) << "shown only once it is in its frame";
  ASSERT_EQ(r.state.pendingParents.size(), 1u);
  EXPECT_EQ(r.state.pendingParents[0].frame, 1);

  const PageObject* button = r.objects.find(ObjectKind::Button, 1);
  EXPECT_EQ(button->linkStyle(), 4);
  EXPECT_TRUE(button->visible);
  EXPECT_EQ(button->zOrder, ZOrder::Front);
  const PageObject* image = r.objects.find(ObjectKind::Image, 1);
  EXPECT_EQ(image->caption, "tip");
  EXPECT_EQ(image->zOrder, ZOrder::Back) << "an image on the page lies behind the others";
  EXPECT_TRUE(image->stretch);
  EXPECT_EQ(r.objects.find(ObjectKind::CheckBox, 1)->value, 2);
  EXPECT_EQ(r.objects.find(ObjectKind::CheckBox, 1)->backColor, 0x8000000Fu);
  EXPECT_EQ(r.objects.find(ObjectKind::ComboBox, 1)->height, 0) << "a combo box takes no HEIGHT";
  EXPECT_EQ(r.state.extent.right, 340);
  EXPECT_EQ(r.state.extent.bottom, 300);
}

TEST(MenuReader, ValuesKeepEverythingAfterTheFirstEquals) {
  Reading r;
  r.read(join({{"BEGIN MENU", "CAPTION=a=b,\"c\"", "END MENU"},
               block("LABEL", {"CAPTION=A,B", "LINK=prog.exe /a=b", "STYLE=1"}),
               block("LABEL", {"\"CAPTION=x,y\" tail"}),
               block("LABEL", {"CAPTION=Beginner", "LINK=C:\\BEGIN\\x.exe"}),
               block("BUTTON", {"CAPTION=after"})}));
  EXPECT_EQ(r.view.caption, "a=b,\"c\"");
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 1)->caption, "A,B");
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 1)->link, "prog.exe /a=b");
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 1)->linkStyle(), 1);
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 2)->caption, "x,y");
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 3)->caption, "Beginner");
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 3)->link, "C:\\BEGIN\\x.exe");
  ASSERT_NE(r.objects.find(ObjectKind::Button, 1), nullptr) << "a value holding BEGIN ends nothing";
}

TEST(MenuReader, OnlyLinksThatStartTheRuntimeLoseTheirProgram) {
  EXPECT_EQ(menuLinkOf("PEMO.EXE \\MENU\\B.FIL"), "\\MENU\\B.FIL");
  EXPECT_EQ(menuLinkOf("\"C:\\Program Files\\Pemo\\pemo.exe\" \\MENU\\B.FIL"), "\\MENU\\B.FIL");
  EXPECT_EQ(menuLinkOf("C:\\TOOLS\\X.EXE"), "C:\\TOOLS\\X.EXE");
  EXPECT_EQ(menuLinkOf("C:\\PemoTools\\report.exe /all"), "C:\\PemoTools\\report.exe /all");
  EXPECT_EQ(menuLinkOf("notepad.exe C:\\Pemo\\readme.txt"), "notepad.exe C:\\Pemo\\readme.txt");
}

TEST(MenuReader, BlockWithoutEndStopsTheLoadAtTheNextBlock) {
  Reading r;
  auto result = r.read(join({kMenu,
                             {"", "BEGIN BUTTON", "    CAPTION=first"},
                             block("BUTTON", {"CAPTION=second"}),
                             block("LABEL", {"CAPTION=third"}),
                             {"", "Begin Script", "INCLUDE x.txt", "End Script"}}));
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(r.objects.find(ObjectKind::Button, 1)->caption, "first");
  EXPECT_TRUE(r.objects.find(ObjectKind::Button, 1)->visible);
  EXPECT_EQ(r.objects.find(ObjectKind::Button, 2), nullptr);
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 1), nullptr);
  EXPECT_FALSE(result.hasScript);
}

TEST(MenuReader, ScriptSectionGivesStartAndIncludeFiles) {
  Reading r;
  auto lines = join({kMenu, {"INCLUDE outside.txt", "", "Begin Script", "INCLUDE common.txt", "INCLUDE  two.txt",
                              " INCLUDE indented.txt", "INCLUDE\ttab.txt", "SUB MENU_LOADEDMENU()",
                              "   BEGIN LABEL ", "END SUB", "End Script"}});
  auto result = r.read(lines);
  EXPECT_TRUE(result.hasScript);
  EXPECT_EQ(result.includeFiles, (std::vector<std::string>{"COMMON.TXT", "TWO.TXT"}));
  EXPECT_EQ(r.objects.find(ObjectKind::Label, 1), nullptr) << "BEGIN LABEL with a trailing blank starts nothing";
  // The position is that of the first line after "Begin Script".
  std::string bytes = mf::encodeLines(lines);
  EXPECT_EQ(bytes.substr(result.scriptStartPosition - 1, 18), "INCLUDE common.txt");
}

TEST(MenuReader, TreePaneShiftsLeftEdges) {
  Reading r;
  r.view.treeShown = true;
  r.read(join({kMenu, block("BUTTON", {"LEFT=10", "WIDTH=5"}), block("LINE", {"X2=30", "Y2=5", "BORDERWIDTH=2"})}));
  EXPECT_EQ(r.objects.find(ObjectKind::Button, 1)->left, 214);
  const PageObject* line = r.objects.find(ObjectKind::Line, 1);
  EXPECT_EQ(line->x1, 204) << "a line starts at the page's left edge";
  EXPECT_EQ(line->x2, 234);
  EXPECT_EQ(line->borderWidth, 2);
  EXPECT_EQ(r.state.extent.right, 219) << "lines never count toward the extent";
}

TEST(MenuReader, BadValuesAbandonTheOpenButALabelSwallowsItsOwn) {
  Reading r;
  r.read(join({kMenu,
               block("LABEL", {"CAPTION=kept", "LEFT=500", "WIDTH=10", "FONTBOLD=maybe", "CAPTION=lost"}),
               block("BUTTON", {"CAPTION=next"})}));
  const PageObject* label = r.objects.find(ObjectKind::Label, 1);
  EXPECT_EQ(label->caption, "kept");
  EXPECT_FALSE(label->visible);
  EXPECT_EQ(r.state.extent.right, 0) << "a failed label does not raise the extent";
  EXPECT_EQ(r.objects.find(ObjectKind::Button, 1)->caption, "next");

  for (const std::string& bad : {"BACKCOLOR=123456789", "VALUE=yes", "FONTITALIC=x"}) {
    Reading f;
    EXPECT_THROW(f.read(join({kMenu, block("BUTTON", {"CAPTION=b"}), block("RADIO", {bad})})), MenuReadError) << bad;
    EXPECT_NE(f.objects.find(ObjectKind::Button, 1), nullptr) << "what was built stays";
  }
  Reading check;
  EXPECT_THROW(check.read(join({kMenu, block("CHECKBOX", {"VALUE=abc"})})), MenuReadError);
  Reading parent;
  EXPECT_THROW(parent.read(join({kMenu, block("BUTTON", {"PARENT=40000"})})), MenuReadError);
  Reading style;
  EXPECT_THROW(style.read(join({kMenu, block("IMAGE", {"STYLE=x"})})), MenuReadError);
}

TEST(MenuReader, TiledBackgroundSuppressesTheBackColour) {
  pemo::testing::TempDir dir;
  pemo::testing::writeFileBytes(dir / "tile.png", "x");
  std::string tile = pemo::fs::toWindowsPath((dir / "tile.png").string());
  Reading r;
  r.read({"BEGIN MENU", "TILINGIMAGE=" + tile, "BACKCOLOR=FF", "END MENU"});
  EXPECT_EQ(r.view.tiled.size(), 1u);
  EXPECT_EQ(r.view.backColor, 0xFFFFFFFFu) << "the tiles cover the background";
  // The same picture in any letter case is not tiled again; a missing one changes nothing.
  r.read({"BEGIN MENU", "TILINGIMAGE=" + pemo::text::UCase(tile), "END MENU"});
  r.read({"BEGIN MENU", "TILINGIMAGE=" + (dir / "none.png").string(), "END MENU"});
  EXPECT_EQ(r.view.tiled.size(), 1u);
  Reading bad;
  bad.view.tileResult = -1;
  EXPECT_THROW(bad.read({"BEGIN MENU", "TILINGIMAGE=" + tile, "END MENU"}), MenuReadError);
}

// A picture that many objects name is looked up once while the page is read: the objects
// after the first take what it found, even with the file gone since. Another spelling is
// another name, and the next reading looks again.
TEST(MenuReader, APictureManyObjectsNameIsLookedUpOncePerReading) {
  pemo::testing::TempDir dir;
  const std::string file = (dir / "p.bmp").string();
  const std::string picture = pemo::fs::toWindowsPath(file);
  struct RemovingView : FakeView {
    std::string removed;
    std::vector<std::string> checks;
    bool isPicture(const std::string& hostPath) override {
      checks.push_back(hostPath);
      return true;
    }
    void objectLoaded(const PageObject& o) override {
      FakeView::objectLoaded(o);
      std::filesystem::remove(removed);
    }
  };
  RemovingView view;
  view.removed = file;
  PageObjects objects;
  PageState state;
  RuntimeState runtime;
  std::vector<std::string> lines = kMenu;
  for (const char* kind : {"PICTUREBUTTON", "IMAGE", "PICTUREBUTTON", "IMAGE", "PICTUREBUTTON"})
    lines = join({lines, block(kind, {"PICTURE= " + picture + " "})});
  lines = join({lines, block("IMAGE", {"PICTURE=" + pemo::text::LCase(picture)})});
  for (int reading = 0; reading < 2; ++reading) {
    pemo::testing::writeFileBytes(file, "picture");
    view.loaded.clear();
    view.checks.clear();
    MenuReader(objects, state, runtime, view).read(mf::encodeLines(lines));
    ASSERT_EQ(view.loaded.size(), 6u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(view.loaded[i].picture, file) << reading << " " << i;
    EXPECT_EQ(view.loaded[5].picture, "") << reading;
    EXPECT_EQ(view.checks, std::vector<std::string>{file}) << reading;
  }
}

TEST(MenuReader, PositionsAndSizesStayWithinSixteenBitCoordinates) {
  Reading r;
  r.view.treeShown = true;
  r.read(join({kMenu, block("BUTTON", {"LEFT=1e300", "TOP=-1e300", "WIDTH=2147483647", "HEIGHT=2147483647"}),
               block("LABEL", {"LEFT=-40000", "TOP=32767.5", "WIDTH=12.5", "HEIGHT=1e999"}),
               block("LINE", {"X1=1e20", "X2=-1e20", "Y1=99999", "Y2=-99999"})}));
  const PageObject* button = r.objects.find(ObjectKind::Button, 1);
  const double pane = r.view.splitterWidth() + r.view.splitterLeft();
  EXPECT_EQ(button->left, pane + 32767);
  EXPECT_EQ(button->top, -32767);
  EXPECT_EQ(button->width, 32767);
  EXPECT_EQ(button->height, 32767);
  const PageObject* label = r.objects.find(ObjectKind::Label, 1);
  EXPECT_EQ(label->left, pane - 32767);
  EXPECT_EQ(label->top, 32767);
  EXPECT_EQ(label->width, 12.5);
  EXPECT_EQ(label->height, 0) << "beyond any number: none";
  const PageObject* line = r.objects.find(ObjectKind::Line, 1);
  EXPECT_EQ(line->x1, pane + 32767);
  EXPECT_EQ(line->x2, pane - 32767);
  EXPECT_EQ(line->y1, 32767);
  EXPECT_EQ(line->y2, -32767);
  EXPECT_EQ(r.state.extent.right, static_cast<long>(pane) + 65534);
  EXPECT_EQ(r.state.extent.bottom, 32767);
}

TEST(MenuReader, ElementNumbersEndAt32767) {
  std::vector<std::string> labels;
  for (int i = 0; i < 32767; ++i) labels.insert(labels.end(), {"BEGIN LABEL", "END LABEL"});
  Reading full;
  full.read(join({labels, block("LINE", {})}));
  EXPECT_NE(full.objects.find(ObjectKind::Label, 32767), nullptr);
  EXPECT_NE(full.objects.find(ObjectKind::Line, 1), nullptr);
  Reading over;
  EXPECT_THROW(over.read(join({labels, block("LABEL", {"CAPTION=one too many"}), block("BUTTON", {})})),
               MenuReadError);
  EXPECT_EQ(over.objects.count(ObjectKind::Label), 32768) << "elements 1 to 32767 stay";
  EXPECT_EQ(over.objects.find(ObjectKind::Button, 1), nullptr);
}
