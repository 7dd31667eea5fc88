#pragma once
// The Windows programs that menus and settings name, and what stands in for them here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process/program_lookup.h"

namespace pemo::process {

// The plan for a Windows program named by its file name (EXPLORER.EXE, CONTROL.EXE,
// NOTEPAD.EXE, in any letter case and with any folder), given its arguments; empty when
// the name is not one of them.
std::optional<LaunchPlan> planWindowsProgram(std::string_view program, const std::vector<std::string>& args,
                                             const HostPathMapper& toHost);

// The plan that opens a document or folder with the desktop's program.
LaunchPlan openerPlan(const std::filesystem::path& document);

// A text editor that stays open until its window is closed, so that waiting for it
// waits for the user (PEMO_TEXT_EDITOR overrides the choice); empty when none is found.
std::vector<std::string> waitingTextEditor();

}  // namespace pemo::process
