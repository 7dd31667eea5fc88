#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "editor/document/registry_recent_key.h"
#include "editor/document/tests/document_fixture.h"
#include "editor/property/object_list.h"
#include "editor/workspace/editor_settings.h"
#include "editor/workspace/window/editor_windows.h"
#include "editor/workspace/window/set_editor_dialog.h"
#include "kovan/tests/stored_window_place.h"
#include "platform/fs/windows_path.h"

namespace pemo::editor {
namespace {

using pemo::testing::writeFileBytes;

class EditorWindowTest : public DocumentTest {
 protected:
  EditorWindowTest() {
    state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
    state.scriptEditorPath = loadScriptEditorPath();
    windows.start();
  }
  ~EditorWindowTest() override {
    shown.answers.assign(10, ui::kNo);
    windows.mainWindow.close();
  }
  MainWindow& main() { return windows.mainWindow; }
  QList<QAction*> fileMenuItems() { return main().menuBar()->actions()[0]->menu()->actions(); }
  void drop(const std::vector<std::filesystem::path>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (auto& file : files) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    data.setUrls(urls);
    // The drop goes where the drag entered.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &enter);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&main(), &event);
  }

  EditorWindows windows{state};
};

TEST_F(EditorWindowTest, FirstStartSpansTheScreenTopWithNoRecentFiles) {
  EXPECT_EQ(main().windowTitle(), "PemoEdit");
  EXPECT_EQ(main().pos(), QPoint(0, 0));
  EXPECT_EQ(main().width(), QApplication::primaryScreen()->geometry().width());
  EXPECT_TRUE(state.scriptEditorPath.ends_with("\\NOTEPAD.EXE"));
  // "-" after the save items, then at once "終了(&X)": no recent items, no separator.
  auto items = fileMenuItems();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items.back()->text(), "終了(&X)");
  EXPECT_FALSE(items[items.size() - 2]->isVisible());
  EXPECT_TRUE(items[items.size() - 3]->isSeparator());
  // 24 toolbar buttons, separators at 1, 5, 7, 16, 20 and 22; nothing of a document on.
  ASSERT_EQ(main().toolBar()->actions().size(), 24);
  for (int number : {1, 5, 7, 16, 20, 22}) EXPECT_TRUE(main().toolButton(number)->isSeparator()) << number;
  EXPECT_EQ(main().toolButton(21)->toolTip(), "ｽｸﾘﾌﾟﾄの編集");
  for (int number : {4, 8, 15, 17, 21, 23, 24}) EXPECT_FALSE(main().toolButton(number)->isEnabled()) << number;
  for (int number : {2, 3, 6}) EXPECT_TRUE(main().toolButton(number)->isEnabled()) << number;
  // The strip shows the menu bar and the toolbar and nothing more.
  main().resize(main().width(), 400);
  EXPECT_EQ(main().height(), main().menuBar()->sizeHint().height() + main().toolBar()->sizeHint().height());
}

// The editor started and closed again and again, as a user would, on one settings store.
class EditorStartsTest : public DocumentTest {
 protected:
  EditorStartsTest() {
    state.appFolder = fs::toWindowsPath(dir.path().string()) + "\\";
    shown.answers.assign(10, ui::kNo);
  }
  static void waitUntilFramed(QWidget& window) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
  }
};

