#include "runtime/shell/menu_tree_scan.h"

#include <cmath>
#include <filesystem>
#include <unordered_map>

#include "menufile/lines.h"
#include "menufile/types.h"
#include "platform/fs/lookup_scope.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "runtime/page/menu_reader.h"

namespace pemo::shell {
namespace mf = menufile;
using page::MenuTreeNode;
using page::MenuTreeNodeKind;

bool MenuOutlineBuilder::Block::givesProgram() const {
  if (linked || link.empty()) return false;
  auto kind = mf::kindOfBlockWord(word);
  if (kind == mf::ObjectKind::Image) return true;
  if (kind != mf::ObjectKind::Label && kind != mf::ObjectKind::Button && kind != mf::ObjectKind::PictureButton)
    return false;
  double number = text::Val(style);
  return number != static_cast<int>(mf::LinkStyle::ParentMenu) &&
         number != static_cast<int>(mf::LinkStyle::ExecuteSelection);
}

std::string MenuOutlineBuilder::Block::tag() const {
  return std::to_string(static_cast<int>(*mf::kindOfBlockWord(word))) + "," + index + "," + style;
}

void MenuOutlineBuilder::take(const mf::MenuLine& ml, std::size_t endOffset) {
  if (ended_) return;
  taken_ = endOffset;
  if (ml.opensScript()) {
    ended_ = true;
    return;
  }
  if (ml.kind == mf::LineKind::BlockBegin && ml.blockKind() == mf::ObjectKind::Menu) inMenu_ = true;
  if (!caption_ && inMenu_ && ml.kind == mf::LineKind::Property && ml.knownKey() == mf::Key::Caption)
    caption_ = ml.value;
  if (static_cast<int>(entries_.size()) < maxEntries_) takeEntryLine(ml);
}

void MenuOutlineBuilder::takeEntryLine(const mf::MenuLine& ml) {
  if (ml.kind == mf::LineKind::BlockBegin) {
    block_ = Block{ml.word, {}, {}, {}, std::move(block_.index), false};
  } else if (ml.kind == mf::LineKind::BlockEnd && ml.word == block_.word) {
    if (block_.givesProgram()) entries_.push_back({false, block_.link, block_.caption, block_.tag()});
  } else if (ml.kind == mf::LineKind::Property) {
    switch (ml.knownKey()) {
      case mf::Key::Link: {
        std::string link = page::menuLinkOf(ml.value);
        if (!page::isMenuFileLink(link)) {
          block_.link = link;
          break;
        }
        block_.linked = true;
        entries_.push_back({true, std::move(link), {}, {}});
        break;
      }
      case mf::Key::Caption: block_.caption = ml.value; break;
      case mf::Key::Style: block_.style = ml.value; break;
      case mf::Key::Index: block_.index = ml.value; break;
      default: break;
    }
  }
}

std::optional<MenuOutline> MenuOutlineBuilder::finish(std::string_view bytes) {
  if (taken_ < bytes.size()) {
    const std::size_t from = taken_;
    for (mf::LineReader lines(bytes.substr(from)); !ended_ && !lines.atEnd();) {
      mf::FileLine line = lines.next();
      take(mf::classifyLine(line.text), from + line.endOffset);
    }
  }
  if (!caption_) return std::nullopt;
  return MenuOutline{std::move(*caption_), std::move(entries_)};
}

namespace {

// The outline of a menu file read whole.
std::optional<MenuOutline> outlineOf(const std::string& bytes, int maxEntries) {
  return MenuOutlineBuilder(maxEntries).finish(bytes);
}

class Scan {
 public:
  Scan(const MenuFileReader& read, int limit) : read_(read), limit_(limit) {}

  // A file read before the scan, not read again.
  void knowFile(const std::string& path, ScannedFile file) { files_.insert_or_assign(path, std::move(file)); }

  void addTreeNode(const std::string& path, int parent) {
    const ScannedFile& file = scannedFile(path);
    if (!file.found) {
      if (parent != 0) add({parent, path, kMissingMenuPrefix + path, MenuTreeNodeKind::MissingMenu, {}});
      return;
    }
    if (file.outline) addMenu(path, parent, *file.outline);
  }

