#include "editor/property/window/property_window.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>
#include <cmath>

#include "editor/document/registry_recent_key.h"
#include "kovan/kovan.h"
#include "platform/ui/colours.h"
#include "platform/ui/fonts.h"
#include "platform/ui/shown_text.h"
#include "platform/ui/window_table.h"

namespace pemo::editor::property {

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr std::uint32_t kCaptionBlue = 0xFF0000;  // BGR

int pixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
QRect pixelRect(const TwipsRect& r, int widenTwips = 0) {
  return QRect(pixels(r.left), pixels(r.top), pixels(r.width + widenTwips), pixels(r.height));
}

std::string propertyWindowKey() { return std::string(kEditorRegistrySubKey) + "\\Property Window"; }

void setLabelBackground(QLabel* label, std::uint32_t bgr) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, ui::colourFromBgr(bgr));
  label->setPalette(palette);
}

void showListState(QComboBox* list, const std::vector<std::string>& entries, const RowState& row) {
  if (list->count() != static_cast<int>(entries.size())) {
    list->clear();
    for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
  }
  list->setEnabled(row.enabled);
  list->setCurrentIndex(row.listIndex);
}

}  // namespace

PropertyWindow::PropertyWindow(PropertySheet& sheet, QWidget* parent)
    : QWidget(parent, Qt::Tool), sheet_(sheet) {
  setWindowTitle(QString::fromUtf8(kPropertyCaption));
  resize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
  objectList_ = new QComboBox(this);
  connect(objectList_, &QComboBox::activated, this,
          [this](int position) { sheet_.objectListClicked(position); });
  buildRows();
  dialogButton_ = new QToolButton(this);
  dialogButton_->setText("...");
  dialogButton_->setGeometry(0, 0, pixels(kDialogButtonTwips), pixels(kDialogButtonTwips));
  dialogButton_->setFocusPolicy(Qt::NoFocus);
  dialogButton_->hide();
  connect(dialogButton_, &QToolButton::clicked, this, [this] { sheet_.dialogButtonClicked(); });
  objectList_->installEventFilter(this);
  placeEditors();
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WindowShortcut);
  connect(help, &QShortcut::activated, this, [this] {
    if (onHelp_) onHelp_();
  });
  ui::registerWindow(this);
  sheet_.setView(this);
}

PropertyWindow::~PropertyWindow() {
  // Editors losing the focus while they go must not reach the sheet.
  for (int row = 0; row < kRowCount; ++row) rowEditor(row)->removeEventFilter(this);
  objectList_->removeEventFilter(this);
  sheet_.setView(nullptr);
}

void PropertyWindow::buildRows() {
  ui::Font labelFont;
  labelFont.bold = true;
  for (int row = 0; row < kRowCount; ++row) {
    const GridRow& gridRow = gridRows()[row];
    QLabel* label = new QLabel(QString::fromUtf8(gridRow.caption), this);
    label->setGeometry(pixelRect(captionLabelRect(row)));
    label->setToolTip(QString::fromUtf8(gridRow.helpText));
    label->setFont(ui::displayFont(labelFont));
    label->setAutoFillBackground(true);
    // Blue while enabled; a disabled row's caption greys as the platform draws it.
    QPalette palette = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
      palette.setColor(group, QPalette::WindowText, ui::colourFromBgr(kCaptionBlue));
    label->setPalette(palette);
    setLabelBackground(label, kWindowColour);
    labels_[row] = label;

    QWidget* editor = nullptr;
    if (gridRow.textBox >= 0) {
      auto* box = new QLineEdit(this);
      connect(box, &QLineEdit::textEdited, this,
              [this, row](const QString& text) { sheet_.rowTyped(row, text.toStdString()); });
      textBoxes_[gridRow.textBox] = box;
      editor = box;
    } else {
      editor = makeList(row);
    }
    editor->installEventFilter(this);
  }
  // The tab order runs down the rows.
  for (int row = 1; row < kRowCount; ++row) setTabOrder(rowEditor(row - 1), rowEditor(row));
}

QComboBox* PropertyWindow::makeList(int row) {
  auto* list = new QComboBox(this);
  // Only the user's choice counts; the grid's own loading sets the index unheard.
  connect(list, &QComboBox::activated, this, [this, row](int index) { sheet_.listChosen(row, index); });
  switch (gridRows()[row].list) {
    case ChoiceList::Style: styleList_ = list; break;
    case ChoiceList::UnloadMode: unloadModeList_ = list; break;
    default: pictureSizeList_ = list; break;
  }
  return list;
}

QComboBox* PropertyWindow::choiceList(ChoiceList list) const {
  switch (list) {
    case ChoiceList::Style: return styleList_;
    case ChoiceList::UnloadMode: return unloadModeList_;
    case ChoiceList::PictureSize: return pictureSizeList_;
    case ChoiceList::None: break;
  }
  return nullptr;
}

QWidget* PropertyWindow::rowEditor(int row) const {
  const GridRow& gridRow = gridRows().at(row);
  if (gridRow.textBox >= 0) return textBoxes_[gridRow.textBox];
  return choiceList(gridRow.list);
}

void PropertyWindow::placeEditors() {
  objectList_->setGeometry(pixelRect(kObjectListRect, widenTwips_));
  for (int row = 0; row < kRowCount; ++row)
    rowEditor(row)->setGeometry(pixelRect(rowEditorRect(row), widenTwips_));
}

void PropertyWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // On show, so that the stored outer size is restored with the frame known.
  if (!sheet_.loaded()) sheet_.load();
}

