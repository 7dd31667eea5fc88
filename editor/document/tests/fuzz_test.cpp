// Random mutations of real menu files must never crash the reader, and what it makes of
// them must write back stably.
#include <gtest/gtest.h>

#include <random>

#include "document_fixture.h"
#include "editor/document/document_lifecycle.h"
#include "editor/document/menu_reader.h"
#include "editor/document/menu_writer.h"
#include "sample_document.h"

namespace pemo::editor {
namespace {

std::string mutate(std::string bytes, std::mt19937& random) {
  static const std::string kFragments[] = {"\r\n",
                                           "\n",
                                           "\r",
                                           "\"",
                                           "=",
                                           ",",
                                           "BEGIN ",
                                           "END ",
                                           "BEGIN LABEL\r\n",
                                           "END FRAME\r\n",
                                           "Begin Script\r\n",
                                           "End Script\r\n",
                                           "PARENT=",
                                           "\x81",
                                           "\xFF",
                                           std::string(1, '\0'),
                                           "\t"};
  int edits = 1 + static_cast<int>(random() % 8);
  for (int e = 0; e < edits; ++e) {
    size_t at = bytes.empty() ? 0 : random() % bytes.size();
    switch (random() % 6) {
      case 0:
        if (!bytes.empty()) bytes[at] = static_cast<char>(random());
        break;
      case 1: bytes.insert(at, kFragments[random() % std::size(kFragments)]); break;
      case 2: bytes.erase(at, random() % 40); break;
      case 3: bytes.insert(at, bytes.substr(random() % (bytes.size() + 1), random() % 200)); break;
      case 4: bytes.resize(at); break;
      default:
        for (int i = 0; i < 4 && at + i < bytes.size(); ++i)
          bytes[at + i] = static_cast<char>(random() % 256);
    }
  }
  return bytes;
}

std::string readAndWrite(const std::string& bytes, EditorState& state) {
  MenuDocument document;
  readMenuBytes(document, state, bytes, "C:\\FUZZ.FIL");
  std::string written = menufile::encodeLines(menuFileLines(document, state));
  closeMenuDocument(document, state);
  return written;
}

TEST_F(DocumentTest, RandomlyDamagedFilesNeverBreakTheReader) {
  MenuDocument sample;
  fillSampleDocument(sample, state.scriptWorkFolder);
  const std::string seeds[] = {menufile::encodeLines(menuFileLines(sample, state)),
                               "BEGIN MENU\r\n    CAPTION=x\r\nEND MENU\r\n"};
  std::mt19937 random(20261208);
  for (int round = 0; round < 1000; ++round) {
    std::string damaged = mutate(seeds[round % 2], random);
    std::string once = readAndWrite(damaged, state);
    // What the reader made of it is a file the writer and reader agree on.
    ASSERT_EQ(readAndWrite(once, state), once) << "round " << round;
    shown.shown.clear();
  }
}

}  // namespace
}  // namespace pemo::editor
