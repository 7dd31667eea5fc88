#include "editor/workspace/window/about_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "kovan/kovan.h"
#include "platform/ui/fonts.h"
#include "platform/ui/window_table.h"

namespace pemo::editor {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("ﾊﾞｰｼﾞｮﾝ情報");
  setFont(QFont(ui::displayFamily("ＭＳ Ｐゴシック"), font().pointSize()));
  auto* layout = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setPixmap(QApplication::style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));
  layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(new QLabel("PemoEdit", this), 0, 1);
  layout->addWidget(new QLabel("Version 1.0", this), 1, 1);
  layout->addWidget(new QLabel("Copyright (C) Kalvo", this), 2, 1);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  layout->addWidget(ok, 3, 1, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  adjustSize();
  kovan::KovanObject().MoveToCenter(ui::registerWindow(this));
}

}  // namespace pemo::editor
