#pragma once
// Pictures as the property window needs them: whether a file is a picture the programs
// can show, and its size.
#include <optional>
#include <string>

namespace pemo::editor::property {

struct PictureSize {
  int width = 0;   // pixels
  int height = 0;
};

class PicturePort {
 public:
  virtual ~PicturePort() = default;
  // The size of the picture in the host file; nullopt when it is no picture shown.
  virtual std::optional<PictureSize> readPicture(const std::string& hostPath) = 0;
};

}  // namespace pemo::editor::property
