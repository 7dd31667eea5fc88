#include "runtime/shell/window/window_script_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "platform/fs/current_folder.h"
#include "platform/fs/windows_path.h"

namespace pemo::shell {
namespace {

// The colour of a control's text when the menu file gives none: the system's button text.
constexpr std::uint32_t kDefaultForeColor = 0x80000012;

double& edgeOf(page::PageObject& o, Edge edge) {
  switch (edge) {
    case Edge::Left: return o.left;
    case Edge::Top: return o.top;
    case Edge::Width: return o.width;
    default: return o.height;
  }
}

}  // namespace

std::string WindowScriptPage::menuCaption() const { return window_.windowTitle().toStdString(); }

void WindowScriptPage::setMenuCaption(const std::string& caption) { window_.setCaption(caption); }

std::uint32_t WindowScriptPage::menuBackColor() const { return surface_.backColor(); }

void WindowScriptPage::setMenuBackColor(std::uint32_t bgr) { surface_.setBackColor(bgr); }

std::string WindowScriptPage::statusPanel(int panel) const { return window_.statusPanel(panel); }

void WindowScriptPage::setStatusPanel(int panel, const std::string& text) { window_.setStatusPanel(panel, text); }

std::string WindowScriptPage::appFolder() const { return menuPage().runtime().appFolder; }

std::string WindowScriptPage::currentFolder() const { return fs::currentFolder(); }

bool WindowScriptPage::hasElement(ObjectKind kind, int index) const {
  return menuPage().objects().find(kind, index) != nullptr;
}

int WindowScriptPage::upperBound(ObjectKind kind) const { return menuPage().objects().count(kind) - 1; }

page::PageObject& WindowScriptPage::object(ObjectKind kind, int index) const {
  return *menuPage().objects().find(kind, index);
}

int WindowScriptPage::widgetValue(const page::PageObject& o) const {
  QWidget* w = surface_.objectWidget(o.kind, o.index);
  if (auto* radio = qobject_cast<QRadioButton*>(w)) return radio->isChecked() ? 1 : 0;
  if (auto* check = qobject_cast<QCheckBox*>(w)) {
    switch (check->checkState()) {
      case Qt::Checked: return 1;
      case Qt::PartiallyChecked: return 2;
      default: return 0;
    }
  }
  return o.value;
}

void WindowScriptPage::changed(page::PageObject& o) {
  if (o.kind == ObjectKind::Radio || o.kind == ObjectKind::CheckBox) o.value = widgetValue(o);
  surface_.objectChanged(o);
}

std::string WindowScriptPage::caption(ObjectKind kind, int index) const { return object(kind, index).caption; }

void WindowScriptPage::setCaption(ObjectKind kind, int index, const std::string& caption) {
  page::PageObject& o = object(kind, index);
  o.caption = caption;
  changed(o);
}

double WindowScriptPage::edge(ObjectKind kind, int index, Edge edge) const {
  return edgeOf(object(kind, index), edge);
}

void WindowScriptPage::setEdge(ObjectKind kind, int index, Edge edge, double pixels) {
  page::PageObject& o = object(kind, index);
  edgeOf(o, edge) = pixels;
  changed(o);
}

std::uint32_t WindowScriptPage::foreColor(ObjectKind kind, int index) const {
  return object(kind, index).foreColor.value_or(kDefaultForeColor);
}

void WindowScriptPage::setForeColor(ObjectKind kind, int index, std::uint32_t bgr) {
  page::PageObject& o = object(kind, index);
  o.foreColor = bgr;
  changed(o);
}

void WindowScriptPage::setBackColor(ObjectKind kind, int index, std::uint32_t bgr) {
  page::PageObject& o = object(kind, index);
  o.backColor = bgr;
  changed(o);
}

std::string WindowScriptPage::onCursorColor(int labelIndex) const {
  return object(ObjectKind::Label, labelIndex).onCursorColor;
}

void WindowScriptPage::setOnCursorColor(int labelIndex, const std::string& hexDigits) {
  object(ObjectKind::Label, labelIndex).onCursorColor = hexDigits;
}

bool WindowScriptPage::setPicture(ObjectKind kind, int index, const std::string& windowsPath) {
  auto host = fs::toHostPath(menuPage().withMenuDrive(windowsPath));
  if (!host || !surface_.isPicture(*host)) return false;
  page::PageObject& o = object(kind, index);
  o.picture = *host;
  changed(o);
  return true;
}

int WindowScriptPage::value(ObjectKind kind, int index) const { return widgetValue(object(kind, index)); }

void WindowScriptPage::setValue(ObjectKind kind, int index, int value) {
  page::PageObject& target = object(kind, index);
  if (kind == ObjectKind::Radio && value != 0) {
    // Checking a radio button unchecks the others of its container.
    menuPage().objects().forEach([&](page::PageObject& o) {
      if (o.kind != ObjectKind::Radio || o.parentFrame != target.parentFrame || &o == &target) return;
      o.value = 0;
      surface_.objectChanged(o);
    });
  }
  target.value = value;
  surface_.objectChanged(target);
}

QComboBox* WindowScriptPage::combo(int index) const {
  return qobject_cast<QComboBox*>(surface_.objectWidget(ObjectKind::ComboBox, index));
}

int WindowScriptPage::listCount(int comboIndex) const {
  QComboBox* box = combo(comboIndex);
  return box ? box->count() : 0;
}

int WindowScriptPage::listIndex(int comboIndex) const {
  QComboBox* box = combo(comboIndex);
  return box ? box->currentIndex() : -1;
}

void WindowScriptPage::setListIndex(int comboIndex, int item) {
  if (QComboBox* box = combo(comboIndex)) box->setCurrentIndex(item);
}

void WindowScriptPage::insertItem(int comboIndex, const std::string& item, int position) {
  QComboBox* box = combo(comboIndex);
  if (!box) return;
  // Qt makes the first item of an empty list current; an added item is never chosen.
  const bool noneChosen = box->currentIndex() < 0;
  box->insertItem(position, QString::fromStdString(item));
  if (noneChosen) box->setCurrentIndex(-1);
}

}  // namespace pemo::shell
