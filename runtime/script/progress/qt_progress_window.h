#pragma once
// PRGWIN: the progress window a menu script shows during long work. One instance serves
// the whole runtime; its rules (ProgressWindow) decide what it shows and where.
#include <QWidget>

#include "runtime/script/progress/progress_window.h"

class QLabel;
class QProgressBar;

namespace pemo::script {

class QtProgressWindow : public QWidget, public ProgressWindowView {
  Q_OBJECT

 public:
  QtProgressWindow();
  ProgressWindow& rules() { return rules_; }

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
  ProgressWindow rules_{*this};
};

}  // namespace pemo::script
