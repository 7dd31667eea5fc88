#pragma once
// The script's view of the runtime window: its caption and status panels, the page
// surface's colour and objects, and the program around it.
#include "runtime/page/window/page_surface.h"
#include "runtime/script/objects/script_page.h"
#include "runtime/shell/window/runtime_window.h"

namespace pemo::shell {

using menufile::ObjectKind;
using script::Edge;

class WindowScriptPage : public script::ScriptPage {
 public:
  WindowScriptPage(page::PageSurface& surface, RuntimeWindow& window) : surface_(surface), window_(window) {}

  std::string menuCaption() const override;
  void setMenuCaption(const std::string& caption) override;
  std::uint32_t menuBackColor() const override;
  void setMenuBackColor(std::uint32_t bgr) override;
  std::string statusPanel(int panel) const override;
  void setStatusPanel(int panel, const std::string& text) override;
  std::string appFolder() const override;
  std::string currentFolder() const override;

  bool hasElement(ObjectKind kind, int index) const override;
  int upperBound(ObjectKind kind) const override;
  std::string caption(ObjectKind kind, int index) const override;
  void setCaption(ObjectKind kind, int index, const std::string& caption) override;
  double edge(ObjectKind kind, int index, Edge edge) const override;
  void setEdge(ObjectKind kind, int index, Edge edge, double pixels) override;
  std::uint32_t foreColor(ObjectKind kind, int index) const override;
  void setForeColor(ObjectKind kind, int index, std::uint32_t bgr) override;
  void setBackColor(ObjectKind kind, int index, std::uint32_t bgr) override;
  std::string onCursorColor(int labelIndex) const override;
  void setOnCursorColor(int labelIndex, const std::string& hexDigits) override;
  bool setPicture(ObjectKind kind, int index, const std::string& windowsPath) override;
  int value(ObjectKind kind, int index) const override;
  void setValue(ObjectKind kind, int index, int value) override;
  int listCount(int comboIndex) const override;
  int listIndex(int comboIndex) const override;
  void setListIndex(int comboIndex, int item) override;
  void insertItem(int comboIndex, const std::string& item, int position) override;

 private:
  page::PageObject& object(ObjectKind kind, int index) const;
  // Shows a changed object; radio buttons and check boxes first take the state the
  // user gave their widgets, which the page does not hear of.
  void changed(page::PageObject& object);
  int widgetValue(const page::PageObject& object) const;
  QComboBox* combo(int index) const;

  page::MenuPage& menuPage() const { return surface_.page(); }

  page::PageSurface& surface_;
  RuntimeWindow& window_;
};

}  // namespace pemo::shell
