#pragma once
// PROP: the property window. A tool window with the object list on top and the sixteen
// rows below it, each a caption label and an editor at fixed places; it draws the
// sheet's grid and forwards the user's acts to the sheet.
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/property/property_sheet.h"
#include "editor/property/resize_rule.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace pemo::editor::property {

class PropertyWindow : public QWidget, public PropertySheetView {
  Q_OBJECT

 public:
  explicit PropertyWindow(PropertySheet& sheet, QWidget* parent = nullptr);
  ~PropertyWindow() override;

  // What the window's activation and its F1 key do (the main window decides both).
  void setActivationHandler(std::function<void()> handler) { onActivated_ = std::move(handler); }
  void setHelpHandler(std::function<void()> handler) { onHelp_ = std::move(handler); }

  // PropertySheetView.
  void restorePlace() override;
  void savePlace() override;
  void showGrid() override;

  QLabel* captionLabel(int row) const { return labels_.at(row); }
  QLineEdit* textBox(int index) const { return textBoxes_.at(index); }
  QComboBox* choiceList(ChoiceList list) const;
  // The row's editor: its text box or its list.
  QWidget* rowEditor(int row) const;
  QComboBox* objectList() const { return objectList_; }
  QToolButton* dialogButton() const { return dialogButton_; }

 protected:
  // Showing the window loads it when it is not loaded.
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildRows();
  void placeEditors();
  QComboBox* makeList(int row);
  int rowOfEditor(const QObject* editor) const;
  void showObjectList(const PropertyGrid& grid);
  void showDialogButton(const PropertyGrid& grid);

  PropertySheet& sheet_;
  ResizeRule resizeRule_;
  int widenTwips_ = 0;  // what every editor has gained over its design width
  std::array<QLabel*, kRowCount> labels_{};
  std::array<QLineEdit*, kTextBoxCount> textBoxes_{};
  QComboBox* styleList_ = nullptr;
  QComboBox* unloadModeList_ = nullptr;
  QComboBox* pictureSizeList_ = nullptr;
  QComboBox* objectList_ = nullptr;
  // The entries the object list shows, to compare a new list with at no cost per item.
  std::vector<std::string> shownObjectList_;
  QToolButton* dialogButton_ = nullptr;
  std::function<void()> onActivated_;
  std::function<void()> onHelp_;
};

}  // namespace pemo::editor::property
