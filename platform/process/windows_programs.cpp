#include "platform/process/windows_programs.h"

#include <cstdlib>

#include "platform/process/command_line.h"
#include "platform/text/strings.h"

namespace pemo::process {
namespace {

struct Candidate {
  const char* program;
  std::vector<std::string> options;
};

// The first candidate installed, with its options.
std::vector<std::string> firstInstalled(const std::vector<Candidate>& candidates) {
  for (const auto& c : candidates) {
    auto found = findInPath(c.program);
    if (found.empty()) continue;
    std::vector<std::string> argv{found.string()};
    argv.insert(argv.end(), c.options.begin(), c.options.end());
    return argv;
  }
  return {};
}

LaunchPlan failed(const std::string& why) { return LaunchPlan{{}, why}; }

// "/e", "/n", "/select,<path>", "/root,<path>" and the like; host paths also begin with "/".
bool isExplorerSwitch(const std::string& arg) {
  std::string word = text::UCase(arg.substr(0, arg.find(',')));
  for (const char* s : {"/E", "/N", "/SELECT", "/ROOT", "/SEPARATE", "/IDLIST"})
    if (word == s) return true;
  return false;
}

LaunchPlan explorer(const std::vector<std::string>& args, const HostPathMapper& toHost) {
  // Explorer's own switches ("/e," "/select,") carry no folder of their own here.
  std::filesystem::path folder;
  for (const auto& a : args) {
    std::string target = a;
    if (isExplorerSwitch(target)) {
      size_t comma = target.find(',');
      if (comma == std::string::npos) continue;
      target = target.substr(comma + 1);
    }
    if (target.empty()) continue;
    folder = toHost(target);
    break;
  }
  if (folder.empty()) {
    const char* home = std::getenv("HOME");
    folder = home ? home : "/";
  }
  return openerPlan(folder);
}

LaunchPlan control() {
  auto argv = firstInstalled({{"gnome-control-center", {}},
                              {"xfce4-settings-manager", {}},
                              {"systemsettings", {}},
                              {"systemsettings5", {}},
                              {"mate-control-center", {}},
                              {"cinnamon-settings", {}},
                              {"lxqt-config", {}}});
  if (argv.empty()) return failed("no desktop settings program found");
  return LaunchPlan{argv, {}};
}

LaunchPlan notepad(const std::vector<std::string>& args, const HostPathMapper& toHost) {
  auto argv = waitingTextEditor();
  if (argv.empty()) return failed("no text editor found");
  for (const auto& a : args) {
    auto host = toHost(a);
    argv.push_back(host.empty() ? a : host.string());
  }
  return LaunchPlan{argv, {}};
}

}  // namespace

LaunchPlan openerPlan(const std::filesystem::path& document) {
  auto opener = findInPath("xdg-open");
  if (opener.empty()) return failed("xdg-open not found");
  return LaunchPlan{{opener.string(), document.string()}, {}, true};
}

std::vector<std::string> waitingTextEditor() {
  if (const char* chosen = std::getenv("PEMO_TEXT_EDITOR"); chosen && *chosen) {
    auto argv = splitCommandLine(chosen);
    if (!argv.empty()) {
      auto found = argv[0].find('/') == std::string::npos ? findInPath(argv[0]) : std::filesystem::path(argv[0]);
      if (!found.empty()) {
        argv[0] = found.string();
        return argv;
      }
    }
  }
  return firstInstalled({{"gedit", {"--standalone", "--wait"}},
                         {"gnome-text-editor", {"--standalone"}},
                         {"mousepad", {"--disable-server"}},
                         {"kate", {"--new", "--block"}},
                         {"kwrite", {}},
                         {"pluma", {}},
                         {"featherpad", {"--standalone"}},
                         {"leafpad", {}},
                         {"l3afpad", {}},
                         {"xterm", {"-e", "vi"}}});
}

std::optional<LaunchPlan> planWindowsProgram(std::string_view program, const std::vector<std::string>& args,
                                             const HostPathMapper& toHost) {
  std::string name = text::UCase(fileNameOf(program));
  if (name == "EXPLORER.EXE" || name == "EXPLORER") return explorer(args, toHost);
  if (name == "CONTROL.EXE" || name == "CONTROL") return control();
  if (name == "NOTEPAD.EXE" || name == "NOTEPAD") return notepad(args, toHost);
  return std::nullopt;
}

}  // namespace pemo::process
