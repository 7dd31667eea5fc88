#include "runtime/page/menu_reader.h"

#include <cstdint>
#include <map>

#include "menufile/lines.h"
#include "menufile/values.h"
#include "platform/fs/windows_path.h"
#include "platform/process/command_line.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"

namespace pemo::page {
namespace mf = menufile;
using mf::Key;

namespace {

// The failure of one value; the label block swallows it, other blocks pass it on.
class BadValue : public MenuReadError {
 public:
  explicit BadValue(const std::string& key) : MenuReadError("bad value for " + key) {}
};

std::uint32_t colourOf(const mf::MenuLine& line) {
  auto c = mf::readColour(line.value);
  if (!c) throw BadValue(line.key);
  return *c;
}

bool booleanOf(const mf::MenuLine& line) {
  auto b = mf::readBoolean(line.value);
  if (!b) throw BadValue(line.key);
  return *b;
}

long wholeOf(const mf::MenuLine& line, long min, long max) {
  auto n = mf::readWholeNumber(line.value, min, max);
  if (!n) throw BadValue(line.key);
  return *n;
}

}  // namespace

bool isMenuFileLink(std::string_view link) { return text::InStr(text::UCase(link), ".FIL") > 0; }

std::string menuLinkOf(std::string_view link) {
  auto parts = process::splitProgram(link);
  std::string program = text::UCase(process::fileNameOf(parts.program));
  if (program == "PEMO.EXE" || program == "PEMO") return parts.rest;
  return std::string(link);
}

// Takes the file's lines apart one by one, each once, telling the observer of them until
// the script section opens.
struct MenuReader::Cursor {
  mf::LineReader lines;
  MenuLineObserver* observer = nullptr;
  bool atEnd() const { return lines.atEnd(); }
  mf::MenuLine take(mf::FileLine& line) {
    line = lines.next();
    mf::MenuLine ml = mf::classifyLine(line.text);
    if (observer) {
      observer->lineTaken(ml, line.endOffset);
      if (ml.opensScript()) observer = nullptr;
    }
    return ml;
  }
  mf::MenuLine take() {
    mf::FileLine line;
    return take(line);
  }
};

MenuReader::MenuReader(PageObjects& objects, PageState& page, RuntimeState& runtime, PageView& view,
                       MenuLineObserver* lines)
    : objects_(objects), page_(page), runtime_(runtime), view_(view), lines_(lines) {}

const std::string& MenuReader::pictureFile(std::string_view value) {
  const std::string name = text::Trim(value);
  auto [known, isNew] = pictureFiles_.try_emplace(name);
  if (isNew && !name.empty()) {
    auto host = fs::existingHostFile(name);
    if (host && view_.isPicture(*host)) known->second = std::move(*host);
  }
  return known->second;
}

double MenuReader::shiftedLeft(std::string_view value) const {
  double number = mf::readCoordinate(value);
  return view_.treePaneShown() ? view_.splitterWidth() + view_.splitterLeft() + number : number;
}

MenuReadResult MenuReader::read(std::string_view bytes) {
  MenuReadResult result;
  Cursor cursor{mf::LineReader(bytes), lines_};
  std::map<ObjectKind, int> counters;
  bool inScript = false;
  mf::FileLine line;
  while (!cursor.atEnd()) {
    const mf::MenuLine ml = cursor.take(line);
    std::string upper = text::UCase(line.text);
    if (upper == "BEGIN SCRIPT") {
      result.hasScript = true;
      result.scriptStartPosition = static_cast<long>(line.endOffset) + 1;
      inScript = true;
    }
    if (inScript) {
      size_t blank = upper.find(' ');
      if (blank != std::string::npos && text::Trim(upper.substr(0, blank)) == "INCLUDE")
        result.includeFiles.push_back(text::Trim(upper.substr(blank + 1)));
    }
    if (ml.kind == mf::LineKind::BlockBegin) {
      if (auto kind = ml.blockKind()) {
        int& counter = counters.try_emplace(*kind, 1).first->second;
        if (counter > mf::kLargestElement) throw MenuReadError("more blocks of one kind than elements");
        bool stop = *kind == ObjectKind::Menu ? readMenuBlock(cursor) : readObjectBlock(cursor, *kind, counter);
        ++counter;
        if (stop) {
          result.stopped = true;
          break;
        }
      }
    }
    view_.yieldToEvents();
  }
  return result;
}

bool MenuReader::readMenuBlock(Cursor& cursor) {
  mf::FileLine line;
  while (!cursor.atEnd()) {
    mf::MenuLine ml = cursor.take(line);
    // The menu block reads its lines with tabs as blanks and without trailing blanks; a
    // line that holds neither reads the same as taken.
    if (line.text.find('\t') != std::string::npos || (!line.text.empty() && line.text.back() == ' '))
      ml = mf::classifyLine(text::Trim(text::Replace(line.text, "\t", " ")));
    if (ml.kind == mf::LineKind::BlockBegin) return true;
    if (ml.kind == mf::LineKind::BlockEnd && ml.word == "MENU") return false;
    if (ml.kind != mf::LineKind::Property) continue;
    switch (ml.knownKey()) {
      case Key::Caption:
        page_.menuCaption = ml.value;
        view_.setCaption(ml.value);
        break;
      case Key::BackColor:
        if (!ml.value.empty() && page_.tileCount == 0) view_.setBackColor(colourOf(ml));
        break;
      case Key::TilingImage:
        if (!ml.value.empty()) tileBackground(ml.value);
        break;
      case Key::UnloadMode:
        if (!ml.value.empty()) {
          double mode = text::RoundHalfEven(mf::readNumber(ml.value));
          if (mode < 0 || mode > 255) throw BadValue(ml.key);
          page_.unloadModeValue = static_cast<int>(mode);
        }
        break;
      default:
        break;
    }
  }
  return false;
}

void MenuReader::tileBackground(const std::string& path) {
  auto host = fs::existingHostFile(path);
  if (!host) return;
  std::string upper = text::UCase(path);
  if (upper == runtime_.lastTiledImage) return;
  runtime_.lastTiledImage = upper;
  page_.tileCount = 0;
  int tiles = view_.tileBackground(*host);
  if (tiles < 0) throw MenuReadError("the background picture cannot be drawn: " + path);
  page_.tileCount = tiles;
}

bool MenuReader::readObjectBlock(Cursor& cursor, ObjectKind kind, int element) {
  PageObject& o = objects_.load(kind, element);
  const bool isLine = kind == ObjectKind::Line;
  if (kind == ObjectKind::Label) o.onCursorColor = "ff0000";
  if (isLine) {
    double start = view_.treePaneShown() ? view_.splitterWidth() + view_.splitterLeft() : 0;
    o.x1 = o.x2 = start;
  }
  bool hasParent = false;
  std::string imagePicture;
  const std::string endWord(mf::blockWord(kind));

  auto apply = [&](const mf::MenuLine& ml) {
    const Key key = ml.knownKey();
    if (!mf::isObjectKey(kind, key)) return;
    switch (key) {
      case Key::X1: o.x1 = shiftedLeft(ml.value); break;
      case Key::X2: o.x2 = shiftedLeft(ml.value); break;
      case Key::Y1: o.y1 = mf::readCoordinate(ml.value); break;
      case Key::Y2: o.y2 = mf::readCoordinate(ml.value); break;
      case Key::BorderWidth: o.borderWidth = static_cast<int>(wholeOf(ml, INT16_MIN, INT16_MAX)); break;
      case Key::Left: o.left = shiftedLeft(ml.value); break;
      case Key::Top: o.top = mf::readCoordinate(ml.value); break;
      case Key::Width: o.width = mf::readCoordinate(ml.value); break;
      case Key::Height: o.height = mf::readCoordinate(ml.value); break;
      case Key::Caption: o.caption = ml.value; break;
      case Key::ForeColor: o.foreColor = colourOf(ml); break;
      case Key::BackColor: o.backColor = colourOf(ml); break;
      case Key::FontName: o.font.name = ml.value; break;
      case Key::FontSize: o.font.size = mf::readNumber(ml.value); break;
      case Key::FontBold: o.font.bold = booleanOf(ml); break;
      case Key::FontItalic: o.font.italic = booleanOf(ml); break;
      case Key::FontUnderline: o.font.underline = booleanOf(ml); break;
      case Key::Link: o.link = menuLinkOf(ml.value); break;
      case Key::Style:
        if (kind == ObjectKind::Label)
          o.styleText = ml.value;
        else
          o.style = static_cast<int>(wholeOf(ml, INT32_MIN, INT32_MAX));
        break;
      case Key::OnCursorColor: o.onCursorColor = ml.value; break;
      case Key::Picture:
        // An image looks for its picture once its block is read.
        if (kind == ObjectKind::Image)
          imagePicture = text::Trim(ml.value);
        else
          o.picture = pictureFile(ml.value);
        break;
      case Key::Stretch: o.stretch = booleanOf(ml); break;
      case Key::Value:
        o.value = kind == ObjectKind::Radio ? (booleanOf(ml) ? 1 : 0) : static_cast<int>(wholeOf(ml, 0, 2));
        break;
      case Key::Parent: {
        double frame = text::RoundHalfEven(mf::readNumber(ml.value));
        if (frame < INT16_MIN || frame > INT16_MAX) throw BadValue(ml.key);
        page_.pendingParents.push_back({kind, element, static_cast<int>(frame)});
        hasParent = true;
        break;
      }
      default: break;
    }
  };

  bool stop = false;
  while (!cursor.atEnd()) {
    mf::MenuLine ml = cursor.take();
    if (ml.kind == mf::LineKind::BlockBegin) {
      stop = true;
      break;
    }
    if (ml.kind == mf::LineKind::BlockEnd && ml.word == endWord) break;
    if (ml.kind != mf::LineKind::Property) continue;
    if (kind == ObjectKind::Label) {
      // A label gives up on its first bad value and stays hidden; the reading goes on
      // with the next line of the file.
      try {
        apply(ml);
      } catch (const BadValue&) {
        view_.objectLoaded(o);
        return false;
      }
    } else {
      apply(ml);
    }
  }

  if (kind == ObjectKind::Image && !imagePicture.empty()) o.picture = pictureFile(imagePicture);
  switch (kind) {
    case ObjectKind::Line:
      o.visible = true;
      break;
    case ObjectKind::Frame:
      o.visible = true;
      o.zOrder = ZOrder::Front;
      break;
    case ObjectKind::Label:
    case ObjectKind::ComboBox:
      o.visible = !hasParent;
      o.zOrder = ZOrder::Front;
      break;
    case ObjectKind::Image:
      o.visible = !hasParent;
      if (!hasParent) o.zOrder = ZOrder::Back;
      break;
    default:
      o.visible = !hasParent;
      if (!hasParent) o.zOrder = ZOrder::Front;
      break;
  }
  page_.extent.grow(o);
  view_.objectLoaded(o);
  return stop;
}

}  // namespace pemo::page
