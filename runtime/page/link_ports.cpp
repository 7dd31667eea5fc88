#include "runtime/page/link_ports.h"

#include "platform/text/strings.h"

namespace pemo::page {

int MenuTreePort::menuNodeNear(int from, const std::string& file) {
  const std::string wanted = text::UCase(file);
  if (wanted.empty()) return 0;
  auto holdsIt = [&](int n) { return text::UCase(nodeFile(n)) == wanted; };
  for (int n = from >= 1 && from <= nodeCount() ? from : 0; n != 0; n = parentOf(n))
    if (holdsIt(n)) return n;
  for (int n = 1; n <= nodeCount(); ++n)
    if (holdsIt(n)) return n;
  return 0;
}

}  // namespace pemo::page
