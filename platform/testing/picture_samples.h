#pragma once
// A small red picture in each format Qt reads here, as the bytes of its file, for files
// named as another format or as none.
#include <QSize>
#include <string>
#include <vector>

namespace pemo::testing {

struct PictureSample {
  std::string suffix;  // the format's own, lower case, without the dot
  std::string bytes;
  QSize size;
};

std::vector<PictureSample> pictureSamples();

// Whether a colour read back from a sample is its red, as near as a lossy format keeps it.
bool isSampleRed(unsigned rgb);

}  // namespace pemo::testing
