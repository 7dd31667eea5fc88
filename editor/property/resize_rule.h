#pragma once
// How the property window follows a resize: it keeps the height it loaded with, and its
// editors widen and narrow with its width, but only while the window is at least
// kMinimumWidth twips wide.
#include <optional>

namespace pemo::editor::property {

inline constexpr double kMinimumWidthTwips = 2000;

class ResizeRule {
 public:
  // The window's size at its load, before its stored place is restored.
  void start(double widthTwips, double heightTwips);
  struct Outcome {
    int widen;         // twips to add to every editor's width
    int fixedHeight;   // the height the window snaps back to
  };
  // nullopt below the minimum width: nothing follows, and the next accepted width is
  // measured from the last one accepted.
  std::optional<Outcome> resized(double widthTwips);

  int fixedHeight() const { return fixedHeight_; }

 private:
  int fixedHeight_ = 0;
  int lastWidth_ = 0;
};

}  // namespace pemo::editor::property