TEST_F(EditorStartsTest, FirstStartPlacesCountTheFramesAndStoredPlacesComeBackExactly) {
  {
    EditorWindows first(state);
    first.start();
    QWidget& main = first.mainWindow;
    QWidget& property = first.propertyWindow;
    waitUntilFramed(main);
    waitUntilFramed(property);
    // Directly below the strip, frame to frame, and the menu windows below it too.
    EXPECT_EQ(property.frameGeometry().topLeft(), QPoint(0, main.frameGeometry().bottom() + 1));
    first.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
    ASSERT_EQ(first.menuWindows.windows().size(), 1u);
    MenuWindow& menu = *first.menuWindows.windows()[0];
    waitUntilFramed(menu);
    EXPECT_EQ(menu.frameGeometry().top(), main.frameGeometry().bottom() + 1);
    EXPECT_EQ(menu.frameGeometry().left(), property.frameGeometry().right() + 1);
    first.menuWindows.deleteAll();
    ASSERT_TRUE(main.close());
  }

  // Places of the user's own, then start after start with nobody moving anything.
  using kovan::testing::StoredPlace;
  const std::string setting = settingKeyName();
  const std::string propertyKey = std::string(kEditorRegistrySubKey) + "\\Property Window";
  StoredPlace strip = kovan::testing::storedPlace(setting);
  strip.left = 30;
  strip.top = 200;
  strip.width -= 100;
  StoredPlace sheet = kovan::testing::storedPlace(propertyKey);
  sheet.left = 50;
  sheet.top = 300;
  kovan::testing::storePlace(setting, strip);
  kovan::testing::storePlace(propertyKey, sheet);
  for (int start = 1; start <= 5; ++start) {
    EditorWindows again(state);
    again.start();
    waitUntilFramed(again.mainWindow);
    waitUntilFramed(again.propertyWindow);
    ASSERT_TRUE(again.mainWindow.close());
    EXPECT_EQ(kovan::testing::storedPlace(setting), strip) << "start " << start;
    EXPECT_EQ(kovan::testing::storedPlace(propertyKey), sheet) << "start " << start;
  }
}

TEST_F(EditorStartsTest, PlacesAtTheEdgesOrOfNoSizeComeUpSeenAndAMaximisedStripKeepsItsNormalPlace) {
  using kovan::testing::StoredPlace;
  using kovan::testing::storedPlace;
  using kovan::testing::storePlace;
  const std::string setting = settingKeyName();
  const std::string propertyKey = std::string(kEditorRegistrySubKey) + "\\Property Window";
  auto startAndClose = [&](const std::function<void(MainWindow&, QWidget&)>& whileShown) {
    EditorWindows editor(state);
    editor.start();
    waitUntilFramed(editor.mainWindow);
    waitUntilFramed(editor.propertyWindow);
    whileShown(editor.mainWindow, editor.propertyWindow);
    ASSERT_TRUE(editor.mainWindow.close());
  };
  QRect strip, sheet;  // as a first start shows them
  startAndClose([&](MainWindow& main, QWidget& property) {
    strip = main.frameGeometry();
    sheet = property.frameGeometry();
  });
  const QSize screen = QApplication::primaryScreen()->size();

  // Showing nothing at the screen's right and bottom edges, both come back to its left and
  // top, the property window below the strip as on a first start: neither covers the other.
  const auto framedBelow = [](const QRect& upper) { return QPoint(0, upper.bottom() + 1); };
  storePlace(setting, {screen.width(), screen.height(), strip.width() - 100, strip.height()});
  storePlace(propertyKey, {screen.width(), screen.height(), sheet.width(), sheet.height()});
  startAndClose([&](MainWindow& main, QWidget& property) {
    EXPECT_EQ(main.frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(property.frameGeometry().topLeft(), framedBelow(main.frameGeometry()));
  });
  EXPECT_EQ(storedPlace(setting), (StoredPlace{0, 0, strip.width() - 100, strip.height()}));
  EXPECT_EQ(storedPlace(propertyKey), (StoredPlace{0, strip.height(), sheet.width(), sheet.height()}));

  // Showing a pixel there, both come back just far enough to show whole, the property
  // window above the strip where there is no room below it.
  const int w = screen.width(), h = screen.height();
  storePlace(setting, {w - 1, h - 1, strip.width() - 100, strip.height()});
  storePlace(propertyKey, {w - 1, h - 1, sheet.width(), sheet.height()});
  startAndClose([&](MainWindow& main, QWidget& property) {
    EXPECT_EQ(main.frameGeometry(), QRect(w - strip.width() + 100, h - strip.height(), strip.width() - 100, strip.height()));
    EXPECT_EQ(property.frameGeometry(), QRect(w - sheet.width(), h - strip.height() - sheet.height(), sheet.width(), sheet.height()));
  });
  // Showing 100 by 50 of themselves, both stay where they were left.
  const StoredPlace usableStrip{w - 100, h - 50, strip.width() - 100, strip.height()};
  const StoredPlace usableSheet{w - 100, 0, sheet.width(), sheet.height()};
  storePlace(setting, usableStrip);
  storePlace(propertyKey, usableSheet);
  startAndClose([](MainWindow&, QWidget&) {});
  EXPECT_EQ(storedPlace(setting), usableStrip);
  EXPECT_EQ(storedPlace(propertyKey), usableSheet);
  // The property window shown again (Ctrl+P) where it would cover the strip goes below it.
  storePlace(setting, {30, 200, strip.width() - 100, strip.height()});
  startAndClose([&](MainWindow& main, QWidget& property) {
    property.close();
    storePlace(propertyKey, {60, 210, sheet.width(), sheet.height()});
    main.showPropertyWindow();
    QApplication::processEvents();
    EXPECT_EQ(property.frameGeometry().topLeft(), QPoint(60, main.frameGeometry().bottom() + 1));
  });

  // A size below 100 by 50: the window's default size, and the close stores it.
  for (const auto& [width, height] : {std::pair{0, 0}, {-5, -5}, {1, 1}, {99, 400}, {400, 49}}) {
    storePlace(setting, {30, 200, width, height});
    storePlace(propertyKey, {50, 300, width, height});
    startAndClose([&](MainWindow& main, QWidget& property) {
      EXPECT_EQ(main.frameGeometry(), QRect(QPoint(30, 200), strip.size())) << width << "x" << height;
      EXPECT_TRUE(property.isVisible());
      EXPECT_EQ(property.frameGeometry(), QRect(QPoint(50, 300), sheet.size())) << width << "x" << height;
    });
    EXPECT_EQ(storedPlace(setting), (StoredPlace{30, 200, strip.width(), strip.height()})) << width << "x" << height;
    EXPECT_EQ(storedPlace(propertyKey), (StoredPlace{50, 300, sheet.width(), sheet.height()})) << width << "x" << height;
  }
  // At the bound it is given: the strip keeps its own height.
  for (const auto& [width, height] : {std::pair{100, 50}, {101, 51}}) {
    storePlace(setting, {30, 200, width, height});
    storePlace(propertyKey, {50, 300, width, height});
    startAndClose([](MainWindow&, QWidget&) {});
    EXPECT_EQ(storedPlace(setting), (StoredPlace{30, 200, width, strip.height()})) << width << "x" << height;
    EXPECT_EQ(storedPlace(propertyKey), (StoredPlace{50, 300, width, height})) << width << "x" << height;
  }

  // Closed maximised, the strip keeps the place of its last normal close and comes back there.
  const StoredPlace normal{30, 200, strip.width() - 100, strip.height()};
  storePlace(setting, normal);
  startAndClose([](MainWindow& main, QWidget&) {
    main.showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.frameGeometry().height() > 200; }));
  });
  EXPECT_EQ(storedPlace(setting), normal);
  startAndClose([&](MainWindow& main, QWidget&) {
    EXPECT_EQ(main.frameGeometry(), QRect(normal.left, normal.top, normal.width, normal.height));
  });
}

