#include "runtime/script/progress/qt_progress_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "kovan/kovan.h"
#include "platform/ui/fonts.h"
#include "platform/ui/window_table.h"

namespace pemo::script {
namespace {

// The design layout, in pixels (15 twips each): the inner area, the message and the bar.
constexpr int kInnerWidth = 294;
constexpr int kInnerHeight = 63;
constexpr int kMessageTop = 9;
constexpr int kMessageHeight = 21;
constexpr int kBarTop = 34;
constexpr int kBarHeight = 20;

QFont windowFont() {
  ui::Font font;
  font.name = "ＭＳ ゴシック";
  return ui::displayFont(font);
}

}  // namespace

QtProgressWindow::QtProgressWindow(ProgressWindow& rules)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      message_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      rules_(rules) {
  setObjectName("PRGWIN");
  // A progress window left open does not keep the program running after its menu window.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(windowFont());
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  message_->setGeometry(kProgressMargin, kMessageTop, kInnerWidth - 2 * kProgressMargin, kMessageHeight);
  bar_->setGeometry(kProgressMargin, kBarTop, kInnerWidth - 2 * kProgressMargin, kBarHeight);
  setFixedHeight(kInnerHeight);
  resize(kInnerWidth, kInnerHeight);
  ui::registerWindow(this);
}

void QtProgressWindow::showOnTop() {
  show();
  raise();
  try {
    kovan::KovanObject().MostTopZOrder(ui::handleOfWindow(this));
  } catch (const kovan::KovanError&) {
    // Without the library's placement the window still stays on top by its own flag.
  }
}

void QtProgressWindow::hide() { QWidget::hide(); }

void QtProgressWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void QtProgressWindow::setMessage(const std::string& message) { message_->setText(QString::fromStdString(message)); }

void QtProgressWindow::setBar(int value) { bar_->setValue(value); }

void QtProgressWindow::setWidth(int pixels) {
  const int frame = frameGeometry().width() - width();
  resize(std::max(pixels - frame, 1), height());
}

void QtProgressWindow::setControlWidth(int pixels) {
  message_->resize(pixels, message_->height());
  bar_->resize(pixels, bar_->height());
}

void QtProgressWindow::move(Point topLeft) { QWidget::move(topLeft.left, topLeft.top); }

Size QtProgressWindow::screenSize() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return {};
  return {s->geometry().width(), s->geometry().height()};
}

Size QtProgressWindow::outerSize() const { return {frameGeometry().width(), frameGeometry().height()}; }

int QtProgressWindow::innerWidth() const { return width(); }

void QtProgressWindow::closeEvent(QCloseEvent* event) {
  rules_.closed();
  event->accept();
}

void QtProgressWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (rules_.loaded()) rules_.resized();
}

QtProgressWindow& QtProgressWindowOnDemand::window() const {
  // Making the window changes nothing the rules hold; only the window tells them of events.
  if (!window_) window_ = std::make_unique<QtProgressWindow>(const_cast<ProgressWindow&>(rules_));
  return *window_;
}

}  // namespace pemo::script
