#include <gtest/gtest.h>
#include <sys/stat.h>

#include "document_fixture.h"
#include "editor/document/menu_reader.h"
#include "editor/document/menu_writer.h"
#include "editor/document/messages.h"
#include "editor/document/script_work_file.h"
#include "menufile/types.h"
#include "platform/testing/file_size_limit.h"
#include "platform/text/cp932.h"
#include "platform/text/strings.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::writeFileBytes;

std::string joinLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

class WriterTest : public DocumentTest {
 protected:
  void giveScript(MenuDocument& document, const std::vector<std::string>& lines) {
    document.scriptWorkFile = *createScriptWorkFile(state.scriptWorkFolder, "T.WSC", lines);
  }
  std::string written(MenuDocument& document) {
    EXPECT_TRUE(writeMenuFile(path("out.fil"), document, WriteMode::TestRun, state));
    return readFileBytes(dir / "out.fil");
  }
};

TEST_F(WriterTest, TheWorkedExampleByteForByte) {
  MenuDocument document;
  document.caption = "売上";
  document.backColor = 0xFFFFFF;
  ObjectRef frame = document.addObject(ObjectKind::Frame);
  MenuObject& f = *document.find(frame);
  f.caption = "集計", f.left = 16, f.top = 40, f.width = 200, f.height = 120;
  f.backColor = 0xFFFFFF, f.foreColor = 0;
  MenuObject& label = *document.find(document.addObject(ObjectKind::Label, frame.index));
  label.caption = "月次", label.left = 8 * 15, label.top = 20 * 15, label.width = 96 * 15;
  label.height = 16 * 15, label.link = "monthly.fil", label.foreColor = 0;
  MenuObject& button = *document.find(document.addObject(ObjectKind::Button));
  button.caption = "終了", button.left = 24, button.top = 200, button.width = 80;
  button.height = 28, button.linkStyle = 4;
  giveScript(document, {"SUB BUTTON1_CLICK()", "END SUB"});

  std::string expected = text::utf8ToCp932(joinLines({"BEGIN MENU",
                                                      "    CAPTION=売上",
                                                      "    BACKCOLOR=FFFFFF",
                                                      "    UNLOADMODE=0",
                                                      "    TILINGIMAGE=",
                                                      "END MENU",
                                                      "",
                                                      "BEGIN LABEL",
                                                      "    INDEX=1",
                                                      "    CAPTION=月次",
                                                      "    PARENT=1",
                                                      "    LEFT=8",
                                                      "    TOP=20",
                                                      "    WIDTH=96",
                                                      "    HEIGHT=16",
                                                      "    FORECOLOR=0",
                                                      "    FONTNAME=ＭＳ Ｐゴシック",
                                                      "    FONTSIZE=9",
                                                      "    FONTBOLD=False",
                                                      "    FONTITALIC=False",
                                                      "    FONTUNDERLINE=False",
                                                      "    LINK=monthly.fil",
                                                      "    STYLE=0",
                                                      "    ONCURSORCOLOR=FF0000",
                                                      "END LABEL",
                                                      "",
                                                      "BEGIN BUTTON",
                                                      "    INDEX=1",
                                                      "    CAPTION=終了",
                                                      "    LEFT=24",
                                                      "    TOP=200",
                                                      "    WIDTH=80",
                                                      "    HEIGHT=28",
                                                      "    FONTNAME=ＭＳ Ｐゴシック",
                                                      "    FONTSIZE=9",
                                                      "    FONTBOLD=False",
                                                      "    FONTITALIC=False",
                                                      "    FONTUNDERLINE=False",
                                                      "    LINK=",
                                                      "    STYLE=4",
                                                      "END BUTTON",
                                                      "",
                                                      "BEGIN FRAME",
                                                      "    INDEX=1",
                                                      "    CAPTION=集計",
                                                      "    LEFT=16",
                                                      "    TOP=40",
                                                      "    WIDTH=200",
                                                      "    HEIGHT=120",
                                                      "    BACKCOLOR=FFFFFF",
                                                      "    FORECOLOR=0",
                                                      "    FONTNAME=ＭＳ Ｐゴシック",
                                                      "    FONTSIZE=9",
                                                      "    FONTBOLD=False",
                                                      "    FONTITALIC=False",
                                                      "    FONTUNDERLINE=False",
                                                      "END FRAME",
                                                      "",
                                                      "Begin Script",
                                                      "SUB BUTTON1_CLICK()",
                                                      "END SUB",
                                                      "End Script"}));
  std::string bytes = written(document);
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.substr(0, 26), "BEGIN MENU\r\n    CAPTION=\x94\x84");
}