TEST_F(EditorWindowTest, RecentFilesFollowTheKeyWithTheirAmpersandsAsWritten) {
  recentKey.stored = {{"1", "c:\\menu\\a&b.fil"}, {"2", "c:\\menu\\c.fil"}};
  windows.workspace.setRecentMenu();
  auto items = fileMenuItems();
  int exit = items.size() - 1;
  EXPECT_TRUE(items[exit - 1]->isVisible());  // the separator before the exit item
  EXPECT_EQ(items[exit - 3]->text(), "&1 c:\\menu\\a&&b.fil");
  EXPECT_EQ(items[exit - 2]->text(), "&2 c:\\menu\\c.fil");
  recentKey.stored.clear();
  windows.workspace.setRecentMenu();
  EXPECT_EQ(fileMenuItems().size(), items.size() - 2);
}

TEST_F(EditorWindowTest, DroppedFilesOpenInOrderEvenATextFile) {
  writeFileBytes(dir / "A.FIL", "BEGIN MENU\r\n    CAPTION=First\r\nEND MENU\r\n");
  writeFileBytes(dir / "notes.txt", "just some text\r\n");
  writeFileBytes(dir / "B.FIL", "BEGIN MENU\r\n    CAPTION=Second\r\nEND MENU\r\n");
  drop({dir / "A.FIL", dir / "notes.txt", dir / "B.FIL"});
  auto& opened = windows.menuWindows.windows();
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0]->windowTitle(), "First");
  EXPECT_EQ(opened[2]->windowTitle(), "Second");
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_TRUE(shown.shown[0].prompt.ends_with("notes.txt\rｵﾌﾞｼﾞｪｸﾄをﾛｰﾄﾞできませんでした"));
  EXPECT_EQ(main().windowTitle().toStdString(), "PemoEdit - " + fs::toWindowsPath((dir / "B.FIL").string()));
  EXPECT_TRUE(main().toolButton(23)->isEnabled());
  EXPECT_TRUE(main().toolButton(4)->isEnabled());
}

