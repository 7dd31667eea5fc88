#include "platform/ui/message_port.h"

#include <cstdio>

namespace pemo::ui {
namespace {

class StderrMessagePort : public MessagePort {
 public:
  int show(const std::string& prompt, int style, const std::string& title) override {
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), prompt.c_str());
    return firstButtonAnswer(style);
  }
};

StderrMessagePort stderrPort;
MessagePort* current = nullptr;

}  // namespace

int firstButtonAnswer(int style) {
  switch (style & kButtonBits) {
    case kOkCancel: return kOk;
    case kAbortRetryIgnore: return kAbort;
    case kYesNoCancel:
    case kYesNo: return kYes;
    case kRetryCancel: return kRetry;
    default: return kOk;
  }
}

MessagePort& messages() { return current ? *current : stderrPort; }
void setMessagePort(MessagePort* port) { current = port; }

void showExclamation(const std::string& prompt, const std::string& title) {
  messages().show(prompt, kOkOnly | kExclamation, title);
}

int RecordingMessagePort::show(const std::string& prompt, int style, const std::string& title) {
  shown.push_back({prompt, style, title});
  if (answers.empty()) return firstButtonAnswer(style);
  int answer = answers.front();
  answers.erase(answers.begin());
  return answer;
}

ScopedMessagePort::ScopedMessagePort(MessagePort* port) : previous_(current) { current = port; }
ScopedMessagePort::~ScopedMessagePort() { current = previous_; }

}  // namespace pemo::ui