  MenuTree tree;

 private:
  bool add(MenuTreeNode node) {
    if (static_cast<int>(tree.nodes.size()) >= limit_) {
      tree.cut = true;
      return false;
    }
    tree.nodes.push_back(std::move(node));
    return true;
  }

  // A file linked many times over (menus that each link twice to the next) is read and
  // taken apart once per scan, however often it shows in the tree.
  const ScannedFile& scannedFile(const std::string& path) {
    auto [it, added] = files_.try_emplace(path);
    if (added && !path.empty())
      if (auto bytes = read_(path)) it->second = {true, outlineOf(*bytes, limit_)};
    return it->second;
  }

  void addMenu(const std::string& path, int parent, const MenuOutline& outline) {
    if (!add({parent, path, outline.caption, parent == 0 ? MenuTreeNodeKind::Root : MenuTreeNodeKind::LinkedMenu, {}}))
      return;
    const int self = static_cast<int>(tree.nodes.size());
    onTheWay_.push_back(text::UCase(path));
    for (const MenuEntry& entry : outline.entries) {
      if (tree.cut) break;
      if (!entry.isMenu)
        add({self, entry.link, entry.caption, MenuTreeNodeKind::Program, entry.tag});
      else if (!isOnTheWay(entry.link))
        addTreeNode(entry.link, self);
    }
    onTheWay_.pop_back();
  }

  bool isOnTheWay(const std::string& link) const {
    const std::string upper = text::UCase(link);
    for (const auto& p : onTheWay_)
      if (p == upper) return true;
    return false;
  }

  const MenuFileReader& read_;
  const int limit_;
  std::vector<std::string> onTheWay_;  // upper-cased files from the top to the menu scanned
  std::unordered_map<std::string, ScannedFile> files_;  // by the link that named them
};

int wholeNumber(const std::string& text) {
  double v = text::RoundHalfEven(text::Val(text));
  return v < INT32_MIN || v > INT32_MAX ? 0 : static_cast<int>(v);
}

}  // namespace

MenuTree scanMenuTree(const std::string& startFile, const MenuFileReader& read, int nodeLimit) {
  // Links name files in a handful of folders; each folder is looked up once, not per link.
  fs::PathLookupScope lookups;
  Scan scan(read, nodeLimit);
  scan.addTreeNode(startFile, 0);
  return std::move(scan.tree);
}

MenuTree scanMenuTree(const std::string& startFile, ScannedFile start, const MenuFileReader& read, int nodeLimit) {
  fs::PathLookupScope lookups;
  Scan scan(read, nodeLimit);
  scan.knowFile(startFile, std::move(start));
  scan.addTreeNode(startFile, 0);
  return std::move(scan.tree);
}

MenuFileReader fileSystemMenuReader(std::string drive) {
  return [drive](const std::string& path) -> std::optional<std::string> {
    std::string full = !path.empty() && path[0] == '\\' ? drive + path : path;
    // A folder renamed between the lookup and the read (perhaps only in case) leaves the
    // file where a second lookup finds it; a file the lookup found missing is missing.
    for (int lookup = 0; lookup < 2; ++lookup) {
      const auto host = fs::foundHostPath(full);
      if (!host) return std::nullopt;
      std::error_code ec;
      if (!std::filesystem::is_regular_file(*host, ec)) continue;
      if (auto bytes = fs::readWholeFile(*host, mf::kLargestMenuFile)) return bytes;
    }
    return std::nullopt;
  };
}

ProgramNodeTag parseProgramNodeTag(const std::string& tag) {
  ProgramNodeTag parsed;
  size_t first = tag.find(',');
  size_t second = first == std::string::npos ? std::string::npos : tag.find(',', first + 1);
  parsed.kind = wholeNumber(tag.substr(0, first));
  if (first != std::string::npos) parsed.index = wholeNumber(tag.substr(first + 1, second - first - 1));
  if (second != std::string::npos) parsed.style = wholeNumber(tag.substr(second + 1));
  return parsed;
}

}  // namespace pemo::shell
