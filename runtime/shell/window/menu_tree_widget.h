#pragma once
// The tree control `TV`: a QTreeWidget whose key presses are handled inside a call the
// window supplies, so that the window knows which expansions one key press made.
#include <QKeyEvent>
#include <QTreeWidget>
#include <functional>

namespace pemo::shell {

class MenuTreeWidget : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  // Runs the tree's own handling of a key press it is given.
  using KeyHandling = std::function<void(const std::function<void()>& handleKey)>;
  void setKeyHandling(KeyHandling around) { around_ = std::move(around); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!around_) {
      QTreeWidget::keyPressEvent(event);
      return;
    }
    around_([this, event] { QTreeWidget::keyPressEvent(event); });
  }

 private:
  KeyHandling around_;
};

}  // namespace pemo::shell
