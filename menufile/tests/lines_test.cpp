#include "menufile/lines.h"

#include <gtest/gtest.h>

namespace pemo::menufile {
namespace {

TEST(MenuFileLines, BlockLinesOnlyWhereTheLineBeginsWithTheWord) {
  auto begin = classifyLine("BEGIN LABEL");
  EXPECT_EQ(begin.kind, LineKind::BlockBegin);
  EXPECT_EQ(begin.blockKind(), ObjectKind::Label);
  EXPECT_EQ(classifyLine("\t begin label").blockKind(), ObjectKind::Label);
  // A trailing or doubled blank names no block.
  EXPECT_EQ(classifyLine("BEGIN LABEL ").kind, LineKind::BlockBegin);
  EXPECT_FALSE(classifyLine("BEGIN LABEL ").blockKind());
  EXPECT_FALSE(classifyLine("BEGIN  LABEL").blockKind());
  EXPECT_TRUE(classifyLine("Begin Script").opensScript());
  EXPECT_FALSE(classifyLine("Begin Script ").opensScript());
  EXPECT_EQ(classifyLine("END LABEL  ").blockKind(), ObjectKind::Label);
  EXPECT_EQ(classifyLine("end menu").kind, LineKind::BlockEnd);
  // Values holding the word are properties.
  auto caption = classifyLine("    CAPTION=Beginner");
  EXPECT_EQ(caption.kind, LineKind::Property);
  EXPECT_EQ(caption.value, "Beginner");
  EXPECT_EQ(classifyLine("    LINK=C:\\BEGIN\\x.exe").value, "C:\\BEGIN\\x.exe");
  EXPECT_EQ(classifyLine("MSG \"BEGIN LABEL\"").kind, LineKind::Other);
  EXPECT_EQ(classifyLine("BEGIN").kind, LineKind::Other);
  EXPECT_EQ(classifyLine("  \t ").kind, LineKind::Empty);
  EXPECT_EQ(classifyLine("").kind, LineKind::Empty);
}

TEST(MenuFileLines, PropertyValueIsEverythingAfterTheFirstEquals) {
  auto link = classifyLine("    LINK=prog.exe /a=b, c ");
  EXPECT_EQ(link.key, "LINK");
  EXPECT_EQ(link.knownKey(), Key::Link);
  EXPECT_EQ(link.value, "prog.exe /a=b, c ");
  EXPECT_EQ(classifyLine("caption=x").knownKey(), Key::Caption);
  EXPECT_EQ(classifyLine("CAPTION =x").knownKey(), Key::Unknown);
  EXPECT_EQ(classifyLine("CAPTION=").value, "");
  EXPECT_EQ(classifyLine("    CAPTION=\"A,B\"").value, "\"A,B\"");
  // A line that begins with a quote keeps what is inside the quotes.
  auto quoted = classifyLine("  \"CAPTION=A,B\" ,rest");
  EXPECT_EQ(quoted.knownKey(), Key::Caption);
  EXPECT_EQ(quoted.value, "A,B");
  EXPECT_EQ(classifyLine("\"CAPTION=open").value, "open");
  EXPECT_EQ(classifyLine("\"END LABEL\"").kind, LineKind::BlockEnd);
  EXPECT_EQ(classifyLine("    CAPTION=売上=月次").value, "売上=月次");
}

TEST(MenuFileLines, ScriptEndsOnlyAtItsOwnLine) {
  EXPECT_TRUE(endsScript("End Script"));
  EXPECT_TRUE(endsScript("  end script\t"));
  EXPECT_FALSE(endsScript("' End Script here"));
  EXPECT_FALSE(endsScript("MSG \"END SCRIPT\""));
  EXPECT_FALSE(endsScript("END  SCRIPT"));
}

std::vector<FileLine> readAll(std::string_view bytes) {
  std::vector<FileLine> lines;
  for (LineReader reader(bytes); !reader.atEnd();) lines.push_back(reader.next());
  return lines;
}

TEST(MenuFileLines, DecodingSplitsAtEveryLineEndAndKeepsOffsets) {
  // 売上 in code page 932 is 94 84 8F E3; the trail byte 0x84 is no line end.
  std::string bytes = "BEGIN MENU\r\n    CAPTION=\x94\x84\x8F\xE3\r\nA\nB\rC";
  auto lines = readAll(bytes);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].text, "BEGIN MENU");
  EXPECT_EQ(lines[0].endOffset, 12u);
  EXPECT_EQ(lines[1].text, "    CAPTION=売上");
  EXPECT_EQ(lines[2].text, "A");
  EXPECT_EQ(lines[3].text, "B");
  EXPECT_EQ(lines[4].text, "C");
  EXPECT_EQ(lines[4].endOffset, bytes.size());
  EXPECT_TRUE(readAll("").empty());
  EXPECT_EQ(readAll("\r\n\r\n").size(), 2u);
  EXPECT_EQ(readAll("\r\r\n\n").size(), 3u);
  EXPECT_EQ(encodeLines({"BEGIN MENU", "    CAPTION=売上"}),
            "BEGIN MENU\r\n    CAPTION=\x94\x84\x8F\xE3\r\n");
}

TEST(MenuFileLines, WriterLines) {
  EXPECT_EQ(beginLine(ObjectKind::PictureButton), "BEGIN PICTUREBUTTON");
  EXPECT_EQ(endLine(ObjectKind::Menu), "END MENU");
  EXPECT_EQ(propertyLine(Key::FontName, "ＭＳ Ｐゴシック"), "    FONTNAME=ＭＳ Ｐゴシック");
  EXPECT_EQ(singleLineText("a\r\nb\nc\rd"), "a b c d");
  EXPECT_EQ(singleLineText("\n"), " ");
}

}  // namespace
}  // namespace pemo::menufile
