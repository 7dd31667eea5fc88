#include <gtest/gtest.h>

#include "document_fixture.h"
#include "editor/document/document_lifecycle.h"
#include "editor/document/document_script.h"
#include "editor/document/menu_reader.h"
#include "editor/document/menu_writer.h"
#include "editor/document/script_work_file.h"
#include "menufile/types.h"
#include "platform/text/cp932.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::writeFileBytes;

class ReaderTest : public DocumentTest {
 protected:
  // Writes text (UTF-8, "\n" line ends) as a code page 932 file with CR LF and reads it.
  LoadState load(MenuDocument& document, const std::string& text,
                 const std::string& name = "m.fil") {
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeFileBytes(dir / name, text::utf8ToCp932(crlf));
    document.filePath = path(name);
    return loadMenuFile(document, state, path(name));
  }
  std::vector<std::string> script(const MenuDocument& document) {
    return *readScriptWorkFile(document.scriptWorkFile);
  }
};

TEST_F(ReaderTest, BlocksBecomeElementsInFileOrderAndFindTheirFrames) {
  MenuDocument document;
  ASSERT_EQ(load(document,
                 "BEGIN MENU\n    CAPTION=売上\n    BACKCOLOR=ffffff\n    UNLOADMODE=1\n"
                 "    AREA=北\n    YEAR=2026\n    LEFT=10\n    WIDTH=300\nEND MENU\n\n"
                 "BEGIN LABEL\n    INDEX=7\n    CAPTION=a\n    PARENT=2\n    LEFT=8\n    "
                 "TOP=2\nEND LABEL\n"
                 "BEGIN LABEL\n    INDEX=3\n    CAPTION=b\n    STYLE=4\nEND LABEL\n"
                 "BEGIN IMAGE\n    PARENT=1\n    LEFT=1.5\nEND IMAGE\n"
                 "BEGIN IMAGE\n    CAPTION=tip\n    PICTURE=p.bmp\n    STRETCH=true\nEND IMAGE\n"
                 "BEGIN PICTUREBUTTON\n    PICTURE=pic.bmp\n    LINK=a.exe\nEND PICTUREBUTTON\n"
                 "BEGIN FRAME\n    INDEX=9\n    PARENT=1\nEND FRAME\n"
                 "BEGIN FRAME\n    CAPTION=second\nEND FRAME\n"),
            LoadState::Read);
  EXPECT_EQ(document.filePath, path("m.fil"));
  EXPECT_EQ(document.caption, "売上");
  EXPECT_EQ(document.backColor, 0xFFFFFFu);
  EXPECT_EQ(document.unloadMode, 1);
  EXPECT_EQ(document.area, "北");
  EXPECT_EQ(document.year, "2026");
  EXPECT_EQ(document.windowTwips.left, 150);
  EXPECT_EQ(document.windowTwips.width, 4500);
  EXPECT_FALSE(document.windowTwips.top);

  const ControlArray& labels = document.objects(ObjectKind::Label);
  EXPECT_EQ(labels.upperBound(), 2);
  EXPECT_EQ(labels.at(1).caption, "a");
  EXPECT_EQ(labels.at(1).frame, 2);
  EXPECT_EQ(labels.at(1).left, 120);  // pixels into twips inside the frame
  EXPECT_EQ(labels.at(1).top, 30);
  EXPECT_TRUE(labels.at(1).visible);
  EXPECT_EQ(labels.at(2).labelStyle, "4");
  EXPECT_EQ(labels.at(2).onCursorColor, "FF0000");
  EXPECT_EQ(labels.at(2).frame, 0);
  // What a block leaves out comes from its kind's template: sizes in pixels, in twips
  // inside a frame.
  EXPECT_EQ(labels.at(2).width, 200);
  EXPECT_EQ(labels.at(2).height, 25);
  EXPECT_EQ(labels.at(2).foreColor, 0x80000008u);
  EXPECT_EQ(labels.at(1).width, 3000);
  EXPECT_EQ(document.objects(ObjectKind::Frame).at(2).width, 150);
  EXPECT_EQ(document.objects(ObjectKind::Image).at(2).height, 100);
  EXPECT_EQ(document.objects(ObjectKind::Frame).at(2).caption, "second");
  EXPECT_EQ(document.objects(ObjectKind::Frame).at(1).frame, 0);  // frames are never nested

  const MenuObject& image = document.objects(ObjectKind::Image).at(1);
  EXPECT_EQ(image.frame, 1);
  EXPECT_EQ(image.left, 22.5);
  EXPECT_EQ(image.caption, "");
  EXPECT_EQ(image.picture, "");
  EXPECT_EQ(document.objects(ObjectKind::Image).at(2).picture, "p.bmp");
  EXPECT_TRUE(document.objects(ObjectKind::Image).at(2).stretch);
  EXPECT_EQ(document.objects(ObjectKind::PictureButton).at(1).link, "a.exe");
  EXPECT_EQ(document.objects(ObjectKind::PictureButton).at(1).picture, "pic.bmp");
  // Images lie behind everything else.
  EXPECT_EQ(document.stacking().front().kind, ObjectKind::Image);
  EXPECT_TRUE(shown.shown.empty());
  EXPECT_TRUE(document.scriptWorkFile.empty());

  // AREA and YEAR are not written back.
  writeMenuFile(path("m.fil"), document, WriteMode::Save, state);
  EXPECT_EQ(readFileBytes(dir / "m.fil").find("AREA"), std::string::npos);
}

