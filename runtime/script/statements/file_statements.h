#pragma once
// The statements that copy, delete and write files and change the current folder and
// drive. Each takes the statement's argument text and tells the loop how to go on.
#include <string>

#include "runtime/script/ports.h"

namespace pemo::script::statements {

Flow fileCopy(const std::string& argument, ScriptContext& context);          // FILECOPY source, destination
Flow fileCopyMatching(const std::string& argument, ScriptContext& context);  // FILECOPYEX pattern, folder
Flow createFolder(const std::string& argument, ScriptContext& context);      // CREATEFOLDER path
Flow deleteTree(const std::string& argument, ScriptContext& context);        // DELETEFILEEX path
Flow deleteFiles(const std::string& argument, ScriptContext& context);       // DELETEFILE path
Flow changeFolder(const std::string& argument, ScriptContext& context);      // CHDIR path
Flow changeDrive(const std::string& argument, ScriptContext& context);       // CHDRIVE drive
Flow outputLine(const std::string& argument, ScriptContext& context);        // OUTPUT file, text
Flow appendLine(const std::string& argument, ScriptContext& context);        // APPEND file, text

}  // namespace pemo::script::statements
