#pragma once
// Measures the heap memory a piece of code holds at its worst. A test program that links
// allocation_meter.cpp has its global operator new and delete counted.
#include <cstddef>

namespace pemo::testing {

class AllocationMeter {
 public:
  AllocationMeter();  // starts from the bytes held now
  // The most bytes held at once beyond those held at the start.
  std::size_t peakBytes() const;

 private:
  std::size_t start_;
};

}  // namespace pemo::testing