TEST_F(EditorWindowTest, ClosingIsRefusedWhileAScriptIsEdited) {
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  ASSERT_EQ(windows.menuWindows.windows().size(), 1u);
  windows.menuWindows.windows()[0]->document().scriptBeingEdited = true;
  EXPECT_FALSE(main().close());
  EXPECT_EQ(windows.menuWindows.windows().size(), 1u);
  ASSERT_EQ(shown.shown.size(), 1u);
  EXPECT_EQ(shown.shown[0].prompt, "ｽｸﾘﾌﾟﾄを編集中です");
  windows.menuWindows.windows()[0]->document().scriptBeingEdited = false;
}

TEST_F(EditorWindowTest, ThePopupFollowsTheClipboardAndTheScript) {
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow& window = *windows.menuWindows.windows()[0];
  window.showSurfacePopup(QPoint(10, 10));
  EXPECT_FALSE(window.popupItem(2)->isEnabled());
  EXPECT_FALSE(window.popupItem(4)->isEnabled());
  EXPECT_TRUE(window.popupItem(14)->isEnabled());
  EXPECT_FALSE(window.popupItem(5)->isVisible());
  EXPECT_EQ(window.popupItem(11)->text(), "このﾒﾆｭｰを名前を付けて保存(&F)");
  state.clipboardFilled = true;
  window.document().scriptBeingEdited = true;
  window.showSurfacePopup(QPoint(10, 10));
  EXPECT_TRUE(window.popupItem(4)->isEnabled());
  EXPECT_FALSE(window.popupItem(14)->isEnabled());
  window.document().scriptBeingEdited = false;
}

TEST_F(EditorWindowTest, AMenuWindowTilesItsPictureUnderItsObjects) {
  QImage tile(8, 8, QImage::Format_RGB32);
  tile.fill(QColor(0, 128, 0));
  ASSERT_TRUE(tile.save(QString::fromStdString((dir / "tile.bmp").string())));
  writeFileBytes(dir / "T.FIL", "BEGIN MENU\r\n    CAPTION=Tiled\r\n    TILINGIMAGE=" +
                                    fs::toWindowsPath((dir / "tile.bmp").string()) + "\r\nEND MENU\r\n");
  drop({dir / "T.FIL"});
  ASSERT_EQ(windows.menuWindows.windows().size(), 1u);
  MenuWindow& window = *windows.menuWindows.windows()[0];
  ASSERT_EQ(window.document().tilingImage, fs::toWindowsPath((dir / "tile.bmp").string()));
  window.resize(120, 80);
  const QImage shown = window.grab().toImage();
  EXPECT_EQ(shown.pixelColor(100, 60), QColor(0, 128, 0));
}

TEST_F(EditorWindowTest, ClosingTheActiveMenuWindowBringsTheOtherForwardAsTheActiveMenu) {
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow* first = windows.menuWindows.windows()[0];
  MenuWindow* second = windows.menuWindows.windows()[1];
  ASSERT_EQ(state.activeDocument, &second->document());
  auto saveItem = [&] {
    for (QAction* item : fileMenuItems())
      if (item->text() == "ﾒﾆｭｰの上書き保存(&U)") return item;
    return static_cast<QAction*>(nullptr);
  };
  ASSERT_TRUE(saveItem());

  ASSERT_TRUE(second->close());
  EXPECT_EQ(state.activeDocument, &first->document());
  EXPECT_EQ(main().windowTitle().toStdString(), "PemoEdit - 新規ﾒﾆｭｰ(MENU1)");
  EXPECT_TRUE(saveItem()->isEnabled());
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_TRUE(first->isVisible());

  ASSERT_TRUE(first->close());
  EXPECT_EQ(main().windowTitle().toStdString(), "PemoEdit");
  EXPECT_FALSE(saveItem()->isEnabled());
}

