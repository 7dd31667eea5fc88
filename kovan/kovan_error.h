#pragma once
// The failure a KOVAN method raises: the caller treats it as a run-time error at the
// call site, with the error number and text of the original platform's run-time library.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace pemo::kovan {

// Run-time error numbers the library raises.
enum ErrorNumber : int32_t {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscriptOutOfRange = 9,
  kErrTypeMismatch = 13,
  kErrDllLoad = 48,
  kErrFileNotFound = 53,
  kErrInvalidUseOfNull = 94,
  kErrDllEntryNotFound = 453,
};

class KovanError : public std::runtime_error {
 public:
  // The standard text of the run-time library for that number.
  explicit KovanError(int32_t number);
  KovanError(int32_t number, const std::string& text);
  int32_t number() const { return number_; }
  std::string text() const { return what(); }

 private:
  int32_t number_;
};

// The run-time library's text for an error number ("" for numbers it does not know).
std::string errorText(int32_t number);

}  // namespace pemo::kovan
