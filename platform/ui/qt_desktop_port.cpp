#include "platform/ui/qt_desktop_port.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "platform/ui/keyboard_layout.h"

namespace pemo::ui {
namespace {

QtDesktopPort widgetsPort;
DesktopPort* installed = nullptr;

Qt::KeyboardModifier modifierOf(uint8_t virtualKey) {
  switch (virtualKey) {
    case kVkShift: return Qt::ShiftModifier;
    case kVkControl: return Qt::ControlModifier;
    case kVkMenu: return Qt::AltModifier;
    default: return Qt::NoModifier;
  }
}

QWidget* keyTarget() {
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return QApplication::activeWindow();
}

}  // namespace

DesktopPort& desktopPort() { return installed ? *installed : widgetsPort; }

void setDesktopPort(DesktopPort* port) { installed = port; }

int qtKeyOfVirtualKey(uint8_t virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return Qt::Key_A + (virtualKey - 'A');
  if (virtualKey >= '0' && virtualKey <= '9') return Qt::Key_0 + (virtualKey - '0');
  if (virtualKey >= 0x70 && virtualKey <= 0x87) return Qt::Key_F1 + (virtualKey - 0x70);
  if (virtualKey >= 0x60 && virtualKey <= 0x69) return Qt::Key_0 + (virtualKey - 0x60);
  switch (virtualKey) {
    case kVkBack: return Qt::Key_Backspace;
    case kVkTab: return Qt::Key_Tab;
    case kVkReturn: return Qt::Key_Return;
    case kVkShift: return Qt::Key_Shift;
    case kVkControl: return Qt::Key_Control;
    case kVkMenu: return Qt::Key_Alt;
    case 0x13: return Qt::Key_Pause;
    case 0x14: return Qt::Key_CapsLock;
    case kVkEscape: return Qt::Key_Escape;
    case kVkSpace: return Qt::Key_Space;
    case 0x21: return Qt::Key_PageUp;
    case 0x22: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case kVkLeft: return Qt::Key_Left;
    case kVkUp: return Qt::Key_Up;
    case kVkRight: return Qt::Key_Right;
    case kVkDown: return Qt::Key_Down;
    case 0x2C: return Qt::Key_Print;
    case 0x2D: return Qt::Key_Insert;
    case kVkDelete: return Qt::Key_Delete;
    case 0x6A: return Qt::Key_Asterisk;
    case 0x6B: return Qt::Key_Plus;
    case 0x6D: return Qt::Key_Minus;
    case 0x6E: return Qt::Key_Period;
    case 0x6F: return Qt::Key_Slash;
    case 0x90: return Qt::Key_NumLock;
    case 0x91: return Qt::Key_ScrollLock;
    default: break;
  }
  // Punctuation keys: the Qt key of the character they type without Shift.
  if (const auto c = characterOfKey(virtualKey, false)) return QChar(*c).toUpper().unicode();
  return Qt::Key_unknown;
}

void QtDesktopPort::sendKey(uint8_t virtualKey, uint8_t scanCode, bool keyUp) {
  const Qt::KeyboardModifier modifier = modifierOf(virtualKey);
  if (modifier != Qt::NoModifier) modifiers_.setFlag(modifier, !keyUp);
  QWidget* target = keyTarget();
  if (!target) return;
  QString text;
  const bool typing = !keyUp && !(modifiers_ & (Qt::ControlModifier | Qt::AltModifier));
  if (const auto c = characterOfKey(virtualKey, modifiers_ & Qt::ShiftModifier); typing && c)
    text = QString(QChar(*c));
  QKeyEvent event(keyUp ? QEvent::KeyRelease : QEvent::KeyPress, qtKeyOfVirtualKey(virtualKey),
                  modifiers_, scanCode, virtualKey, 0, text);
  QCoreApplication::sendEvent(target, &event);
}

std::optional<int32_t> QtDesktopPort::controlKind(WindowHandle handle) {
  QWidget* widget = handle == 0 ? QApplication::focusWidget() : windowFromHandle(handle);
  if (!widget) return std::nullopt;
  if (qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))
    return kComboOrEditControl;
  if (qobject_cast<QLineEdit*>(widget)) {
    QWidget* owner = widget->parentWidget();
    const bool ownedField = qobject_cast<QComboBox*>(owner) || qobject_cast<QAbstractSpinBox*>(owner);
    return ownedField ? kComboOrEditControl : kTextBoxControl;
  }
  if (qobject_cast<QTextEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) return kTextBoxControl;
  return kOtherControl;
}

bool QtDesktopPort::makeTopmost(WindowHandle handle) {
  QWidget* widget = windowFromHandle(handle);
  if (!widget) return false;
  QWidget* window = widget->window();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  window->show();
  window->raise();
  return true;
}

}  // namespace pemo::ui
