#pragma once
// A Windows file dialog's filter on Qt's own file dialog: a file matches its
// patterns in any letter case, and a pattern naming Windows programs also lets the
// programs of this system (files with the execute bit) through.
#include <string>

class QFileDialog;

namespace pemo::ui {

// Shows `description` as the dialog's one filter and lets folders and the files that
// match the ";"-separated patterns through.
void applyFileFilter(QFileDialog& dialog, const std::string& description, const std::string& patterns);

// The filter text of a Windows file dialog, pairs of description and patterns all
// separated by "|" ("Pictures|*.BMP;*.JPG|All|*.*"): one filter of the dialog per pair,
// the first chosen. A description without patterns lets every file through.
void applyFileFilters(QFileDialog& dialog, const std::string& filter);

}  // namespace pemo::ui
