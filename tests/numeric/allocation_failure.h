#pragma once

#include <cstddef>

// Test support: while an object of this class lives, every allocation through
// the global operator new of at least the given size throws std::bad_alloc.
// Smaller allocations still succeed, so that the code under test meets
// exhaustion on its large arrays while the test itself keeps working. Linking
// this file into a test executable replaces the global operator new there.
class FailingLargeAllocations {
 public:
  explicit FailingLargeAllocations(std::size_t fromBytes = 1024);
  ~FailingLargeAllocations();
  FailingLargeAllocations(const FailingLargeAllocations&) = delete;
  FailingLargeAllocations& operator=(const FailingLargeAllocations&) = delete;
};
