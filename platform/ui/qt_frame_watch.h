#pragma once
// A top-level window's frame belongs to the window manager: its size is unknown until
// the manager has framed the shown window, and there is none without a manager. Places
// that count the frame wait for it here.
#include <QMargins>
#include <QString>
#include <functional>

class QWidget;

namespace pemo::ui {

// The frame's width on each side of a top-level window; all 0 while it is unknown and
// for a widget inside another.
QMargins frameMargins(const QWidget* window);
bool frameKnown(const QWidget* window);

// Runs `action` once the window's frame is known: at once when it is, else right after
// the window event that made it known. A later call with the same `purpose` replaces
// an action still waiting. Without a window manager the action never runs: a frame of
// nothing needs nothing counted.
void whenFrameKnown(QWidget* window, const QString& purpose, std::function<void()> action);

bool maximisedOrFullScreen(const QWidget* window);

// Runs `action` once a maximised window has been made normal and is framed at its normal
// place (replacing a waiting action of the same `purpose`, as above).
void whenMadeNormal(QWidget* window, const QString& purpose, std::function<void()> action);

}  // namespace pemo::ui
