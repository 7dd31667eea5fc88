#pragma once
// A registry key that a method opened for itself and closes on every way out.
#include <cstdint>

#include "platform/registry/registry.h"

namespace pemo::kovan {

class ScopedKey {
 public:
  // -1 and 0 stand for "no key" as the open and create methods return them.
  explicit ScopedKey(int32_t key) : key_(key) {}
  ~ScopedKey() {
    if (isOpen()) registry::closeKey(key_);
  }
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;

  bool isOpen() const { return key_ != 0 && key_ != -1; }
  int32_t get() const { return key_; }

 private:
  int32_t key_;
};

}  // namespace pemo::kovan
