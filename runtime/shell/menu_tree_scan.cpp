#include "runtime/shell/menu_tree_scan.h"

#include <filesystem>

#include "menufile/lines.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"
#include "runtime/page/menu_reader.h"

namespace pemo::shell {
namespace mf = menufile;
namespace {

struct MenuLinks {
  std::string caption;
  std::vector<std::string> menus;
};

MenuLinks readLinks(const std::string& bytes) {
  MenuLinks result;
  std::optional<mf::ObjectKind> block;
  for (mf::LineReader lines(bytes); !lines.atEnd();) {
    mf::MenuLine ml = mf::classifyLine(lines.next().text);
    if (ml.kind == mf::LineKind::BlockBegin) {
      block = ml.blockKind();
      if (ml.opensScript()) break;
    } else if (ml.kind == mf::LineKind::BlockEnd) {
      block.reset();
    } else if (ml.kind == mf::LineKind::Property && block) {
      if (*block == mf::ObjectKind::Menu && ml.knownKey() == mf::Key::Caption) result.caption = ml.value;
      if (*block != mf::ObjectKind::Menu && ml.knownKey() == mf::Key::Link) {
        std::string link = page::menuLinkOf(ml.value);
        if (page::isMenuFileLink(link)) result.menus.push_back(link);
      }
    }
  }
  return result;
}

void addNode(std::vector<page::MenuTreeNode>& nodes, std::vector<std::string>& path, int parent,
             const std::string& file, const MenuFileReader& read, int maxNodes) {
  if (static_cast<int>(nodes.size()) >= maxNodes) return;
  auto bytes = read(file);
  MenuLinks links = bytes ? readLinks(*bytes) : MenuLinks{};
  nodes.push_back({parent, file, links.caption});
  const int self = static_cast<int>(nodes.size());
  path.push_back(text::UCase(file));
  for (const auto& link : links.menus) {
    bool onTheWay = false;
    for (const auto& p : path) onTheWay = onTheWay || p == text::UCase(link);
    if (!onTheWay) addNode(nodes, path, self, link, read, maxNodes);
  }
  path.pop_back();
}

}  // namespace

std::vector<page::MenuTreeNode> scanMenuTree(const std::string& startFile, const MenuFileReader& read, int maxNodes) {
  std::vector<page::MenuTreeNode> nodes;
  std::vector<std::string> path;
  addNode(nodes, path, 0, startFile, read, maxNodes);
  return nodes;
}

MenuFileReader fileSystemMenuReader(std::string drive) {
  return [drive](const std::string& path) -> std::optional<std::string> {
    std::string full = !path.empty() && path[0] == '\\' ? drive + path : path;
    auto host = fs::toHostPath(full);
    std::error_code ec;
    if (!host || !std::filesystem::is_regular_file(*host, ec)) return std::nullopt;
    return fs::readWholeFile(*host);
  };
}

}  // namespace pemo::shell
