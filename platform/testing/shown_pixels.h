#pragma once
// What a window shows against what painting it afresh gives: a step that leaves stale
// pixels on the screen makes the two differ.
#include <QImage>

class QWidget;

namespace pemo::testing {

// The pixels of the window's buffer, as the screen got them last.
QImage shownPixels(QWidget& window);
// The window's background and its children painted whole, now, at the same pixel ratio;
// `leftOut` (a child of the window that paints over the others) is not painted.
QImage freshlyPainted(QWidget& window, const QWidget* leftOut = nullptr);
// How many pixels differ; -1 when the sizes do.
long differingPixels(const QImage& a, const QImage& b);

}  // namespace pemo::testing
