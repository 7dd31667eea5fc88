#include "editor/workspace/window/menu_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <cmath>

#include "editor/document/document_lifecycle.h"
#include "editor/document/object_look.h"
#include "editor/workspace/window/object_widgets.h"
#include "editor/workspace/window/pointer_stop.h"
#include "platform/ui/colours.h"
#include "platform/ui/picture_file.h"
#include "platform/ui/qt_outer_place.h"
#include "platform/ui/window_table.h"

namespace pemo::editor {

namespace {

const char* const kAddObjectItems[] = {"ﾗﾍﾞﾙ(&L)",     "ﾎﾞﾀﾝ(&B)",       "ﾋﾟｸﾁｬﾎﾞﾀﾝ(&P)", "ｲﾒｰｼﾞ(&I)",
                                       "ﾗｼﾞｵﾎﾞﾀﾝ(&R)", "ﾁｪｯｸﾎﾞｯｸｽ(&C)", "ﾌﾚｰﾑ(&F)",       "ｺﾝﾎﾞﾎﾞｯｸｽ(&M)"};

// The Windows key code of a Qt key: letters and the three keys the window
// knows.
int keyCode(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  switch (qtKey) {
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_F1: return kKeyF1;
    case Qt::Key_F5: return kKeyF5;
  }
  return 0;
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? kShiftBit : 0) | (modifiers & Qt::ControlModifier ? kCtrlBit : 0) |
         (modifiers & Qt::AltModifier ? kAltBit : 0);
}

int px(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

MenuWindow::MenuWindow(EditorState& state, EditorWorkspace& workspace, std::unique_ptr<MenuDocument> document)
    : state_(state), workspace_(workspace), document_(std::move(document)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFocusPolicy(Qt::StrongFocus);
  handle_ = static_cast<std::uint32_t>(ui::registerWindow(this));
  surface_ = std::make_unique<SurfaceEvents>(*this, state_, workspace_);
  tiles_ = new ui::TiledBackground(this);
  buildPopup();
}

MenuWindow::~MenuWindow() = default;

void MenuWindow::buildPopup() {
  popup_ = new QMenu(this);
  auto item = [this](int number, const QString& caption, EditorCommand command, int argument = 0) {
    QAction* action = popup_->addAction(caption);
    connect(action, &QAction::triggered, this, [this, command, argument] { run(command, argument); });
    popupItems_[number] = action;
    return action;
  };
  auto separator = [this](int number) { popupItems_[number] = popup_->addSeparator(); };
  QMenu* add = popup_->addMenu("ｵﾌﾞｼﾞｪｸﾄの追加(&A)");
  popupItems_[0] = add->menuAction();
  for (int code = 0; code < 8; ++code) {
    QAction* action = add->addAction(kAddObjectItems[code]);
    connect(action, &QAction::triggered, this, [this, code] { run(EditorCommand::AddObject, code); });
  }
  separator(1);
  item(2, "ｺﾋﾟｰ(&C)", EditorCommand::Copy);
  item(3, "切り取り(&X)", EditorCommand::Cut);
  item(4, "貼り付け(&V)", EditorCommand::Paste);
  separator(5);
  popupItems_[5]->setVisible(false);
  item(6, "削除(&D)", EditorCommand::Delete);
  separator(7);
  item(8, "新しいﾒﾆｭｰ(&N)", EditorCommand::NewMenu);
  item(9, "ﾒﾆｭｰを開く(&O)", EditorCommand::OpenMenu);
  item(10, "このﾒﾆｭｰを上書き保存(&S)", EditorCommand::SaveMenu);
  item(11, "このﾒﾆｭｰを名前を付けて保存(&F)", EditorCommand::SaveMenuAs);
  separator(12);
  item(14, "ｽｸﾘﾌﾟﾄの編集(&E)", EditorCommand::EditScript);
  item(15, "ｵﾌﾞｼﾞｪｸﾄの位置を固定する(&L)", EditorCommand::ToggleLock)->setCheckable(true);
}

void MenuWindow::load(const QPoint& place) {
  loadMenuDocument(*document_, state_, handle_);
  setWindowTitle(QString::fromStdString(document_->caption));
  placeWindow(place);
  showDocument();
  loaded_ = true;
}

void MenuWindow::placeWindow(const QPoint& place) {
  const auto& twips = document_->windowTwips;
  double tx = state_.twipsPerPixelX, ty = state_.twipsPerPixelY;
  if (twips.width && twips.height) {
    resize(std::max(px(*twips.width / tx), 120), std::max(px(*twips.height / ty), 80));
  } else {
    // Large enough for every object on the page, as the runtime's page shows them.
    QSize extent(320, 240);
    for (ObjectRef ref : document_->stacking()) {
      const MenuObject* object = document_->find(ref);
      if (!object || object->frame > 0) continue;
      extent = extent.expandedTo(QSize(px(object->left + object->width) + 16, px(object->top + object->height) + 16));
    }
    resize(extent);
  }
  // The menu's place is its frame's, as the strip and the property window count theirs.
  if (twips.left && twips.top) ui::moveOuter(this, QPoint(px(*twips.left / tx), px(*twips.top / ty)));
  else ui::moveOuter(this, place);
}

void MenuWindow::showDocument() {
  const ui::PicturesReadOnce pictures;  // a page names the same few pictures on many objects
  menuAttributesChanged();
  // Frames first, so that the objects inside them find their container.
  for (bool frames : {true, false})
    for (ObjectRef ref : document_->stacking())
      if ((ref.kind == ObjectKind::Frame) == frames) addWidget(ref);
  restackAll();
  overlay_ = new ui::OutlineOverlay(this);
}

QWidget* MenuWindow::createWidget(const MenuObject& object) {
  QWidget* parent = this;
  if (object.frame > 0) {
    if (QWidget* frame = objectWidget({ObjectKind::Frame, object.frame})) parent = frame;
  }
  return createObjectWidget(parent, object);
}

QWidget* MenuWindow::objectWidget(ObjectRef object) const {
  auto it = widgets_.find(key(object));
  return it == widgets_.end() ? nullptr : it->second;
}

QWidget* MenuWindow::addWidget(ObjectRef ref) {
  const MenuObject* object = document_->find(ref);
  if (!object) return nullptr;
  objectRemoved(ref);
  // A new child is the last of its container's, so on top of the others (the outline
  // overlay raises itself above it).
  QWidget* widget = createWidget(*object);
  widgets_[key(ref)] = widget;
  surface_->watch(widget, ref);
  return widget;
}

void MenuWindow::objectAdded(ObjectRef ref) {
  dropHeldPicture();
  if (QWidget* widget = addWidget(ref)) placeInStacking(ref, widget);
}

void MenuWindow::objectsAdded(const std::vector<ObjectRef>& objects) {
  PointerStop stop(this);
  for (ObjectRef ref : objects) objectAdded(ref);
}

// Beneath the nearest object stacked above it in the same container, if any: the cost
// follows what was added, not how many objects the window holds. An object above with no
// widget yet comes in the same paste, later, and its widget will go on top: this one
// stays where it was made, on top for now.
void MenuWindow::placeInStacking(ObjectRef ref, QWidget* widget) {
  for (ObjectRef above = document_->stackedAbove(ref); above.index != 0; above = document_->stackedAbove(above)) {
    QWidget* aboveWidget = objectWidget(above);
    if (!aboveWidget) return;
    if (aboveWidget->parentWidget() == widget->parentWidget()) {
      widget->stackUnder(aboveWidget);
      return;
    }
  }
}

void MenuWindow::objectChanged(ObjectRef ref) {
  const MenuObject* object = document_->find(ref);
  QWidget* widget = objectWidget(ref);
  if (!object || !widget) return;
  dropHeldPicture();
  // A move into or out of a frame needs a widget under its new container.
  QWidget* container = object->frame > 0 ? objectWidget({ObjectKind::Frame, object->frame}) : this;
  if (widget->parentWidget() != container) {
    objectAdded(ref);
    return;
  }
  showObject(widget, *object);
}

void MenuWindow::objectRemoved(ObjectRef ref) {
  auto it = widgets_.find(key(ref));
  if (it == widgets_.end()) return;
  dropHeldPicture();
  QWidget* widget = it->second;
  // A frame's widget takes the widgets inside it along.
  std::erase_if(widgets_, [widget](const auto& entry) { return entry.second == widget || widget->isAncestorOf(entry.second); });
  // The widget may be the one whose press is being handled (its own popup deletes it):
  // it goes once that press is over.
  widget->hide();
  widget->removeEventFilter(surface_.get());
  widget->deleteLater();
}

void MenuWindow::restackAll() {
  for (ObjectRef ref : document_->stacking())
    if (QWidget* widget = objectWidget(ref)) widget->raise();
  if (overlay_) overlay_->raise();
}

void MenuWindow::dropHeldPicture() {
  if (overlay_) overlay_->dropBackground();
}

void MenuWindow::menuAttributesChanged() {
  dropHeldPicture();
  setWindowTitle(QString::fromStdString(document_->caption));
  QPalette background = palette();
  background.setColor(QPalette::Window, ui::colourFromBgr(document_->backColor));
  setPalette(background);
  setAutoFillBackground(true);
  // As on the page, painted tiles stay and a new picture paints over them.
  const std::string tiling = hostPicturePath(document_->tilingImage);
  if (!tiling.empty() && tiling != tiledPicture_) {
    tiledPicture_ = tiling;
    tiles_->tileOverScreen(tiling);
  }
}

void MenuWindow::run(EditorCommand command, int argument) {
  if (command == EditorCommand::Delete) workspace_.menuWindowDelete(*document_, handle_);
  else workspace_.run(command, CommandSource::MenuWindow, argument);
}

void MenuWindow::showSurfacePopup(const QPoint& globalPosition) {
  cancelBand();
  SurfacePopupState state = surfacePopupState(state_, *document_);
  for (int number : {2, 3, 6}) popupItems_[number]->setEnabled(false);
  popupItems_[4]->setEnabled(state.paste);
  popupItems_[14]->setEnabled(state.editScript);
  popupItems_[15]->setChecked(state.lockChecked);
  popup_->popup(globalPosition);
}

void MenuWindow::showObjectPopup(const SurfacePopupState& items) {
  // The button that held the picture may be let go over the popup, out of this window's
  // sight.
  dropHeldPicture();
  for (int number : {2, 3, 6}) popupItems_[number]->setEnabled(true);
  popupItems_[4]->setEnabled(items.paste);
  popupItems_[14]->setEnabled(items.editScript);
  popupItems_[15]->setChecked(items.lockChecked);
  popup_->exec(QCursor::pos());
  leaveWidgetsThePointerLeft();
}

void MenuWindow::leaveWidgetsThePointerLeft() {
  // The popup took the pointer from the pressed object, often during a drag that had moved
  // it away: that object may not have been told the pointer left, or told without the
  // hover's end (which Qt holds back while a popup is open), and would go on looking
  // hovered (a combo box's lit arrow button) until the pointer came back.
  const QPoint at = QCursor::pos();
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (widget->rect().contains(widget->mapFromGlobal(at))) continue;
    if (widget->underMouse()) {
      widget->setAttribute(Qt::WA_UnderMouse, false);
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(widget, &leave);
    }
    if (widget->testAttribute(Qt::WA_Hover)) {
      QHoverEvent hoverLeave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(at), widget->mapFromGlobal(QPointF(at)));
      QApplication::sendEvent(widget, &hoverLeave);
    }
  }
}

void MenuWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !loaded_) return;
  // Another window may change the objects; they must show.
  if (!isActiveWindow()) dropHeldPicture();
  if (isActiveWindow()) {
    surface().activated();
    workspace_.menuWindowActivated(*document_, handle_);
  } else {
    surface().deactivated(dynamic_cast<MenuWindow*>(QApplication::activeWindow()) != nullptr);
  }
}

void MenuWindow::closeEvent(QCloseEvent* event) {
  if (!workspace_.menuWindowMayClose(*document_)) {
    event->ignore();
    return;
  }
  workspace_.menuWindowClosed(*document_);
  event->accept();
  if (closed_) closed_(this);
}

void MenuWindow::keyPressEvent(QKeyEvent* event) {
  auto command = menuWindowKeyCommand(keyCode(event->key()), shiftState(event->modifiers()));
  if (!command) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (*command == EditorCommand::RunStart && state_.testRunActive) return;
  run(*command);
}

void MenuWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    showSurfacePopup(event->globalPosition().toPoint());
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  surface().surfacePressed();
  banding_ = true;
  bandStart_ = bandEnd_ = event->position().toPoint();
  band_ = QRect();
}

void MenuWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!banding_ || event->buttons() != Qt::LeftButton) return;
  overlay_->holdBackground();
  if (!band_.isNull()) overlay_->invert(band_, 1);
  bandEnd_ = event->position().toPoint();
  band_ = QRect(bandStart_, bandEnd_).normalized();
  overlay_->invert(band_, 1);
}

void MenuWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !banding_) return;
  banding_ = false;
  if (!band_.isNull()) {
    overlay_->invert(band_, 1);
    // The marks go on the held picture too: selecting changes no object.
    surface().selectInBand(bandStart_.x(), bandStart_.y(), bandEnd_.x(), bandEnd_.y());
  }
  overlay_->releaseBackground();
  band_ = QRect();
  // A click on the empty surface selects the menu itself.
  if (!surface().surfaceClicked()) return;
  workspace_.surfaceClicked(*document_, handle_);
  popupItems_[0]->setEnabled(true);
}

void MenuWindow::cancelBand() {
  if (!banding_) return;
  banding_ = false;
  if (!band_.isNull()) overlay_->invert(band_, 1);
  band_ = QRect();
  overlay_->releaseBackground();
}

void MenuWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (overlay_) overlay_->setGeometry(rect());
  if (loaded_ && isActiveWindow()) workspace_.menuWindowResized();
}

}  // namespace pemo::editor
