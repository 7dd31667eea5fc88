#include "platform/ui/qt_version_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/fonts.h"

namespace pemo::ui {

namespace {

// Room a title bar takes besides its text: the window's icon, the close, maximise and
// minimise buttons and the gaps between them, as the common window managers draw them.
constexpr int kTitleBarExtra = 160;

}  // namespace

VersionDialog::VersionDialog(QWidget* parent, const QString& caption, const QString& product, const QPixmap& picture)
    : QDialog(parent) {
  setWindowTitle(caption);
  setFont(QFont(displayFamily("ＭＳ Ｐゴシック"), font().pointSize()));
  auto* layout = new QGridLayout(this);
  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setPixmap(picture);
  layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
  auto* name = new QLabel(product + " Version 1.0", this);
  name->setObjectName("ZC0");
  layout->addWidget(name, 0, 1);
  auto* rights = new QLabel(QString::fromUtf8(kRightsNotice), this);
  rights->setObjectName("ZC1");
  layout->addWidget(rights, 1, 1);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("CTLBTN");
  ok->setDefault(true);
  layout->addWidget(ok, 3, 1, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  fitCaption();
  adjustSize();
}

void VersionDialog::fitCaption() {
  // The title bar draws in the desktop's font, not the dialog's: the wider of the two
  // counts.
  int text = std::max(QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle()),
                      QFontMetrics(font()).horizontalAdvance(windowTitle()));
  setMinimumWidth(text * 3 / 2 + kTitleBarExtra);
}

}  // namespace pemo::ui
