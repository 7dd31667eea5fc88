#pragma once
// The working copy of the run list that the registration dialog RUNREG edits: at most
// kRunListLimit programs, handed back to the run list only when the dialog is confirmed.
#include <string>
#include <vector>

#include "runtime/page/runtime_state.h"

namespace pemo::shell {

class RunEditList {
 public:
  explicit RunEditList(const std::vector<page::RunListEntry>& runList) : entries_(runList) {}

  const std::vector<page::RunListEntry>& entries() const { return entries_; }
  int count() const { return static_cast<int>(entries_.size()); }

  enum class Registered {
    Added,     // appended as a new entry
    Replaced,  // the selected entry replaced
    Refused,   // a text was blank, the caption held "," or the command line a character
               // the file cannot hold; told, the fields stay
    Full,      // kRunListLimit entries and none selected; told
  };
  // "登録": the caption and command line as typed (blanks around them are dropped),
  // replacing the entry at `selected` or, with -1, added at the end.
  Registered registerEntry(const std::string& caption, const std::string& commandLine, int selected);
  // "削除": false (and told) when no entry is selected.
  bool deleteEntry(int selected);

  // "OK": the run list becomes the working copy.
  void copyOut(std::vector<page::RunListEntry>& runList) const { runList = entries_; }

 private:
  std::vector<page::RunListEntry> entries_;
};

}  // namespace pemo::shell
