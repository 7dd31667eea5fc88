#pragma once
// The progress window's rules: a one-line message above a bar of 0 to 100, placed at a
// corner or the centre of the screen. The window (a widget) shows what this decides.
#include <optional>
#include <string>

namespace pemo::script {

struct Size {
  int width = 0;
  int height = 0;
};

struct Point {
  int left = 0;
  int top = 0;
};

// Where alignment `align` puts a window of the given outer size: 0 top right, 1 bottom
// right, 2 top left, 3 bottom left, 4 centre; any other value leaves it where it is.
std::optional<Point> alignedPosition(int align, Size screen, Size window);

// The margin on each side of the message and the bar, in pixels.
inline constexpr int kProgressMargin = 8;

// The window the rules drive.
class ProgressWindowView {
 public:
  virtual ~ProgressWindowView() = default;
  // Shows the window without waiting and puts it on top of all windows.
  virtual void showOnTop() = 0;
  virtual void hide() = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual void setMessage(const std::string& message) = 0;
  virtual void setBar(int value) = 0;
  // The outer width in pixels; the height stays.
  virtual void setWidth(int pixels) = 0;
  // Gives the message and the bar this width, at the left margin.
  virtual void setControlWidth(int pixels) = 0;
  virtual void move(Point topLeft) = 0;
  virtual Size screenSize() const = 0;
  virtual Size outerSize() const = 0;
  virtual int innerWidth() const = 0;
};

class ProgressWindow {
 public:
  explicit ProgressWindow(ProgressWindowView& view) : view_(view) {}

  // True while the window is shown (loaded).
  bool loaded() const { return loaded_; }
  // Shows the window on top when it is not shown.
  void load();
  // 0 to 100 sets the bar (showing the window); any other value closes a shown window.
  void setValue(int value);
  // Places the window by the alignment and remembers it for later resizes.
  void setAlign(int align);
  void setCaption(const std::string& caption);
  void setMessage(const std::string& message);
  // The outer width in pixels (from 1); the window keeps its corner.
  void setWidth(int pixels);
  // The window's size changed: the controls follow and the remembered alignment holds.
  void resized();
  // The window was closed (by the user or the program).
  void closed() { loaded_ = false; }
  int lastAlign() const { return lastAlign_; }

 private:
  ProgressWindowView& view_;
  bool loaded_ = false;
  int lastAlign_ = 0;
};

}  // namespace pemo::script
