#pragma once
// A one-dimensional array as it crosses the KOVAN interface: it may have no
// dimensions yet (never sized), and it knows its own lower and upper bound.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "kovan/kovan_error.h"

namespace pemo::kovan {

template <class T>
class SafeArray {
 public:
  // No dimensions: the bounds cannot be taken until the array is sized.
  SafeArray() = default;
  // Elements 0 to upper.
  explicit SafeArray(int32_t upper) : SafeArray(0, upper) {}
  // Elements lower to upper; upper = lower - 1 gives a sized array without elements.
  SafeArray(int32_t lower, int32_t upper) { dimension(lower, upper); }
  // Elements from 0 holding the given items.
  SafeArray(std::initializer_list<T> items)
      : dimensioned_(true), lower_(0), items_(items) {}

  bool isDimensioned() const { return dimensioned_; }
  int32_t lowerBound() const { return requireDimensions(), lower_; }
  int32_t upperBound() const {
    return requireDimensions(), lower_ + static_cast<int32_t>(items_.size()) - 1;
  }
  // Number of elements; 0 for an array without dimensions.
  int32_t count() const { return static_cast<int32_t>(items_.size()); }

  // Sizes the array to lower..upper, dropping its elements.
  void dimension(int32_t lower, int32_t upper) {
    if (upper < lower - 1) throw KovanError(kErrSubscriptOutOfRange);
    dimensioned_ = true;
    lower_ = lower;
    items_.assign(static_cast<size_t>(upper - lower + 1), T{});
  }
  // Resizes to end at upper, keeping the elements that stay (an array without
  // dimensions starts at 0).
  void redimPreserve(int32_t upper) {
    int32_t lower = dimensioned_ ? lower_ : 0;
    if (upper < lower - 1) throw KovanError(kErrSubscriptOutOfRange);
    dimensioned_ = true;
    lower_ = lower;
    items_.resize(static_cast<size_t>(upper - lower + 1));
  }
  // Back to no dimensions.
  void erase() {
    dimensioned_ = false;
    lower_ = 0;
    items_.clear();
  }

  // Element access in the array's own numbering; outside the bounds raises error 9.
  T& operator[](int32_t index) { return items_[offsetOf(index)]; }
  const T& operator[](int32_t index) const { return items_[offsetOf(index)]; }

  const std::vector<T>& items() const { return items_; }

 private:
  void requireDimensions() const {
    if (!dimensioned_) throw KovanError(kErrSubscriptOutOfRange);
  }
  size_t offsetOf(int32_t index) const {
    requireDimensions();
    int64_t offset = static_cast<int64_t>(index) - lower_;
    if (offset < 0 || offset >= static_cast<int64_t>(items_.size()))
      throw KovanError(kErrSubscriptOutOfRange);
    return static_cast<size_t>(offset);
  }

  bool dimensioned_ = false;
  int32_t lower_ = 0;
  std::vector<T> items_;
};

using StringArray = SafeArray<std::string>;
using ByteArray = SafeArray<uint8_t>;

}  // namespace pemo::kovan
