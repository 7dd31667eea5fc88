#pragma once
// What the script's objects need of the runtime window: its caption, colour and status
// panels, the elements of its control arrays, and the program around it. The window
// implements it over its controls; tests use a fake.
#include <cstdint>
#include <string>

#include "menufile/types.h"

namespace pemo::script {

using menufile::ObjectKind;

// The four sides of an element's place, in the page's pixels.
enum class Edge { Left, Top, Width, Height };

class ScriptPage {
 public:
  virtual ~ScriptPage() = default;

  // The runtime window itself. Colours are BGR numbers (system colours 0x800000nn).
  virtual std::string menuCaption() const = 0;
  virtual void setMenuCaption(const std::string& caption) = 0;
  virtual std::uint32_t menuBackColor() const = 0;
  virtual void setMenuBackColor(std::uint32_t bgr) = 0;
  // Status bar panels 1 to 3.
  virtual std::string statusPanel(int panel) const = 0;
  virtual void setStatusPanel(int panel, const std::string& text) = 0;

  // The program: its folder (Windows form, ending in "\") and the current folder.
  virtual std::string appFolder() const = 0;
  virtual std::string currentFolder() const = 0;

  // Element `index` of the kind's control array (Label to ComboBox). Element 0 is the
  // hidden template and never an element here; unloaded elements leave holes. Every
  // call below is made only for an element that exists.
  virtual bool hasElement(ObjectKind kind, int index) const = 0;
  // The highest index loaded in the kind's array (0 for none).
  virtual int upperBound(ObjectKind kind) const = 0;

  virtual std::string caption(ObjectKind kind, int index) const = 0;
  virtual void setCaption(ObjectKind kind, int index, const std::string& caption) = 0;
  // Page elements stand in window pixels; elements in a frame relative to the frame.
  virtual double edge(ObjectKind kind, int index, Edge edge) const = 0;
  virtual void setEdge(ObjectKind kind, int index, Edge edge, double pixels) = 0;
  virtual std::uint32_t foreColor(ObjectKind kind, int index) const = 0;
  virtual void setForeColor(ObjectKind kind, int index, std::uint32_t bgr) = 0;
  virtual void setBackColor(ObjectKind kind, int index, std::uint32_t bgr) = 0;
  // A label's colour under the mouse, held as hexadecimal digits as the menu file gives it.
  virtual std::string onCursorColor(int labelIndex) const = 0;
  virtual void setOnCursorColor(int labelIndex, const std::string& hexDigits) = 0;
  // Loads and shows the picture file (a Windows path); false when it is no picture.
  virtual bool setPicture(ObjectKind kind, int index, const std::string& windowsPath) = 0;
  // Radio buttons 0 or 1 (checking one unchecks the others of its container); check
  // boxes 0 unchecked, 1 checked, 2 grayed.
  virtual int value(ObjectKind kind, int index) const = 0;
  virtual void setValue(ObjectKind kind, int index, int value) = 0;

  // Combo boxes: the items and the selected one (-1: none).
  virtual int listCount(int comboIndex) const = 0;
  virtual int listIndex(int comboIndex) const = 0;
  virtual void setListIndex(int comboIndex, int item) = 0;
  // Inserts the item before `position` (0 to listCount).
  virtual void insertItem(int comboIndex, const std::string& item, int position) = 0;
};

}  // namespace pemo::script