TEST_F(ReaderTest, ValuesAreReadWholeAndOnlyBlockLinesOpenBlocks) {
  MenuDocument document;
  ASSERT_EQ(
      load(document,
           "BEGIN MENU\nCAPTION=x\nEND MENU\n"
           "BEGIN BUTTON\n\tCAPTION=Beginner, level 1\n    LINK=C:\\BEGIN\\x.exe /a=b\n"
           "    FONTBOLD=maybe\n    FONTITALIC=-1\n    FONTSIZE=10.5\n    STYLE=2.5\n"
           "    CAPTION =ignored\n    no equals here\nEND BUTTON\n"
           "BEGIN  LABEL\n    CAPTION=not a label\nEND LABEL\n"
           "BEGIN LINE\n    X1=3\nEND LINE\n"
           "BEGIN RADIO\n\"CAPTION=A,B\",tail\n    VALUE=True\n    FORECOLOR=123456789\nEND RADIO\n"
           "BEGIN CHECKBOX\n    VALUE=2\nEND CHECKBOX\n"
           "BEGIN CHECKBOX\n    VALUE=7\n"),
      LoadState::Read);
  const MenuObject& button = document.objects(ObjectKind::Button).at(1);
  EXPECT_EQ(button.caption, "Beginner, level 1");
  EXPECT_EQ(button.link, "C:\\BEGIN\\x.exe /a=b");
  EXPECT_FALSE(button.font.bold);  // not a truth value: left as it was
  EXPECT_TRUE(button.font.italic);
  EXPECT_EQ(button.font.size, 10.5);
  EXPECT_EQ(button.linkStyle, 2);
  EXPECT_EQ(document.objects(ObjectKind::Label).count(), 0);
  const MenuObject& radio = document.objects(ObjectKind::Radio).at(1);
  EXPECT_EQ(radio.caption, "A,B");
  EXPECT_EQ(radio.value, 1);
  EXPECT_EQ(radio.foreColor, 0u);
  EXPECT_EQ(document.objects(ObjectKind::CheckBox).at(1).value, 2);
  EXPECT_EQ(document.objects(ObjectKind::CheckBox).at(2).value, 0);  // end line missing: accepted
  EXPECT_TRUE(shown.shown.empty());
}

