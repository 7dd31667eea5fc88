#include "editor/workspace/window/qt_file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "platform/fs/current_folder.h"
#include "platform/fs/folder_path.h"
#include "platform/fs/windows_path.h"
#include "platform/ui/qt_file_filter.h"
#include "platform/ui/qt_keyboard_return.h"

namespace pemo::editor {

QString QtFileDialog::startFolder(const Request& request) const {
  auto host = request.folder.empty() ? std::nullopt : fs::toHostPath(request.folder);
  if (host && QFileInfo(QString::fromStdString(*host)).isDir()) return QString::fromStdString(*host);
  return lastFolder_;
}

std::optional<std::string> QtFileDialog::showOpen(const Request& request) { return show(request, false); }
std::optional<std::string> QtFileDialog::showSave(const Request& request) { return show(request, true); }

std::optional<std::string> QtFileDialog::show(const Request& request, bool save) {
  ui::KeyboardReturn keyboard;
  QFileDialog dialog(parent_, QString::fromStdString(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  ui::applyFileFilters(dialog, request.filter);
  if (QString folder = startFolder(request); !folder.isEmpty()) dialog.setDirectory(folder);
  if (!request.fileName.empty()) {
    auto host = fs::isAbsoluteWindowsPath(request.fileName) ? fs::toHostPath(request.fileName) : std::nullopt;
    dialog.selectFile(QString::fromStdString(host ? *host : request.fileName));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString chosen = dialog.selectedFiles().front();
  // The chosen file's folder, also when its full path was typed into another folder's
  // view.
  lastFolder_ = QFileInfo(chosen).absolutePath();
  std::string path = fs::toWindowsPath(chosen.toStdString());
  if (path.empty()) return std::nullopt;
  // As the platform's dialog did, a chosen file makes its folder the current one, unless
  // the caller asked to keep it: relative picture names in a menu are found from there,
  // by this program and by the runtime it starts.
  if (!(request.flags & kKeepCurrentFolder)) {
    auto folder = fs::splitFolderAndName(path).folder;
    if (folder && fs::changeDrive(path[0])) fs::changeFolder(*folder);
  }
  return path;
}

}  // namespace pemo::editor
