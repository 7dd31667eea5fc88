#pragma once
// LauWin, the launcher bar: a frameless tool window of program buttons that takes
// dropped files, opens its popup on the right button and is dragged on its background.
// LauncherBar decides; this widget shows it and passes the events in.
#include <QFileIconProvider>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "platform/ui/control_array.h"
#include "platform/ui/outline.h"
#include "runtime/shell/launcher/launcher_bar.h"

class QAction;
class QMenu;

namespace pemo::shell::launcher {

class QtLauncherBar : public QWidget, public LauncherView {
 public:
  QtLauncherBar(page::RuntimeState& runtime, LauncherHost& host, process::ProgramPort& programs);
  ~QtLauncherBar() override;

  LauncherBar& logic() { return bar_; }
  // imgLau: the button of index k (1 the Explorer button), or null.
  QLabel* button(int index) const { return buttons_.at(index); }
  // The popup as it shows for button `index` (0: the background); the widget's own
  // right button runs it modally.
  QMenu* preparePopup(int index);
  QAction* popupItem(int item) const;
  QAction* orientationItem(Orientation orientation) const;
  QAction* sizeItem(int buttonSize) const;

  // LauncherView
  void setButtons(const std::vector<LauncherButton>& buttons) override;
  void setButtonsVisible(bool visible) override;
  void placeBar(const BarRect& rect) override;
  void showBar(bool shown) override;
  void setTopmost(bool topmost) override;
  void setBackground(std::uint32_t bgr) override;
  std::optional<std::uint32_t> chooseColour(std::uint32_t current) override;
  void invertGhost(const BarRect& rect) override;
  void setHoverWatch(bool running) override;
  ui::ScreenSize screenSize() override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildPopup();
  void stopWatchingButtons();
  // A submenu of two ticked choices.
  void choiceMenu(int index, const char* caption, std::array<const char*, 2> choices, QAction* (&items)[2],
                  std::function<void(int)> chosen);
  void showPopup(int index, const QPoint& at);
  QPixmap pictureOf(const ButtonIcon& icon, int size);
  // Gives the buttons still without one their pictures.
  void paintPictures();
  void popupItemChosen(int item);

  ui::ControlArray<QLabel> buttons_;
  QFileIconProvider icons_;
  // Pictures come from the desktop's icon theme, a lookup a start that keeps the bar
  // hidden need not pay: they wait here until the bar shows.
  struct UnpaintedPicture {
    int index;
    ButtonIcon icon;
    int size;
  };
  std::vector<UnpaintedPicture> unpainted_;
  ui::ScreenOutline ghost_;
  QTimer hoverWatch_;
  bool buttonsVisible_ = true;
  bool popupOpen_ = false;
  QMenu* popup_ = nullptr;
  std::map<int, QAction*> popupItems_;  // MnuPop by index
  QAction* orientationItems_[2] = {};   // MnuVec
  QAction* sizeItems_[2] = {};          // MnuSize: 16×16, 32×32
  LauncherBar bar_;
};

}  // namespace pemo::shell::launcher