TEST_F(ReaderTest, FailuresAreToldAndKeepWhatWasRead) {
  MenuDocument nothing;
  EXPECT_EQ(load(nothing, "just text\nCAPTION=x\n"), LoadState::NothingRead);
  EXPECT_EQ(nothing.filePath, "");
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, path("m.fil") + "\r" + kNoObjectsMessage);
  EXPECT_EQ(shown.shown[0].title, "PemoEdit");
  EXPECT_EQ(shown.shown[0].style, ui::kExclamation);

  MenuDocument cut;
  EXPECT_EQ(load(cut,
                 "BEGIN LABEL\n    CAPTION=first\n    PARENT=1\nBEGIN FRAME\nEND FRAME\n"
                 "BEGIN BUTTON\nEND BUTTON\n"),
            LoadState::CutShort);
  EXPECT_EQ(cut.filePath, "");
  EXPECT_EQ(shown.shown[1].prompt, path("m.fil") + "\r" + kCutShortMessage);
  EXPECT_EQ(cut.objects(ObjectKind::Label).at(1).caption, "first");
  EXPECT_TRUE(
      cut.objects(ObjectKind::Label).at(1).visible);  // no frame was read: stays on the page
  EXPECT_EQ(cut.objects(ObjectKind::Frame).count(), 0);

  MenuDocument missing;
  missing.filePath = path("absent.fil");
  EXPECT_EQ(loadMenuFile(missing, state, path("absent.fil")), LoadState::NothingRead);
  EXPECT_EQ(shown.shown[2].prompt, path("absent.fil") + "\r" + kCannotOpenMessage);
  EXPECT_EQ(missing.filePath, "");
  EXPECT_EQ(loadMenuFile(missing, state, dir.path().string()), LoadState::NothingRead);  // a folder
  EXPECT_EQ(shown.shown.size(), 4u);

  // A PARENT that names no frame leaves the object visible on the page, where it was read.
  MenuDocument orphan;
  EXPECT_EQ(load(orphan,
                 "BEGIN FRAME\nEND FRAME\nBEGIN LABEL\n    PARENT=5\n    LEFT=8\nEND LABEL\n"
                 "BEGIN BUTTON\n    PARENT=zero\nEND BUTTON\n"),
            LoadState::Read);
  EXPECT_EQ(orphan.objects(ObjectKind::Label).at(1).frame, 0);
  EXPECT_EQ(orphan.objects(ObjectKind::Label).at(1).left, 8);
  EXPECT_TRUE(orphan.objects(ObjectKind::Label).at(1).visible);
  EXPECT_TRUE(orphan.objects(ObjectKind::Button).at(1).visible);
}

// A file larger than any menu is refused as one that cannot be read, without a read of what
// it holds, named directly or through a symbolic link; so is a script work file grown past
// what a menu can hold.
TEST_F(ReaderTest, AMenuFilePastItsLimitIsRefusedAsOneThatCannotBeRead) {
  const std::uintmax_t limit = menufile::kLargestMenuFile;
  for (std::uintmax_t size : {std::uintmax_t(1) << 10, limit - 1, limit, limit + 1, std::uintmax_t(3) << 30,
                              std::uintmax_t(1) << 40}) {
    for (bool throughLink : {false, true}) {
      SCOPED_TRACE(std::to_string(size) + (throughLink ? " bytes through a link" : " bytes"));
      shown.shown.clear();
      // The NUL bytes that make up the size take no room on disk.
      writeFileBytes(dir / "BIG.FIL", "BEGIN MENU\r\nCAPTION=big\r\nEND MENU\r\n");
      std::filesystem::resize_file(dir / "BIG.FIL", size);
      std::filesystem::remove(dir / "LINK.FIL");
      if (throughLink) std::filesystem::create_symlink(dir / "BIG.FIL", dir / "LINK.FIL");
      const std::string named = path(throughLink ? "LINK.FIL" : "BIG.FIL");
      const bool fits = size <= limit;
      MenuDocument document;
      EXPECT_EQ(loadMenuFile(document, state, named), fits ? LoadState::Read : LoadState::NothingRead);
      EXPECT_EQ(document.caption, fits ? "big" : "");
      ASSERT_EQ(shown.shown.size(), fits ? 0u : 1u);
      if (!fits) EXPECT_EQ(shown.shown[0].prompt, named + "\r" + kCannotOpenMessage);
      EXPECT_EQ(std::filesystem::file_size(dir / "BIG.FIL"), size);
      if (size > limit) EXPECT_EQ(readScriptWorkFile(named), std::nullopt);
    }
  }
}

