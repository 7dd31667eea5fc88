#pragma once
// Command lines as Windows splits them: never through a shell.
#include <string>
#include <string_view>
#include <vector>

namespace pemo::process {

// Splits a command line into arguments by the Windows rules: blanks and tabs separate
// arguments outside double quotes; 2n backslashes before a quote give n backslashes and
// the quote toggles quoting, 2n+1 give n backslashes and a literal quote; "" inside
// quotes is a literal quote. The program (first argument) runs to the closing quote when
// it starts with one, else to the first blank, and knows no backslash escapes.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

// The program part of a command line (without its quotes) and the text after it, with
// the blanks between them removed.
struct ProgramAndRest {
  std::string program;
  std::string rest;
};
ProgramAndRest splitProgram(std::string_view commandLine);

// The last component of a Windows or host path ("C:\A\PEMO.EXE" gives "PEMO.EXE").
std::string fileNameOf(std::string_view path);

}  // namespace pemo::process