TEST_F(EditorWindowTest, AMenuWindowShowsWhatTheCommandsChange) {
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow& window = *windows.menuWindows.windows()[0];
  MenuDocument& document = window.document();
  ObjectRef frame = document.addObject(ObjectKind::Frame);
  ObjectRef inside = document.addObject(ObjectKind::Button, frame.index);
  window.objectAdded(frame);
  window.objectAdded(inside);
  ASSERT_TRUE(window.objectWidget(inside));
  EXPECT_EQ(window.objectWidget(inside)->parentWidget(), window.objectWidget(frame));
  document.find(inside)->left = 300;  // twips inside a frame
  document.find(inside)->caption = "OK";
  window.objectChanged(inside);
  EXPECT_EQ(window.objectWidget(inside)->x(), 20);
  document.find(inside)->frame = 0;
  window.objectChanged(inside);
  EXPECT_EQ(window.objectWidget(inside)->parentWidget(), &window);
  document.find(inside)->frame = frame.index;
  window.objectChanged(inside);
  window.objectRemoved(frame);
  EXPECT_FALSE(window.objectWidget(inside));
  document.caption = "Renamed";
  window.menuAttributesChanged();
  EXPECT_EQ(window.windowTitle(), "Renamed");
}

TEST_F(EditorWindowTest, ObjectCommandsComeFromThePopupKeysAndToolbarAndTheWidgetsFollow) {
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow& window = *windows.menuWindows.windows()[0];
  auto key = [&](Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(&window, pressed, modifiers);
  };
  auto activate = [&](ObjectRef object) {
    state.activeObject = object;
    windows.workspace.changeMainSetting();
  };
  window.popupItem(0)->menu()->actions()[0]->trigger();  // a label
  ObjectRef label{ObjectKind::Label, 1};
  ASSERT_TRUE(window.objectWidget(label));
  EXPECT_EQ(window.objectWidget(label)->size(), QSize(200, 25));
  EXPECT_EQ(state.activeObject, label);
  main().toolButton(14)->trigger();  // a frame
  ObjectRef frame{ObjectKind::Frame, 1};
  ASSERT_EQ(state.activeObject, frame);
  main().toolButton(9)->trigger();  // a button, into the active frame
  ObjectRef button{ObjectKind::Button, 1};
  ASSERT_TRUE(window.objectWidget(button));
  EXPECT_EQ(window.objectWidget(button)->parentWidget(), window.objectWidget(frame));

  activate(frame);
  key(Qt::Key_C);
  EXPECT_EQ(state.objectClipboard.size(), 2u);
  EXPECT_EQ(state.activeObject, ObjectRef{});
  key(Qt::Key_V);
  ObjectRef pastedFrame{ObjectKind::Frame, 2}, pastedButton{ObjectKind::Button, 2};
  ASSERT_TRUE(window.objectWidget(pastedButton));
  EXPECT_EQ(window.objectWidget(pastedButton)->parentWidget(), window.objectWidget(pastedFrame));
  EXPECT_EQ(window.objectWidget(pastedFrame)->pos(), QPoint(0, 0));
  EXPECT_TRUE(main().toolButton(19)->isEnabled());
  main().toolButton(19)->trigger();
  EXPECT_TRUE(window.objectWidget({ObjectKind::Frame, 3}));
  EXPECT_EQ(state.activeObject, (ObjectRef{ObjectKind::Button, 3}));

  key(Qt::Key_X);
  EXPECT_FALSE(window.objectWidget({ObjectKind::Button, 3}));
  EXPECT_TRUE(window.document().changed);
  activate(frame);
  key(Qt::Key_Delete, Qt::NoModifier);
  EXPECT_FALSE(window.objectWidget(frame));
  EXPECT_FALSE(window.objectWidget(button));
  EXPECT_FALSE(window.document().find(button));

  activate(label);
  main().toolButton(17)->trigger();
  EXPECT_EQ(state.objectClipboard.size(), 1u);
  activate(label);
  main().toolButton(18)->trigger();
  EXPECT_FALSE(window.objectWidget(label));
  window.popupItem(4)->trigger();
  EXPECT_TRUE(window.objectWidget(label));  // the popup pastes it back, into the emptied array
}