TEST_F(ReaderTest, PositionsAndSizesStayWithinSixteenBitCoordinates) {
  MenuDocument document;
  ASSERT_EQ(load(document,
                 "BEGIN MENU\n    LEFT=1e300\n    WIDTH=2147483647\n    TOP=-1e300\nEND MENU\n"
                 "BEGIN BUTTON\n    LEFT=1e300\n    TOP=-40000\n    WIDTH=2147483647\n"
                 "    HEIGHT=32766.5\nEND BUTTON\n"
                 "BEGIN FRAME\nEND FRAME\n"
                 "BEGIN LABEL\n    PARENT=1\n    LEFT=1e20\n    HEIGHT=-1e20\nEND LABEL\n"),
            LoadState::Read);
  EXPECT_EQ(document.windowTwips.left, 32767 * 15);
  EXPECT_EQ(document.windowTwips.width, 32767 * 15);
  EXPECT_EQ(document.windowTwips.top, -32767 * 15);
  const MenuObject& button = document.objects(ObjectKind::Button).at(1);
  EXPECT_EQ(button.left, 32767);
  EXPECT_EQ(button.top, -32767);
  EXPECT_EQ(button.width, 32767);
  EXPECT_EQ(button.height, 32766.5);
  const MenuObject& framed = document.objects(ObjectKind::Label).at(1);  // held in twips
  EXPECT_EQ(framed.left, 32767 * 15);
  EXPECT_EQ(framed.height, -32767 * 15);
}

TEST_F(ReaderTest, ElementNumbersEndAt32767) {
  std::string labels;
  for (int i = 0; i < 32767; ++i) labels += "BEGIN LABEL\nEND LABEL\n";
  MenuDocument full;
  EXPECT_EQ(load(full, labels + "BEGIN IMAGE\nEND IMAGE\n"), LoadState::Read);
  EXPECT_EQ(full.objects(ObjectKind::Label).count(), 32767);
  EXPECT_EQ(full.stacking().size(), 32768u);
  EXPECT_EQ(full.stacking().front(), (ObjectRef{ObjectKind::Image, 1})) << "images lie behind";
  EXPECT_EQ(full.stacking().back(), (ObjectRef{ObjectKind::Label, 32767}));

  MenuDocument over;
  EXPECT_EQ(load(over, labels + "BEGIN LABEL\n    CAPTION=one too many\nEND LABEL\nBEGIN BUTTON\nEND BUTTON\n"),
            LoadState::CutShort);
  EXPECT_EQ(shown.shown.back().prompt, path("m.fil") + "\r" + kCutShortMessage);
  EXPECT_EQ(over.objects(ObjectKind::Label).upperBound(), 32767);
  EXPECT_EQ(over.objects(ObjectKind::Button).count(), 0);
}

TEST_F(ReaderTest, TheScriptEndsOnlyAtItsOwnEndLine) {
  MenuDocument document;
  ASSERT_EQ(load(document,
                 "Begin Script\nSUB MENU_LOADED()\n  ' end script here? no\n"
                 "  MSG \"BEGIN LABEL\"\n\nEND SUB\n  end script \nBEGIN LABEL\nEND LABEL\n",
                 "A.B.FIL"),
            LoadState::Read);
  EXPECT_EQ(document.scriptWorkFile.filename(), "A.WSC");
  EXPECT_EQ(document.scriptWorkFile.parent_path(), state.scriptWorkFolder);
  EXPECT_EQ(script(document),
            (std::vector<std::string>{"SUB MENU_LOADED()", "  ' end script here? no",
                                      "  MSG \"BEGIN LABEL\"", "", "END SUB"}));
  EXPECT_EQ(document.objects(ObjectKind::Label).count(), 1);
  EXPECT_EQ(readFileBytes(document.scriptWorkFile).substr(0, 19), "SUB MENU_LOADED()\r\n");
}

