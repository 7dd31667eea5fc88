#include <gtest/gtest.h>

#include "document_fixture.h"
#include "editor/document/menu_reader.h"
#include "editor/document/menu_writer.h"
#include "platform/text/cp932.h"
#include "sample_document.h"

namespace pemo::editor {
namespace {

using pemo::testing::readFileBytes;

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

}  // namespace
}  // namespace pemo::editor