TEST_F(EditorWindowTest, PastedWidgetsStackAsTheDocumentAndTheObjectListFollows) {
  windows.workspace.run(EditorCommand::NewMenu, CommandSource::MainMenu);
  MenuWindow& window = *windows.menuWindows.windows()[0];
  MenuDocument& document = window.document();
  for (ObjectKind kind : {ObjectKind::Label, ObjectKind::Image, ObjectKind::Button, ObjectKind::Image}) {
    ObjectRef added = document.addObject(kind);
    document.find(added)->left = 10 + 40 * added.index;
    document.find(added)->top = 10;
    document.find(added)->width = 30;
    document.find(added)->height = 20;
    window.objectAdded(added);
  }
  auto shownOrder = [&] {
    std::vector<ObjectRef> order;
    for (QObject* child : window.children())
      for (ObjectRef ref : document.stacking())
        if (window.objectWidget(ref) == child) order.push_back(ref);
    return order;
  };
  auto listed = [&] {
    std::vector<std::string> entries;
    for (int i = 0; i < windows.propertyWindow.objectList()->count(); ++i)
      entries.push_back(windows.propertyWindow.objectList()->itemText(i).toStdString());
    return entries;
  };
  EXPECT_EQ(shownOrder(), document.stacking());

  window.surface().surfacePressed();
  window.surface().selectInBand(0, 0, 200, 100);
  windows.workspace.run(EditorCommand::Copy, CommandSource::MenuWindow);
  const QPoint pointer(60, 15);  // over the pasted objects
  QCursor::setPos(window.mapToGlobal(pointer));
  windows.workspace.run(EditorCommand::Paste, CommandSource::MenuWindow);
  ASSERT_EQ(document.stacking().size(), 8u);
  const std::vector<ObjectRef>& stacked = document.stacking();
  EXPECT_TRUE(std::any_of(stacked.begin(), stacked.end(),
                          [&](ObjectRef ref) { return window.objectWidget(ref) == window.childAt(pointer); }))
      << "a press on the pasted objects reaches one of them";
  for (ObjectRef ref : document.stacking()) EXPECT_TRUE(window.objectWidget(ref)->isVisible());
  EXPECT_EQ(document.stacking().front().kind, ObjectKind::Image) << "pasted images go behind everything";
  EXPECT_EQ(shownOrder(), document.stacking());
  EXPECT_EQ(listed(), property::buildObjectList(document).entries);

  windows.workspace.run(EditorCommand::Paste, CommandSource::MenuWindow);
  EXPECT_EQ(shownOrder(), document.stacking());
  state.activeObject = {ObjectKind::Button, 1};
  windows.workspace.run(EditorCommand::Delete, CommandSource::MenuWindow);
  ASSERT_FALSE(document.find({ObjectKind::Button, 1}));
  EXPECT_EQ(listed(), property::buildObjectList(document).entries) << "a stretch taken out of the middle";

  window.surface().selectInBand(0, 0, 400, 100);
  ASSERT_TRUE(document.bandSelectionActive);
  EXPECT_EQ(window.children().constLast(), window.overlay()) << "marks drawn after a paste stand above its objects";
}

TEST_F(EditorWindowTest, TheEditorSettingKeepsTheLastChoiceAfterACancel) {
  struct Dialogs : FileDialogPort {
    std::optional<std::string> showOpen(const Request&) override { return answers.at(calls++); }
    std::optional<std::string> showSave(const Request&) override { return std::nullopt; }
    std::vector<std::optional<std::string>> answers;
    size_t calls = 0;
  } dialogs;
  dialogs.answers = {std::nullopt, "C:\\ED\\ED.EXE", std::nullopt};
  SetEditorDialog dialog(state, &main(), &dialogs);
  EXPECT_TRUE(dialog.pathBox()->text().endsWith("NOTEPAD.EXE"));
  dialog.browse();
  EXPECT_EQ(dialog.pathBox()->text(), "");  // nothing chosen yet
  dialog.browse();
  dialog.browse();
  EXPECT_EQ(dialog.pathBox()->text(), "C:\\ED\\ED.EXE");
  dialog.acceptPath();
  EXPECT_EQ(state.scriptEditorPath, "C:\\ED\\ED.EXE");
  // The next start has it, and the window's place.
  EXPECT_FALSE(settingsWereSaved());
  EXPECT_TRUE(main().close());
  EXPECT_TRUE(settingsWereSaved());
  EXPECT_EQ(loadScriptEditorPath(), "C:\\ED\\ED.EXE");
}

}  // namespace
}  // namespace pemo::editor
