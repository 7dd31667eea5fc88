#include <gtest/gtest.h>

#include <filesystem>

#include "document_fixture.h"
#include "editor/document/menu_reader.h"
#include "editor/document/menu_writer.h"
#include "platform/text/cp932.h"
#include "sample_document.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;
using pemo::testing::writeFileBytes;

TEST_F(DocumentTest, AFileTheWriterWroteReadsAndWritesBackToTheSameBytes) {
  MenuDocument original;
  fillSampleDocument(original, state.scriptWorkFolder);
  ASSERT_TRUE(writeMenuFile(path("first.fil"), original, WriteMode::Save, state));
  std::string first = readFileBytes(dir / "first.fil");

  MenuDocument reread;
  ASSERT_EQ(loadMenuFile(reread, state, path("first.fil")), LoadState::Read);
  ASSERT_TRUE(writeMenuFile(path("second.fil"), reread, WriteMode::Save, state));
  EXPECT_EQ(readFileBytes(dir / "second.fil"), first);
  EXPECT_TRUE(shown.shown.empty());

  std::string text = text::cp932ToUtf8(first);
  EXPECT_NE(text.find("    CAPTION=月次, 週次 = 日次\r\n"), std::string::npos);
  EXPECT_NE(
      text.find("    LEFT=66.6666666666667\r\n    TOP=1.5\r\n    WIDTH=0.466666666666667\r\n"),
      std::string::npos);
  EXPECT_EQ(reread.objects(ObjectKind::Label).at(2).caption, "枠の中");
  EXPECT_EQ(reread.objects(ObjectKind::Label).at(2).frame, 2);
  EXPECT_EQ(reread.objects(ObjectKind::Image).at(1).caption, "ヒント=説明");
  EXPECT_EQ(reread.objects(ObjectKind::PictureButton).at(1).link, "a.exe,x");
  EXPECT_EQ(reread.objects(ObjectKind::PictureButton).at(1).picture, "b.bmp,c");
}


TEST_F(DocumentTest, TheSampleMenuKeepsItsLinesAndEveryObjectThroughASave) {
  const std::string sample = std::string(PEMO_SOURCE_DIR) + "/samples/START.FIL";
  MenuDocument document;
  ASSERT_EQ(loadMenuFile(document, state, sample), LoadState::Read);
  ASSERT_TRUE(writeMenuFile(path("saved.fil"), document, WriteMode::Save, state));
  std::string saved = text::cp932ToUtf8(readFileBytes(dir / "saved.fil"));
  EXPECT_NE(saved.find("BEGIN LINE\r\n    X1=16\r\n    Y1=64\r\n    X2=440\r\n    Y2=64\r\n"
                       "    BORDERWIDTH=2\r\n    FORECOLOR=C08000\r\nEND LINE\r\n"),
            std::string::npos);

  MenuDocument reread;
  ASSERT_EQ(loadMenuFile(reread, state, path("saved.fil")), LoadState::Read);
  for (ObjectKind kind : kDocumentKinds)
    EXPECT_EQ(reread.objects(kind).count(), document.objects(kind).count());
  EXPECT_EQ(reread.runtimeBlocks, document.runtimeBlocks);
}

TEST_F(DocumentTest, LinesOfTheRuntimeStayAsReadWhereverTheyStandAndAnUnendedOneStopsAtTheNextBlock) {
  writeFileBytes(dir / "lines.fil",
                 "BEGIN LINE\r\n  X1=1\r\nEND LINE\r\nBEGIN LABEL\r\nCAPTION=a\r\nEND LABEL\r\n"
                 "BEGIN LINE\r\n\tY2=5\r\nBEGIN BUTTON\r\nEND BUTTON\r\nBEGIN WHAT\r\nX=1\r\nEND WHAT\r\n");
  MenuDocument document;
  ASSERT_EQ(loadMenuFile(document, state, path("lines.fil")), LoadState::Read);
  EXPECT_EQ(document.runtimeBlocks, (std::vector<std::vector<std::string>>{
                                        {"BEGIN LINE", "  X1=1", "END LINE"}, {"BEGIN LINE", "\tY2=5", "END LINE"}}));
  EXPECT_EQ(document.objects(ObjectKind::Button).count(), 1);
  ASSERT_TRUE(writeMenuFile(path("again.fil"), document, WriteMode::Save, state));
  EXPECT_NE(readFileBytes(dir / "again.fil").find("END BUTTON\r\n\r\nBEGIN LINE\r\n  X1=1\r\nEND LINE\r\n\r\n"
                                                  "BEGIN LINE\r\n\tY2=5\r\nEND LINE\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace pemo::editor
