#include "platform/ui/qt_version_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/fonts.h"

namespace pemo::ui {

VersionDialog::VersionDialog(QWidget* parent, const QString& caption, const QString& product, const QPixmap& picture)
    : QDialog(parent) {
  setWindowTitle(caption);
  setFont(QFont(displayFamily("ＭＳ Ｐゴシック"), font().pointSize()));
  auto* layout = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setPixmap(picture);
  layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(product, this), 0, 1);
  layout->addWidget(new QLabel("Version 1.0", this), 1, 1);
  layout->addWidget(new QLabel("Copyright (C) Kalvo", this), 2, 1);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("CTLBTN");
  ok->setDefault(true);
  layout->addWidget(ok, 3, 1, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  adjustSize();
}

}  // namespace pemo::ui
