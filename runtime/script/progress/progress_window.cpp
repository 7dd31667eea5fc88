#include "runtime/script/progress/progress_window.h"

#include <algorithm>

namespace pemo::script {

std::optional<Point> alignedPosition(int align, Size screen, Size window) {
  const int right = screen.width - window.width;
  const int bottom = screen.height - window.height;
  switch (align) {
    case 0: return Point{right, 0};
    case 1: return Point{right, bottom};
    case 2: return Point{0, 0};
    case 3: return Point{0, bottom};
    case 4: return Point{right / 2, bottom / 2};
    default: return std::nullopt;
  }
}

void ProgressWindow::load() {
  if (loaded_) return;
  loaded_ = true;
  view_.showOnTop();
  resized();
}

void ProgressWindow::setValue(int value) {
  if (value < 0 || value > 100) {
    if (loaded_) {
      view_.hide();
      loaded_ = false;
    }
    return;
  }
  load();
  view_.setBar(value);
}

void ProgressWindow::setAlign(int align) {
  lastAlign_ = align;
  if (auto at = alignedPosition(align, view_.screenSize(), view_.outerSize())) view_.move(*at);
}

void ProgressWindow::setCaption(const std::string& caption) { view_.setCaption(caption); }

void ProgressWindow::setMessage(const std::string& message) { view_.setMessage(message); }

void ProgressWindow::setWidth(int pixels) {
  view_.setWidth(std::max(pixels, 1));
  resized();
}

void ProgressWindow::resized() {
  view_.setControlWidth(std::max(view_.innerWidth() - 2 * kProgressMargin, 0));
  setAlign(lastAlign_);
}

}  // namespace pemo::script
