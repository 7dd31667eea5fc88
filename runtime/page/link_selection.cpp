#include "runtime/page/link_selection.h"

#include "platform/text/numbers.h"

namespace pemo::page {

void LinkSelection::append(menufile::ObjectKind kind, int index, const std::string& link) {
  items_.push_back(std::to_string(static_cast<int>(kind)) + "," + std::to_string(index) + "," + link);
}

void LinkSelection::remove(int position) {
  if (position >= 0 && position < count()) items_.erase(items_.begin() + position);
}

SelectionItem LinkSelection::parse(const std::string& item) {
  size_t first = item.find(',');
  size_t second = first == std::string::npos ? std::string::npos : item.find(',', first + 1);
  SelectionItem result{};
  result.kind = static_cast<menufile::ObjectKind>(static_cast<int>(text::Val(item.substr(0, first))));
  if (first != std::string::npos)
    result.index = static_cast<int>(text::Val(item.substr(first + 1, second - first - 1)));
  if (second != std::string::npos) result.link = item.substr(second + 1);
  return result;
}

std::string withoutPositionPrefix(const std::string& caption) {
  size_t blank = caption.find(' ');
  return blank == std::string::npos ? caption : caption.substr(blank + 1);
}

}  // namespace pemo::page
