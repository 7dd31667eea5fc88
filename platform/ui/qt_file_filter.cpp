#include "platform/ui/qt_file_filter.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

#include "platform/process/file_filters.h"

namespace pemo::ui {
namespace {

// Lets folders through, and the files that match the patterns.
class PatternProxy : public QSortFilterProxyModel {
 public:
  PatternProxy(std::string patterns, QObject* parent) : QSortFilterProxyModel(parent), patterns_(std::move(patterns)) {}

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    auto* model = qobject_cast<QFileSystemModel*>(sourceModel());
    if (!model) return true;
    QModelIndex index = model->index(row, 0, parent);
    if (model->isDir(index)) return true;
    return process::matchesFileFilter(model->filePath(index).toStdString(), patterns_);
  }

 private:
  std::string patterns_;
};

}  // namespace

void applyFileFilter(QFileDialog& dialog, const std::string& description, const std::string& patterns) {
  // The dialog's own filter would match in one letter case only: it lets everything
  // through and the proxy decides.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(QString::fromStdString(description) + " (*)");
  dialog.setProxyModel(new PatternProxy(patterns, &dialog));
}

}  // namespace pemo::ui