TEST_F(WriterTest, EdgeCasesOfTheFormat) {
  MenuDocument empty;
  EXPECT_EQ(written(empty), joinLines({"BEGIN MENU", "    CAPTION=", "    BACKCOLOR=8000000F",
                                       "    UNLOADMODE=0", "    TILINGIMAGE=", "END MENU"}));

  MenuDocument document;
  for (int i = 0; i < 4; ++i)
    document.objects(ObjectKind::Label).load(i + 1).caption = "L" + std::to_string(i + 1);
  document.deleteObject({ObjectKind::Label, 2});
  document.objects(ObjectKind::Label).at(1).caption = "a,b=c\r\nd";
  document.objects(ObjectKind::Frame).load(2);
  document.objects(ObjectKind::Frame).load(3);
  MenuObject& inFrame = document.objects(ObjectKind::Radio).load(1);
  inFrame.frame = 3, inFrame.left = 1000, inFrame.top = 15, inFrame.value = 1;
  MenuObject& pictureButton = document.objects(ObjectKind::PictureButton).load(1);
  pictureButton.link = "a.exe,x", pictureButton.picture = "b.bmp,c";
  document.objects(ObjectKind::Image).load(1).caption = "tip";
  document.objects(ObjectKind::CheckBox).load(1).value = 2;
  document.objects(ObjectKind::ComboBox).load(1);
  std::string text = text::cp932ToUtf8(written(document));

  EXPECT_NE(text.find("    INDEX=1\r\n    CAPTION=a,b=c d\r\n"), std::string::npos);
  EXPECT_NE(text.find("    INDEX=2\r\n    CAPTION=L3\r\n"), std::string::npos);
  EXPECT_NE(text.find("    INDEX=3\r\n    CAPTION=L4\r\n"), std::string::npos);
  EXPECT_EQ(text.find("INDEX=4"), std::string::npos);
  EXPECT_NE(text.find("    PARENT=2\r\n    LEFT=66.6666666666667\r\n    TOP=1\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("    VALUE=True\r\nEND RADIO"), std::string::npos);
  EXPECT_NE(text.find("    VALUE=2\r\nEND CHECKBOX"), std::string::npos);
  EXPECT_NE(text.find("    LINK=a.exe,x\r\n    STYLE=0\r\n    PICTURE=b.bmp,c\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("BEGIN IMAGE\r\n    CAPTION=tip\r\n    INDEX=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("    PICTURE=\r\n    STRETCH=False\r\nEND IMAGE"), std::string::npos);
  EXPECT_NE(text.find("BEGIN COMBOBOX\r\n    INDEX=1\r\n    LEFT=0\r\n    TOP=0\r\n    "
                      "WIDTH=200\r\n    FORECOLOR=0\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 14), "END COMBOBOX\r\n");  // no script, no empty line after

  // A work file that is gone writes no script; an empty one an empty section.
  document.scriptWorkFile = dir / "gone.WSC";
  EXPECT_EQ(text::cp932ToUtf8(written(document)), text);
  giveScript(document, {});
  EXPECT_NE(written(document).find("END COMBOBOX\r\n\r\nBegin Script\r\nEnd Script\r\n"),
            std::string::npos);
  giveScript(document, {"", "  MSG \"売上\"", ""});
  EXPECT_NE(written(document).find(
                text::utf8ToCp932("Begin Script\r\n\r\n  MSG \"売上\"\r\n\r\nEnd Script\r\n")),
            std::string::npos);
}

// The script lives in its work file until the save: a work file that is there but cannot
// be read refuses the save, or the menu file would be written without its script.
TEST_F(WriterTest, AWorkFileThatCannotBeReadRefusesTheSaveAndKeepsTheStoredScript) {
  MenuDocument document;
  giveScript(document, {"SUB MENU_LOADED()", "END SUB"});
  ASSERT_TRUE(writeMenuFile(path("Top.FIL"), document, WriteMode::Save, state));
  const std::string stored = readFileBytes(dir / "Top.FIL");
  ASSERT_NE(stored.find("SUB MENU_LOADED()"), std::string::npos);
  const std::filesystem::path workFile = document.scriptWorkFile;
  const std::filesystem::path link = dir / "link.WSC";
  std::filesystem::create_symlink(workFile, link);

  auto refused = [&](const char* what) {
    document.changed = true;
    shown.shown.clear();
    EXPECT_FALSE(writeMenuFile(path("Top.FIL"), document, WriteMode::Save, state)) << what;
    EXPECT_FALSE(writeMenuFile(path("Top.FIL"), document, WriteMode::TestRun, state)) << what;
    ASSERT_EQ(shown.shown.size(), 2u) << what;
    EXPECT_EQ(shown.shown[0].prompt, path("Top.FIL") + "\r" + kCannotSaveMessage) << what;
    EXPECT_EQ(readFileBytes(dir / "Top.FIL"), stored) << what;
    EXPECT_TRUE(document.changed) << what;
  };
  // Past what a menu can hold, by one byte and by far; the same through a link.
  for (std::uintmax_t size : {menufile::kLargestMenuFile + 1, std::uintmax_t{1} << 40}) {
    std::filesystem::resize_file(workFile, size);
    document.scriptWorkFile = workFile;
    refused("past the limit");
    document.scriptWorkFile = link;
    refused("past the limit through a link");
  }
  // A folder in its place.
  std::filesystem::remove(workFile);
  std::filesystem::create_directory(workFile);
  document.scriptWorkFile = workFile;
  refused("a folder");
  std::filesystem::remove(workFile);

  // A work file that is gone writes no script, as before.
  EXPECT_TRUE(writeMenuFile(path("Top.FIL"), document, WriteMode::Save, state));
  EXPECT_EQ(readFileBytes(dir / "Top.FIL").find("Begin Script"), std::string::npos);
}

TEST_F(WriterTest, SavingMarksUnchangedAndHeadsTheRecentList) {
  MenuDocument document;
  document.changed = true;
  ASSERT_TRUE(writeMenuFile(path("t.fil"), document, WriteMode::TestRun, state));
  EXPECT_TRUE(document.changed);
  EXPECT_EQ(recentKey.opens, 0);
  EXPECT_EQ(mainWindow.recentMenuRebuilds, 0);

  ASSERT_TRUE(writeMenuFile(path("Top.FIL"), document, WriteMode::Save, state));
  EXPECT_FALSE(document.changed);
  EXPECT_EQ(state.recentFiles[0], path("Top.FIL"));
  ASSERT_EQ(recentKey.stored.size(), 1u);
  EXPECT_EQ(recentKey.stored[0].first, "1");
  EXPECT_EQ(recentKey.stored[0].second, text::LCase(path("Top.FIL")));
  EXPECT_EQ(mainWindow.recentMenuRebuilds, 1);
  EXPECT_TRUE(shown.shown.empty());
}

// A failed write must leave the old file, the changed mark and the recent list alone,
// and tell the user.
TEST_F(WriterTest, AFailedWriteKeepsTheOldFileAndTheChangedMark) {
  writeFileBytes(dir / "menu.fil", "old content\r\n");
  MenuDocument document;
  document.changed = true;
  for (int i = 1; i <= 50; ++i) document.objects(ObjectKind::Label).load(i);

  bool saved = false;
  {
    const pemo::testing::FileSizeLimit diskFullAfter(300);
    saved = writeMenuFile(path("menu.fil"), document, WriteMode::Save, state);
  }

  EXPECT_FALSE(saved);
  EXPECT_EQ(readFileBytes(dir / "menu.fil"), "old content\r\n");
  EXPECT_TRUE(document.changed);
  EXPECT_EQ(recentKey.opens, 0);
  EXPECT_EQ(state.recentFiles[0], "");
  EXPECT_EQ(mainWindow.recentMenuRebuilds, 0);
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, path("menu.fil") + "\r" + kCannotSaveMessage);
  EXPECT_EQ(shown.shown[0].title, "PemoEdit");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no leftovers

  EXPECT_FALSE(writeMenuFile(path("no/such/folder/x.fil"), document, WriteMode::Save, state));
  EXPECT_EQ(shown.shown.size(), 2u);
  // A file the user made read-only, also for a user the system would let write.
  ::chmod((dir / "menu.fil").c_str(), 0444);
  EXPECT_FALSE(writeMenuFile(path("menu.fil"), document, WriteMode::Save, state));
  EXPECT_EQ(readFileBytes(dir / "menu.fil"), "old content\r\n");
  EXPECT_EQ(shown.shown.size(), 3u);
  EXPECT_TRUE(document.changed);
}

}  // namespace
}  // namespace pemo::editor
