#include "platform/ui/qt_file_filter.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <vector>

#include "platform/process/file_filters.h"
#include "platform/ui/qt_file_list.h"

namespace pemo::ui {
namespace {

// Lets folders through, and the files that match the patterns.
class PatternProxy : public FileListModel {
 public:
  PatternProxy(std::string patterns, QObject* parent) : FileListModel(parent), patterns_(std::move(patterns)) {}
  void setPatterns(std::string patterns) {
    patterns_ = std::move(patterns);
    invalidateFilter();
  }

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

struct FilterEntry {
  QString name;
  std::string patterns;
};

std::vector<FilterEntry> filterEntries(const std::string& filter) {
  std::vector<FilterEntry> entries;
  std::size_t from = 0;
  do {
    std::size_t bar = filter.find('|', from);
    FilterEntry entry{QString::fromStdString(filter.substr(from, bar - from)) + " (*)", "*"};
    from = std::string::npos;
    if (bar != std::string::npos) {
      std::size_t next = filter.find('|', bar + 1);
      entry.patterns = filter.substr(bar + 1, next == std::string::npos ? std::string::npos : next - bar - 1);
      if (next != std::string::npos) from = next + 1;
    }
    entries.push_back(std::move(entry));
  } while (from != std::string::npos);
  return entries;
}

// The dialog's own filters would match in one letter case only: each lets everything
// through and the proxy decides by the patterns of the one chosen.
void prepareDialog(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  fitFileListColumns(dialog);
}

}  // namespace

void applyFileFilters(QFileDialog& dialog, const std::string& filter) {
  prepareDialog(dialog);
  const std::vector<FilterEntry> entries = filterEntries(filter);
  QStringList names;
  for (const FilterEntry& entry : entries) names << entry.name;
  dialog.setNameFilters(names);
  auto* proxy = new PatternProxy(entries.front().patterns, &dialog);
  dialog.setProxyModel(proxy);
  QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, [proxy, names, entries](const QString& name) {
    const auto at = names.indexOf(name);
    if (at >= 0) proxy->setPatterns(entries[at].patterns);
  });
}

void applyFileFilter(QFileDialog& dialog, const std::string& description, const std::string& patterns) {
  prepareDialog(dialog);
  dialog.setNameFilter(QString::fromStdString(description) + " (*)");
  dialog.setProxyModel(new PatternProxy(patterns, &dialog));
}

}  // namespace pemo::ui
