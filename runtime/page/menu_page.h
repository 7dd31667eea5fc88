#pragma once
// The open menu page: opening a menu file onto the page, laying out the objects that
// lie in frames, and closing it again, with the script's loaded and unload events.
#include <optional>
#include <string>

#include "runtime/page/link_selection.h"
#include "runtime/page/menu_reader.h"
#include "runtime/page/page_objects.h"
#include "runtime/page/page_state.h"
#include "runtime/page/page_view.h"
#include "runtime/page/runtime_state.h"
#include "runtime/page/script_port.h"

namespace pemo::page {

class MenuPage {
 public:
  MenuPage(RuntimeState& runtime, PageView& view, ScriptPort& script);

  // Puts a menu file on the page (the page is expected empty: CloseMenu first), hands
  // its script to the interpreter and fires the loaded event. Returns false when the
  // file could not be read to its end; the objects built so far stay, and the user has
  // been told.
  bool openMenuFile(const std::string& path);
  // An offer of bytes lasts as long as this value, and no longer: when it ends unused (the
  // menu change it was made for was refused) the bytes go, and its observer is never told
  // of a later reading.
  class [[nodiscard]] BytesOffer {
   public:
    explicit BytesOffer(MenuPage& page) : page_(page) {}
    BytesOffer(const BytesOffer&) = delete;
    BytesOffer& operator=(const BytesOffer&) = delete;
    ~BytesOffer();

   private:
    MenuPage& page_;
  };
  // The bytes of a menu file just read for another purpose (the start's tree scan): the
  // next openMenuFile while the offer lasts takes them instead of reading the file again
  // when it opens the same path, and drops them either way. When it takes them, `lines`
  // hears of the lines it reads and of the reading's end, before the loaded event and
  // before a message that the file was cut short. Nothing offered: the file is read.
  BytesOffer offerMenuBytes(const std::string& path, std::optional<std::string> bytes,
                            MenuLineObserver* lines = nullptr);
  // Removes every object of the open menu, then fires the unload event.
  void closeMenu();
  // Puts the objects that name a frame into it. Throws MenuReadError when a frame
  // number names no frame of a file that has frames.
  void finishMenuLayout();

  // The host path of a menu file as openMenuFile would read it (a path beginning with
  // "\" on the menu drive), when the file exists and can be read.
  std::optional<std::string> readableMenuFile(const std::string& path) const;
  // A link beginning with "\" runs from the menu drive.
  std::string withMenuDrive(const std::string& link) const;

  // Layout steps on the objects; the window then moves its widgets.
  void shiftForTreePane(bool paneShown, int paneWidth);
  void shiftForSplitter(int splitterLeft);
  void scrollX(int value);
  void scrollY(int value);
  void undoScrollX();
  void undoScrollY();

  // A caption change that the window shows at once.
  void setCaption(ObjectKind kind, int index, const std::string& caption);

  RuntimeState& runtime() { return runtime_; }
  PageState& state() { return state_; }
  const PageState& state() const { return state_; }
  PageObjects& objects() { return objects_; }
  const PageObjects& objects() const { return objects_; }
  LinkSelection& selection() { return selection_; }
  ScriptPort& script() { return script_; }
  PageView& view() { return view_; }

 private:
  std::string workingPath(const std::string& path, std::string* drive) const;

  RuntimeState& runtime_;
  PageView& view_;
  ScriptPort& script_;
  PageState state_;
  PageObjects objects_;
  LinkSelection selection_;
  std::string offeredPath_;
  std::optional<std::string> offeredBytes_;
  MenuLineObserver* offeredLines_ = nullptr;
};

}  // namespace pemo::page
