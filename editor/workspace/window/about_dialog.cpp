#include "editor/workspace/window/about_dialog.h"

#include <QApplication>
#include <QStyle>

#include "kovan/kovan.h"
#include "platform/ui/window_table.h"

namespace pemo::editor {

AboutDialog::AboutDialog(QWidget* parent)
    : ui::VersionDialog(parent, "ﾊﾞｰｼﾞｮﾝ情報", "PemoEdit",
                        QApplication::style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32)) {
  kovan::KovanObject().MoveToCenter(ui::registerWindow(this));
}

}  // namespace pemo::editor