// Two windows must never share a work file: closing one would delete the other's script.
TEST_F(ReaderTest, EveryWindowHasItsOwnWorkFile) {
  const std::string menu = "BEGIN MENU\nEND MENU\nBegin Script\nSUB X()\nEnd Script\n";
  MenuDocument first, second, other;
  load(first, menu, "A.B.FIL");
  load(second, menu, "A.B.FIL");
  load(other, menu, "A.C.FIL");
  EXPECT_NE(first.scriptWorkFile, second.scriptWorkFile);
  EXPECT_NE(first.scriptWorkFile, other.scriptWorkFile);
  EXPECT_NE(second.scriptWorkFile, other.scriptWorkFile);
  closeMenuDocument(first, state);
  EXPECT_EQ(script(second), std::vector<std::string>{"SUB X()"});
  EXPECT_EQ(script(other), std::vector<std::string>{"SUB X()"});

  MenuDocument new1, new2;
  new1.untitledCaption = new2.untitledCaption = "MENU2";
  loadMenuDocument(new1, state, 11);
  writeFileBytes(new1.scriptWorkFile, "SUB MINE()\r\n");
  loadMenuDocument(new2, state, 12);
  state.activeObjectControl = {&new2, {ObjectKind::Label, 1}};
  EXPECT_EQ(new1.caption, "MENU2");
  EXPECT_EQ(new1.scriptWorkFile.filename(), "MENU2.WSC");
  EXPECT_NE(new1.scriptWorkFile, new2.scriptWorkFile);
  EXPECT_EQ(state.activeDocument, &new2);
  closeMenuDocument(new2, state);
  EXPECT_EQ(script(new1), std::vector<std::string>{"SUB MINE()"});
  EXPECT_FALSE(std::filesystem::exists(new2.scriptWorkFile.empty() ? dir / "none" : new2.scriptWorkFile));
  EXPECT_EQ(state.activeDocument, nullptr);
  EXPECT_EQ(state.activeObjectControl.document, nullptr);
}

// The script must survive a save even where no work file can be made.
TEST_F(ReaderTest, AScriptWithoutWorkFileIsStillSaved) {
  writeFileBytes(dir / "blocked", "a file where the work folder should be");
  state.scriptWorkFolder = dir / "blocked";
  MenuDocument document;
  ASSERT_EQ(load(document, "BEGIN MENU\nEND MENU\nBegin Script\nSUB KEEP()\nEnd Script\n"),
            LoadState::Read);
  EXPECT_TRUE(document.scriptWorkFile.empty());
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, kWorkFileMessage);
  ASSERT_TRUE(writeMenuFile(path("m.fil"), document, WriteMode::Save, state));
  EXPECT_NE(readFileBytes(dir / "m.fil").find("Begin Script\r\nSUB KEEP()\r\nEnd Script\r\n"),
            std::string::npos);

  // Once the folder can be used again, the script editor gets a work file with the script.
  state.scriptWorkFolder = dir / "work";
  ASSERT_TRUE(ensureScriptWorkFile(document, state));
  EXPECT_EQ(document.scriptWorkFile.filename(), "m.WSC");
  EXPECT_EQ(script(document), std::vector<std::string>{"SUB KEEP()"});

  // A menu without a script gets an empty one, named after its caption while it has no file.
  MenuDocument fresh;
  fresh.caption = "MENU4";
  ASSERT_TRUE(ensureScriptWorkFile(fresh, state));
  EXPECT_EQ(fresh.scriptWorkFile.filename(), "MENU4.WSC");
  EXPECT_TRUE(script(fresh).empty());
}

}  // namespace
}  // namespace pemo::editor
