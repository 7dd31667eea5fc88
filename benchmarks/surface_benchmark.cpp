// Prints how long a menu window takes to select 500 objects with a band, to follow each
// pointer move of the group drag that follows, outlines painted, and to copy and paste
// them, widgets made and painted. Offscreen it counts the toolkit's work only;
// tools/xvfb_drag_benchmark.sh times the real editor under X.
//
//   surface_benchmark            (under X or QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <cstdio>

#include "benchmarks/editor_benchmark.h"
#include "editor/workspace/window/editor_windows.h"

namespace {

using namespace pemo::editor;

constexpr benchmark::LabelGrid kGrid;
constexpr int kMoves = 200;

}  // namespace

int main(int argc, char** argv) {
  benchmark::QuietRun run(argc, argv);
  {
    EditorState state;
    EditorWindows windows(state);
    windows.start();
    windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
    MenuWindow& window = *windows.menuWindows.windows().at(0);
    window.resize(kGrid.bandRight(), kGrid.bandBottom());
    ObjectRef first = benchmark::addLabelGrid(window, kGrid);
    window.show();
    QApplication::processEvents();
    window.repaint();

    EditingSurface& surface = window.surface();
    QElapsedTimer timer;
    timer.start();
    surface.surfacePressed();
    surface.selectInBand(0, 0, kGrid.bandRight(), kGrid.bandBottom());
    double select = timer.nsecsElapsed() / 1e6;
    window.repaint();
    double band = timer.nsecsElapsed() / 1e6;
    std::printf("Band selection of %d objects, marks painted: %.3f ms (target 16 ms), of which the selection %.3f ms\n",
                surface.selectedObjectsCell(-1, 0) + 1, band, select);

    // The pointer goes through the window's own wiring, as the user's does.
    QWidget* grabbed = window.objectWidget(first);
    auto pointer = [&](QEvent::Type type, int x, int y, Qt::MouseButtons buttons) {
      const QPointF at(x, y);
      QMouseEvent event(type, at, grabbed->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                        buttons, Qt::NoModifier);
      QApplication::sendEvent(grabbed, &event);
      QApplication::processEvents();
    };
    pointer(QEvent::MouseButtonPress, 15, 8, Qt::LeftButton);
    timer.restart();
    for (int step = 1; step <= kMoves; ++step) pointer(QEvent::MouseMove, 15 + step % 40, 8 + step % 20, Qt::LeftButton);
    std::printf("Group drag of %d objects, one pointer move with the marks painted: %.3f ms (target 16 ms)\n",
                surface.selectedObjectsCell(-1, 0) + 1, timer.nsecsElapsed() / 1e6 / kMoves);
    timer.restart();
    pointer(QEvent::MouseButtonRelease, 55, 28, Qt::NoButton);
    std::printf("Group drag release, %d objects moved and repainted: %.3f ms\n", surface.selectedObjectsCell(-1, 0) + 1,
                timer.nsecsElapsed() / 1e6);

    surface.selectInBand(0, 0, kGrid.bandRight() + 60, kGrid.bandBottom() + 40);
    const int selected = surface.selectedObjectsCell(-1, 0) + 1;
    timer.restart();
    windows.workspace.run(EditorCommand::Copy, CommandSource::MenuWindow);
    double copied = timer.nsecsElapsed() / 1e6;
    windows.workspace.run(EditorCommand::Paste, CommandSource::MenuWindow);
    window.repaint();
    double pasted = timer.nsecsElapsed() / 1e6;
    std::printf("Copy and paste of a band selection of %d objects, widgets made and painted: %.3f ms "
                "(target 500 ms), of which the copy %.3f ms\n",
                selected, pasted, copied);
    window.document().changed = false;
  }
  return 0;
}
