#include "runtime/shell/run_edit_list.h"

#include "platform/text/strings.h"
#include "platform/ui/message_port.h"
#include "runtime/shell/list_file.h"
#include "runtime/shell/run_info_file.h"
#include "runtime/messages.h"

namespace pemo::shell {
namespace {

constexpr const char* kEnterRegistration = "登録情報を正しく入力してください";
constexpr const char* kSelectToDelete = "削除する項目を表から選択してください";

}  // namespace

RunEditList::Registered RunEditList::registerEntry(const std::string& caption, const std::string& commandLine,
                                                   int selected) {
  using runtime_messages::kTitle;
  page::RunListEntry entry{text::Trim(caption), text::Trim(commandLine)};
  // A comma in the caption would split the entry differently when the file is read back,
  // and a command line the file cannot hold would not start its program after a restart.
  if (entry.caption.empty() || entry.commandLine.empty() || entry.caption.find(',') != std::string::npos ||
      !storableText(entry.commandLine)) {
    ui::showExclamation(kEnterRegistration, kTitle);
    return Registered::Refused;
  }
  if (selected >= 0 && selected < count()) {
    entries_[static_cast<size_t>(selected)] = std::move(entry);
    return Registered::Replaced;
  }
  if (entries_.size() >= kRunListLimit) {
    ui::showExclamation(runtime_messages::kListFull, kTitle);
    return Registered::Full;
  }
  entries_.push_back(std::move(entry));
  return Registered::Added;
}

bool RunEditList::deleteEntry(int selected) {
  if (selected < 0 || selected >= count()) {
    ui::showExclamation(kSelectToDelete, runtime_messages::kTitle);
    return false;
  }
  entries_.erase(entries_.begin() + selected);
  return true;
}

}  // namespace pemo::shell
