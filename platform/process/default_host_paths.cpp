#include "platform/process/default_host_paths.h"

#include <system_error>

#include "platform/text/strings.h"

namespace pemo::process {
namespace fs = std::filesystem;

fs::path defaultHostPath(std::string_view path) {
  std::string p(path);
  for (char& c : p)
    if (c == '\\') c = '/';
  if (p.size() >= 2 && p[1] == ':') p = p.substr(2).empty() ? "/" : p.substr(2);
  std::error_code ec;
  if (fs::exists(p, ec)) return p;
  fs::path current = (!p.empty() && p[0] == '/') ? fs::path("/") : fs::current_path(ec);
  for (const auto& part : fs::path(p).relative_path()) {
    fs::path exact = current / part;
    if (fs::exists(exact, ec)) {
      current = exact;
      continue;
    }
    fs::path match;
    for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec))
      if (text::EqualsNoCase(it->path().filename().string(), part.string())) match = it->path();
    if (match.empty()) return {};
    current = match;
  }
  return current;
}

}  // namespace pemo::process
