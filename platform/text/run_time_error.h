#pragma once
// The run-time errors of the Windows run-time library: a failure raised with
// its error number and text, which the caller treats as an error at the call site.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace pemo::text {

// Run-time error numbers raised by the libraries.
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

class RunTimeError : public std::runtime_error {
 public:
  // The standard text of the run-time library for that number.
  explicit RunTimeError(int32_t number);
  RunTimeError(int32_t number, const std::string& text);
  int32_t number() const { return number_; }
  std::string text() const { return what(); }

 private:
  int32_t number_;
};

// The run-time library's text for an error number ("" for numbers it does not know).
std::string errorText(int32_t number);

}  // namespace pemo::text
