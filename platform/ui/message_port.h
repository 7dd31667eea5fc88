#pragma once
// The message box every user message goes through. Programs install the Qt box at
// start; logic and tests talk only to this port.
#include <string>
#include <vector>

namespace pemo::ui {

// Button and icon flags, and answers, with their Windows values.
enum MsgBoxStyle : int {
  kOkOnly = 0,
  kOkCancel = 1,
  kAbortRetryIgnore = 2,
  kYesNoCancel = 3,
  kYesNo = 4,
  kRetryCancel = 5,
  kCritical = 16,
  kQuestion = 32,
  kExclamation = 48,
  kInformation = 64,
  kDefaultButton2 = 256,
  kDefaultButton3 = 512,
};

// The bits of a style that choose its buttons, and those that choose its icon.
constexpr int kButtonBits = 7;
constexpr int kIconBits = 0x70;

enum MsgBoxResult : int { kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // Shows a modal message and returns the answer (an MsgBoxResult).
  virtual int show(const std::string& prompt, int style, const std::string& title) = 0;
};

// The port in use: the one installed, else one that writes to standard error and
// answers with the first button.
MessagePort& messages();
// Installs a port (not owned); nullptr restores the standard-error port.
void setMessagePort(MessagePort* port);

// Shorthand for the system's usual message: exclamation icon, OK button.
void showExclamation(const std::string& prompt, const std::string& title);

// For tests: records every message and answers from a queue (first button when empty).
class RecordingMessagePort : public MessagePort {
 public:
  struct Message {
    std::string prompt;
    int style;
    std::string title;
  };
  int show(const std::string& prompt, int style, const std::string& title) override;
  std::vector<Message> shown;
  std::vector<int> answers;
};

// Installs a port for the lifetime of the guard.
class ScopedMessagePort {
 public:
  explicit ScopedMessagePort(MessagePort* port);
  ~ScopedMessagePort();
  ScopedMessagePort(const ScopedMessagePort&) = delete;
  ScopedMessagePort& operator=(const ScopedMessagePort&) = delete;

 private:
  MessagePort* previous_;
};

int firstButtonAnswer(int style);

}  // namespace pemo::ui
