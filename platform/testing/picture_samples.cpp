#include "platform/testing/picture_samples.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

namespace pemo::testing {
namespace {

std::string written(const char* format, QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format);
  return bytes.toStdString();
}

// Qt writes no GIF: one pixel, its colour the first of a two-colour table.
std::string gifBytes() {
  static const unsigned char bytes[] = {'G',  'I',  'F',  '8',  '9',  'a',  1,    0,    1,    0,    0x80, 0,
                                        0,    0xFF, 0,    0,    0,    0,    0,    0x2C, 0,    0,    0,    0,
                                        1,    0,    1,    0,    0,    2,    2,    0x44, 1,    0,    0x3B};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

}  // namespace

std::vector<PictureSample> pictureSamples() {
  return {{"bmp", written("BMP", {7, 5}), {7, 5}},
          {"png", written("PNG", {6, 4}), {6, 4}},
          {"jpg", written("JPG", {9, 3}), {9, 3}},
          {"gif", gifBytes(), {1, 1}}};
}

bool isSampleRed(unsigned rgb) { return qRed(rgb) > 200 && qGreen(rgb) < 60 && qBlue(rgb) < 60; }

}  // namespace pemo::testing
