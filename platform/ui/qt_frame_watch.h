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

// The same, once the frame is known and the window is also neither maximised nor full
// screen: a place set on a maximised window would make it normal again.
void whenFramedAtNormalPlace(QWidget* window, const QString& purpose, std::function<void()> action);

}  // namespace pemo::ui
