#pragma once
// Placing a top-level window by its outer rectangle, frame included, as stored places
// and first-start places mean it. Before the window manager has framed the window its
// frame is unknown: the window then goes there as if it had none, and is set right once
// the frame is known, so that a place stored from the frame comes back unchanged. A window
// maximised by then is set right when it is made normal: that place is its normal one.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace pemo::ui {

void moveOuter(QWidget* window, QPoint topLeft);
void resizeOuter(QWidget* window, QSize size);

// The outer rectangle the window stands at: its frame's size now, at the place still
// waiting for the frame where one waits (while the window manager frames a window, the
// window is for a moment where its frame is meant to be).
QRect outerPlace(const QWidget* window);

}  // namespace pemo::ui