void PropertyWindow::restorePlace() {
  // The window starts from its design size; the stored place may widen it.
  widenTwips_ = 0;
  resizeRule_.start(kClientWidthTwips, kClientHeightTwips);
  resize(pixels(kClientWidthTwips), pixels(kClientHeightTwips));
  placeEditors();
  kovan::KovanObject().GetWindowPositionReg(ui::registerWindow(this), propertyWindowKey(), true,
                                            kovan::Variant(true));
}

void PropertyWindow::savePlace() {
  kovan::KovanObject().SetWindowPositionReg(ui::registerWindow(this), propertyWindowKey());
}

void PropertyWindow::showGrid() {
  const PropertyGrid& grid = sheet_.grid();
  setWindowTitle(QString::fromStdString(grid.caption));
  for (int row = 0; row < kRowCount; ++row) {
    const RowState& state = grid.rows[row];
    labels_[row]->setEnabled(state.enabled);
    setLabelBackground(labels_[row], grid.labelBackColors[row]);
    const GridRow& gridRow = gridRows()[row];
    if (gridRow.textBox >= 0) {
      QLineEdit* box = textBoxes_[gridRow.textBox];
      QSignalBlocker blocker(box);
      box->setEnabled(state.enabled);
      if (box->text().toStdString() != state.text) box->setText(QString::fromStdString(state.text));
    } else {
      QComboBox* list = choiceList(gridRow.list);
      QSignalBlocker blocker(list);
      showListState(list, grid.entries(gridRow.list), state);
    }
  }
  showObjectList(grid);
  showDialogButton(grid);
}

void PropertyWindow::showObjectList(const PropertyGrid& grid) {
  QSignalBlocker blocker(objectList_);
  // Most redraws follow a row's edit and leave the list as it was; a paste or a delete
  // changes one stretch of it. Only that stretch is replaced, so that a long list costs
  // what changed in it. A caption of any length is shown cut, as every list shows it.
  const std::vector<std::string>& entries = grid.objectList.entries;
  if (entries != shownObjectList_) {
    const std::size_t oldSize = shownObjectList_.size(), newSize = entries.size();
    std::size_t head = 0;
    while (head < oldSize && head < newSize && shownObjectList_[head] == entries[head]) ++head;
    std::size_t tail = 0;
    while (tail < oldSize - head && tail < newSize - head &&
           shownObjectList_[oldSize - 1 - tail] == entries[newSize - 1 - tail])
      ++tail;
    objectList_->model()->removeRows(static_cast<int>(head), static_cast<int>(oldSize - head - tail));
    QStringList inserted;
    for (std::size_t i = head; i < newSize - tail; ++i) inserted << ui::shownText(entries[i]);
    objectList_->insertItems(static_cast<int>(head), inserted);
    shownObjectList_ = entries;
  }
  objectList_->setCurrentIndex(grid.objectListSelection);
  objectList_->setEnabled(grid.objectListEnabled);
}

// At the right end of the row's text box.
void PropertyWindow::showDialogButton(const PropertyGrid& grid) {
  if (grid.dialogButtonVisible && grid.dialogButtonRow >= 0) {
    const QRect box = rowEditor(grid.dialogButtonRow)->geometry();
    dialogButton_->move(box.right() + 1 - dialogButton_->width(), box.top());
    dialogButton_->raise();
  }
  dialogButton_->setVisible(grid.dialogButtonVisible);
}

void PropertyWindow::closeEvent(QCloseEvent* event) {
  // The next showing starts with no row in hand: a focus kept here would come back with
  // the window and highlight its row again. Leaving the row commits what was typed.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  sheet_.unload();
  event->accept();
}

void PropertyWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  auto outcome = resizeRule_.resized(width() * kTwipsPerPixel);
  if (!outcome) return;
  if (outcome->widen != 0) {
    widenTwips_ += outcome->widen;
    placeEditors();
  }
  int fixedHeight = pixels(outcome->fixedHeight);
  if (height() != fixedHeight) resize(width(), fixedHeight);
}

void PropertyWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && onActivated_) onActivated_();
}

int PropertyWindow::rowOfEditor(const QObject* editor) const {
  for (int row = 0; row < kRowCount; ++row)
    if (rowEditor(row) == editor) return row;
  return -1;
}

bool PropertyWindow::eventFilter(QObject* watched, QEvent* event) {
  const int row = rowOfEditor(watched);
  // A text box's own context menu takes the focus only while it is open: the row is
  // still being edited, and what it pastes belongs to the same value.
  if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason && row >= 0 && !isListRow(row))
    return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      if (row >= 0)
        sheet_.rowFocused(row);
      else if (watched == objectList_)
        sheet_.otherControlFocused();
      // The grid drawn for the focus may have turned this very row off, and the focus
      // gone on to the next row meanwhile: the editor must not then start its caret, or
      // a disabled row would blink beside the focused one.
      if (auto* widget = qobject_cast<QWidget*>(watched); widget && !widget->hasFocus()) return true;
      break;
    case QEvent::FocusOut:
      if (row >= 0 && !isListRow(row)) sheet_.rowLeft(row);
      break;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (row < 0 || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) break;
      // Enter is a key typed like any other, then the focus goes on to the next row.
      if (auto* box = qobject_cast<QLineEdit*>(watched)) sheet_.rowTyped(row, box->text().toStdString());
      focusNextChild();
      return true;
    }
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pemo::editor::property
