#include "runtime/script/script_file.h"

#include "platform/text/cp932.h"
#include "platform/text/strings.h"

namespace pemo::script {

ScriptFile::ScriptFile(std::string bytes) : bytes_(std::make_shared<const std::string>(std::move(bytes))) {}

ScriptFile::ScriptFile(std::shared_ptr<const std::string> bytes) : bytes_(std::move(bytes)) {}

bool ScriptFile::atEnd() const { return !bytes_ || position_ > static_cast<long>(bytes_->size()); }

void ScriptFile::setPosition(long position) { position_ = position < 1 ? 1 : position; }

std::string ScriptFile::readLine() {
  if (!bytes_) return {};
  const std::string& bytes = *bytes_;
  const size_t size = bytes.size();
  size_t at = static_cast<size_t>(position_ - 1);
  std::string raw;
  while (at < size) {
    const unsigned char byte = static_cast<unsigned char>(bytes[at]);
    if (byte == '\r') {
      ++at;
      if (at < size && bytes[at] == '\n') ++at;
      break;
    }
    if (byte == '\n') {
      ++at;
      break;
    }
    if (text::isLeadByte(byte)) {
      // A lead byte that is the file's last byte stays alone: nothing is read past the end.
      raw += bytes.substr(at, 2);
      at += 2;
      continue;
    }
    raw += byte == '\t' ? ' ' : static_cast<char>(byte);
    ++at;
  }
  position_ = static_cast<long>(at < size ? at : size) + 1;
  return text::Trim(text::cp932ToUtf8(raw));
}

}  // namespace pemo::script
