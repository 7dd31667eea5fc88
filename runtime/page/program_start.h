#pragma once
// Starting a program for the user, with the one report of a failure: the text the user
// chose it by, a carriage return and "起動に失敗しました".
#include <string>

#include "platform/process/program_port.h"

namespace pemo::page {

// Starts the command line. A start that fails is reported at once; a document whose
// opener ends with an error is reported when the opener has ended (nothing waits for it).
process::StartResult startReported(process::ProgramPort& programs, const std::string& commandLine,
                                   const std::string& reportedAs);

}  // namespace pemo::page
