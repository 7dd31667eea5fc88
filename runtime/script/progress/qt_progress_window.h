#pragma once
// PRGWIN: the progress window a menu script shows during long work. One instance serves
// the whole runtime; its rules (ProgressWindow) decide what it shows and where. Most
// menus never use it, so QtProgressWindowOnDemand makes the window when a script first
// does, not at the start.
#include <QWidget>
#include <memory>

#include "runtime/script/progress/progress_window.h"

class QLabel;
class QProgressBar;

namespace pemo::script {

class QtProgressWindow : public QWidget, public ProgressWindowView {
  Q_OBJECT

 public:
  // Tells `rules` when the user closes or resizes the window.
  explicit QtProgressWindow(ProgressWindow& rules);

  void showOnTop() override;
  void hide() override;
  void setCaption(const std::string& caption) override;
  void setMessage(const std::string& message) override;
  void setBar(int value) override;
  void setWidth(int pixels) override;
  void setControlWidth(int pixels) override;
  void move(Point topLeft) override;
  Size screenSize() const override;
  Size outerSize() const override;
  int innerWidth() const override;

  QLabel* messageLabel() const { return message_; }
  QProgressBar* bar() const { return bar_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* message_;
  QProgressBar* bar_;
  ProgressWindow& rules_;
};

// The rules with a window that is made on first use.
class QtProgressWindowOnDemand : public ProgressWindowView {
 public:
  ProgressWindow& rules() { return rules_; }
  bool made() const { return window_ != nullptr; }
  // The window, made now when it is not yet.
  QtProgressWindow& window() const;

  void showOnTop() override { window().showOnTop(); }
  void hide() override { window().hide(); }
  void setCaption(const std::string& caption) override { window().setCaption(caption); }
  void setMessage(const std::string& message) override { window().setMessage(message); }
  void setBar(int value) override { window().setBar(value); }
  void setWidth(int pixels) override { window().setWidth(pixels); }
  void setControlWidth(int pixels) override { window().setControlWidth(pixels); }
  void move(Point topLeft) override { window().move(topLeft); }
  Size screenSize() const override { return window().screenSize(); }
  Size outerSize() const override { return window().outerSize(); }
  int innerWidth() const override { return window().innerWidth(); }

 private:
  ProgressWindow rules_{*this};
  // Declared after the rules, so it goes first.
  mutable std::unique_ptr<QtProgressWindow> window_;
};

}  // namespace pemo::script
