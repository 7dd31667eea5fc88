#pragma once
// What one menu window of the editor holds: the menu's own attributes, its objects in
// one control array per kind, and the state through which the file commands, the test
// run, the editing surface and the property window work on it. Plain data and model
// operations; the window binds its widgets to it.
#include <array>
#include <cstdint>
#include <filesystem>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "editor/document/control_array.h"

namespace pemo::editor {

struct ObjectRef {
  ObjectKind kind = ObjectKind::Menu;
  int index = 0;
  bool operator==(const ObjectRef&) const = default;
};

// The kinds a document holds objects of, in the order of the file.
inline constexpr std::array<ObjectKind, 8> kDocumentKinds = {
    ObjectKind::Label, ObjectKind::Button,   ObjectKind::PictureButton, ObjectKind::Image,
    ObjectKind::Radio, ObjectKind::CheckBox, ObjectKind::Frame,         ObjectKind::ComboBox};

class MenuDocument {
 public:
  MenuDocument();
  MenuDocument(const MenuDocument&) = delete;
  MenuDocument& operator=(const MenuDocument&) = delete;

  // The menu's attributes.
  std::string caption;                          // window caption, the menu's title
  std::uint32_t backColor = kButtonFaceColour;  // page background (BGR)
  std::int32_t unloadMode = 0;                  // UnloadMode
  std::string tilingImage;                      // picture tiled over the page, "" for none
  std::string area;                             // AREA as read; never written back
  std::string year;                             // YEAR as read; never written back
  // The window's position and size in twips, when the file gave them (read only).
  struct {
    std::optional<double> left, top, width, height;
  } windowTwips;

  // Per-document state.
  std::string filePath;   // the menu file (a Windows path); "" for a menu never saved
  std::string untitledCaption;  // "MENU" and a number for a new menu, "" for one from a file
  bool changed = false;
  bool locked = false;
  // This window's own script work file (a host path), "" when there is none.
  std::filesystem::path scriptWorkFile;
  // The script held in memory when no work file could be created for it, so that a
  // save still writes it.
  std::optional<std::vector<std::string>> scriptWithoutWorkFile;
  bool scriptBeingEdited = false;  // the script is open in the external editor
  bool beingTestRun = false;       // the menu is being test-run
  bool bandSelectionActive = false;
  // Blocks only the runtime reads (LINE), as their lines were read from the file, so
  // that a save writes them back.
  std::vector<std::vector<std::string>> runtimeBlocks;

  ControlArray& objects(ObjectKind kind);
  const ControlArray& objects(ObjectKind kind) const;
  MenuObject* find(ObjectRef ref);
  const MenuObject* find(ObjectRef ref) const;

  // The number under which the frame at this FRA index is written: the count of frames
  // from index 1 up to it; 0 when no frame is there.
  int frameFileNumber(int frameIndex) const;
  // The FRA index of the n-th existing frame; 0 when there are fewer.
  int frameIndexOfFileNumber(int fileNumber) const;
  // The FRA indexes of the existing frames in the order they are written.
  std::vector<int> framesInFileOrder() const;

  // Adds an object of a kind, as its template, at 0,0 and visible, inside the given frame
  // (0: on the page; its size is not converted). Labels, buttons and picture buttons take
  // the first free index, the other kinds the index after the highest; an image goes
  // behind everything, the others in front. Marks the document changed. Index 0 (and
  // nothing added) when the array has no index left.
  ObjectRef addObject(ObjectKind kind, int frameIndex = 0);
  // Loads the element after the highest of its kind, as its template, hidden, on the page
  // and not yet stacked. Index 0 (and nothing loaded) when the array has no index left.
  ObjectRef appendObject(ObjectKind kind);
  // Deletes an object, leaving a hole; a frame's contents go first. Marks it changed.
  void deleteObject(ObjectRef ref);

  // Stacking, back to front. Moving an object to either end takes the same time
  // however many objects the document holds.
  std::vector<ObjectRef> stacking() const;
  void bringToFront(ObjectRef ref);
  void sendToBack(ObjectRef ref);
  // The object stacked just above this one; index 0 when none is, or this one is not
  // stacked.
  ObjectRef stackedAbove(ObjectRef ref) const;

 private:
  void removeFromStacking(ObjectRef ref);
  static std::uint64_t stackingKey(ObjectRef ref);
  std::vector<ControlArray> arrays_;
  std::list<ObjectRef> stacking_;
  std::unordered_map<std::uint64_t, std::list<ObjectRef>::iterator> stackingPlaces_;
};

}  // namespace pemo::editor
