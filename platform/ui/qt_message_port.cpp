#include "platform/ui/qt_message_port.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/ui/qt_keyboard_return.h"

namespace pemo::ui {
namespace {

struct ButtonSet {
  QList<QMessageBox::StandardButton> buttons;
};

ButtonSet buttonsFor(int style) {
  switch (style & kButtonBits) {
    case kOkCancel: return {{QMessageBox::Ok, QMessageBox::Cancel}};
    case kAbortRetryIgnore: return {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}};
    case kYesNoCancel: return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}};
    case kYesNo: return {{QMessageBox::Yes, QMessageBox::No}};
    case kRetryCancel: return {{QMessageBox::Retry, QMessageBox::Cancel}};
    default: return {{QMessageBox::Ok}};
  }
}

int answerFor(QMessageBox::StandardButton b) {
  switch (b) {
    case QMessageBox::Ok: return kOk;
    case QMessageBox::Cancel: return kCancel;
    case QMessageBox::Abort: return kAbort;
    case QMessageBox::Retry: return kRetry;
    case QMessageBox::Ignore: return kIgnore;
    case QMessageBox::Yes: return kYes;
    case QMessageBox::No: return kNo;
    default: return kCancel;
  }
}

QMessageBox::Icon iconFor(int style) {
  switch (style & kIconBits) {
    case kCritical: return QMessageBox::Critical;
    case kQuestion: return QMessageBox::Question;
    case kExclamation: return QMessageBox::Warning;
    case kInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// The most characters a line of a message shows, as many as a Windows message box holds.
constexpr qsizetype kMostLineCharacters = 1024;

// Messages break lines with a carriage return alone, as Windows message boxes do; a Qt
// label breaks only at line feeds. A very long line (a command line of megabytes that
// failed to start) shows its start: laid out whole it would stall the program.
QString displayText(const std::string& prompt) {
  QString text = QString::fromStdString(prompt);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  QStringList lines = text.split('\n');
  for (QString& line : lines)
    if (line.size() > kMostLineCharacters) line = line.left(kMostLineCharacters) + QChar(0x2026);
  return lines.join('\n');
}

}  // namespace

int QtMessagePort::show(const std::string& prompt, int style, const std::string& title) {
  KeyboardReturn keyboard;
  QMessageBox box(iconFor(style), QString::fromStdString(title), displayText(prompt),
                  QMessageBox::NoButton, keyboard.window());
  auto set = buttonsFor(style);
  for (auto b : set.buttons) box.addButton(b);
  int defaultIndex = (style & kDefaultButton3) ? 2 : (style & kDefaultButton2) ? 1 : 0;
  if (defaultIndex < set.buttons.size()) box.setDefaultButton(set.buttons[defaultIndex]);
  // Closing the box answers with Cancel where there is one, else with the only button.
  if (set.buttons.contains(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
  auto* clicked = box.clickedButton();
  if (!clicked) return answerFor(set.buttons.contains(QMessageBox::Cancel) ? QMessageBox::Cancel : set.buttons.front());
  return answerFor(box.standardButton(clicked));
}

void installQtMessagePort() {
  static QtMessagePort port;
  setMessagePort(&port);
}

}  // namespace pemo::ui
