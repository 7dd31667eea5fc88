#include "runtime/shell/launcher/qt_launcher_bar.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "platform/fs/windows_path.h"
#include "platform/ui/colours.h"
#include "platform/ui/qt_keyboard_return.h"
#include "platform/ui/shown_text.h"
#include "platform/ui/window_port.h"
#include "runtime/shell/launcher/qt_program_picture.h"

namespace pemo::shell::launcher {
namespace {

// How often the hover watch looks at the cursor while the bar is expanded or dragged.
constexpr int kHoverLookMs = 50;
constexpr int kGhostPen = 2;

// MnuPop's items by index.
enum PopupItem {
  kMostTop = 0,
  kEdgeDock = 1,
  kOrientation = 2,
  kIconSize = 3,
  kBackground = 5,
  kEditRunInfo = 7,
  kDelete = 8,
  kHideMenu = 97,
  kClose = 99,
};

}  // namespace

QtLauncherBar::QtLauncherBar(page::RuntimeState& runtime, LauncherHost& host, process::ProgramPort& programs)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      buttons_(this, [](QWidget* parent) { return new QLabel(parent); }),
      bar_(runtime, *this, host, programs) {
  setAcceptDrops(true);
  // Buttons of programs started by name or with arguments share one picture: the caption
  // in the tooltip is what tells them apart, and the bar is rarely the active window when
  // it is pointed at.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  setMouseTracking(true);
  setAutoFillBackground(true);
  hoverWatch_.setInterval(kHoverLookMs);
  connect(&hoverWatch_, &QTimer::timeout, this, [this] {
    // The popup is modal: the watch waits below it, as it did in its own loop.
    if (popupOpen_) return;
    QPoint cursor = QCursor::pos();
    bar_.hoverTick(cursor.x(), cursor.y());
  });
  buildPopup();
}

// The buttons die after the bar's own part is gone; they must not call back into it.
QtLauncherBar::~QtLauncherBar() { stopWatchingButtons(); }

// A button being deleted still delivers events; the bar stops watching first, so that it never
// asks a half-destroyed label which button it is.
void QtLauncherBar::stopWatchingButtons() {
  buttons_.forEachLoaded([this](int, QLabel* label) { label->removeEventFilter(this); });
}

void QtLauncherBar::buildPopup() {
  popup_ = new QMenu(this);
  auto item = [this](QMenu* menu, int index, const char* caption, bool checkable) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, index] { popupItemChosen(index); });
    popupItems_[index] = action;
    return action;
  };
  item(popup_, kMostTop, "常に手前に表示(&F)", true);
  item(popup_, kEdgeDock, "画面の端に移動(&E)", true);
  choiceMenu(kOrientation, "表示方向(&V)", {"横方向(&W)", "縦方向(&L)"}, orientationItems_,
             [this](int i) { bar_.setOrientation(static_cast<Orientation>(i)); });
  choiceMenu(kIconSize, "ｱｲｺﾝのｻｲｽﾞ(&S)", {"16×16", "32×32"}, sizeItems_,
             [this](int i) { bar_.setButtonSize(i == 0 ? kSmallButton : kLargeButton); });
  item(popup_, kBackground, "背景色の設定(&B)", false);
  popup_->addSeparator();
  QAction* edit = item(popup_, kEditRunInfo, "実行情報の編集(&E)", false);
  popup_->setDefaultAction(edit);
  QFont bold = edit->font();
  bold.setBold(true);
  edit->setFont(bold);
  item(popup_, kDelete, "削除(&D)", false);
  popup_->addSeparator();
  item(popup_, kHideMenu, "ﾒﾆｭｰを非表示(&H)", true);
  popup_->addSeparator();
  item(popup_, kClose, "ﾗﾝﾁｬを閉じる(&X)", false);
}

void QtLauncherBar::choiceMenu(int index, const char* caption, std::array<const char*, 2> choices,
                               QAction* (&items)[2], std::function<void(int)> chosen) {
  QMenu* menu = popup_->addMenu(QString::fromUtf8(caption));
  popupItems_[index] = menu->menuAction();
  for (int i = 0; i < 2; ++i) {
    items[i] = menu->addAction(QString::fromUtf8(choices[i]));
    items[i]->setCheckable(true);
    connect(items[i], &QAction::triggered, this, [chosen, i] { chosen(i); });
  }
}

QMenu* QtLauncherBar::preparePopup(int index) {
  bar_.rightClicked(index);
  const PopupState state = bar_.popupState();
  popupItems_[kMostTop]->setChecked(state.mostTop);
  popupItems_[kEdgeDock]->setChecked(state.edgeDock);
  popupItems_[kOrientation]->setEnabled(!state.edgeDock);
  orientationItems_[0]->setChecked(state.orientation == Orientation::Horizontal);
  orientationItems_[1]->setChecked(state.orientation == Orientation::Vertical);
  sizeItems_[0]->setChecked(state.buttonSize == kSmallButton);
  sizeItems_[1]->setChecked(state.buttonSize != kSmallButton);
  popupItems_[kDelete]->setEnabled(state.deleteEnabled);
  popupItems_[kHideMenu]->setChecked(state.hideMenu);
  popupItems_[kClose]->setText(QString::fromUtf8(state.closeCaption));
  return popup_;
}

QAction* QtLauncherBar::popupItem(int item) const {
  auto found = popupItems_.find(item);
  return found == popupItems_.end() ? nullptr : found->second;
}

QAction* QtLauncherBar::orientationItem(Orientation orientation) const {
  return orientationItems_[static_cast<int>(orientation)];
}

QAction* QtLauncherBar::sizeItem(int buttonSize) const { return sizeItems_[buttonSize == kSmallButton ? 0 : 1]; }

void QtLauncherBar::showPopup(int index, const QPoint& at) {
  preparePopup(index);
  popupOpen_ = true;
  popup_->exec(at);
  popupOpen_ = false;
}

void QtLauncherBar::popupItemChosen(int item) {
  switch (item) {
    case kMostTop: bar_.toggleMostTop(); break;
    case kEdgeDock: bar_.toggleEdgeDock(); break;
    case kBackground: bar_.chooseBackground(); break;
    case kEditRunInfo: bar_.editRunInfo(); break;
    case kDelete: bar_.deleteLauncherEntry(); break;
    case kHideMenu: bar_.toggleHideMenu(); break;
    case kClose:
      if (bar_.closeItem()) hide();
      break;
    default: break;
  }
}

QPixmap QtLauncherBar::pictureOf(const ButtonIcon& icon, int size) {
  QPixmap picture;
  switch (icon.kind) {
    case ButtonIcon::Folder: picture = icons_.icon(QAbstractFileIconProvider::Folder).pixmap(size, size); break;
    case ButtonIcon::File:
      picture = icons_.icon(QFileInfo(QString::fromStdString(icon.hostPath))).pixmap(size, size);
      break;
    case ButtonIcon::None: break;
  }
  return picture.isNull() ? programPicture(size) : picture;
}

void QtLauncherBar::setButtons(const std::vector<LauncherButton>& buttons) {
  stopWatchingButtons();
  buttons_.unloadAll();
  unpainted_.clear();
  for (const LauncherButton& b : buttons) {
    QLabel* label = buttons_.load(b.index);
    label->setGeometry(b.rect.left, b.rect.top, b.rect.width, b.rect.height);
    label->setAlignment(Qt::AlignCenter);
    unpainted_.push_back({b.index, b.icon, b.rect.width});
    label->setToolTip(ui::shownText(b.tooltip));
    label->setMouseTracking(true);
    label->installEventFilter(this);
    label->setVisible(buttonsVisible_);
  }
  if (isVisible()) paintPictures();
}

void QtLauncherBar::paintPictures() {
  for (const UnpaintedPicture& p : unpainted_)
    if (QLabel* label = buttons_.at(p.index)) label->setPixmap(pictureOf(p.icon, p.size));
  unpainted_.clear();
}

void QtLauncherBar::showEvent(QShowEvent* event) {
  paintPictures();
  QWidget::showEvent(event);
}

void QtLauncherBar::setButtonsVisible(bool visible) {
  buttonsVisible_ = visible;
  buttons_.forEachLoaded([visible](int, QLabel* label) { label->setVisible(visible); });
}

void QtLauncherBar::placeBar(const BarRect& rect) { setGeometry(rect.left, rect.top, rect.width, rect.height); }

void QtLauncherBar::showBar(bool shown) { setVisible(shown); }

void QtLauncherBar::setTopmost(bool topmost) {
  if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) return;
  const bool shown = isVisible();
  const QRect place = geometry();
  setWindowFlag(Qt::WindowStaysOnTopHint, topmost);  // hides the window
  setGeometry(place);
  if (shown) show();
}

void QtLauncherBar::setBackground(std::uint32_t bgr) {
  QPalette p = palette();
  p.setColor(QPalette::Window, ui::colourFromBgr(bgr));
  setPalette(p);
}

std::optional<std::uint32_t> QtLauncherBar::chooseColour(std::uint32_t current) {
  ui::KeyboardReturn keyboard;
  QColor colour = QColorDialog::getColor(ui::colourFromBgr(current), this);
  if (!colour.isValid()) return std::nullopt;
  return ui::bgrFromColour(colour);
}

void QtLauncherBar::invertGhost(const BarRect& rect) {
  ghost_.invert(QRect(rect.left, rect.top, rect.width, rect.height), kGhostPen);
}

void QtLauncherBar::setHoverWatch(bool running) {
  if (running)
    hoverWatch_.start();
  else
    hoverWatch_.stop();
}

ui::ScreenSize QtLauncherBar::screenSize() { return ui::windowPort().screenSize(); }

void QtLauncherBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) bar_.pressed(event->position().toPoint().x(), event->position().toPoint().y());
}

void QtLauncherBar::mouseMoveEvent(QMouseEvent* event) {
  bar_.mouseMoved();
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint local = event->position().toPoint();
  const QPoint global = event->globalPosition().toPoint();
  bar_.dragMoved(local.x(), local.y(), global.x(), global.y());
}

void QtLauncherBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) bar_.released();
  if (event->button() == Qt::RightButton) showPopup(0, event->globalPosition().toPoint());
}

void QtLauncherBar::enterEvent(QEnterEvent* event) {
  bar_.mouseMoved();
  QWidget::enterEvent(event);
}

void QtLauncherBar::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void QtLauncherBar::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) paths.push_back(fs::toWindowsPath(url.toLocalFile().toStdString()));
  bar_.dropFiles(paths);
  event->acceptProposedAction();
}

void QtLauncherBar::closeEvent(QCloseEvent* event) { event->setAccepted(bar_.unload()); }

bool QtLauncherBar::eventFilter(QObject* watched, QEvent* event) {
  const int index = buttons_.indexOf(watched);
  if (index == 0) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove: bar_.mouseMoved(); break;
    case QEvent::MouseButtonPress: return true;  // a button is no place to start a drag
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      const bool inside = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
      if (mouse->button() == Qt::LeftButton && inside) bar_.buttonClicked(index);
      if (mouse->button() == Qt::RightButton) showPopup(index, mouse->globalPosition().toPoint());
      return true;
    }
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pemo::shell::launcher
