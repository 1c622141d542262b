#include "allocation_failure.h"

#include <cstdlib>
#include <new>

namespace {

// 0 when allocations do not fail.
std::size_t gFailFromBytes = 0;

}  // namespace

FailingLargeAllocations::FailingLargeAllocations(std::size_t fromBytes) { gFailFromBytes = fromBytes; }

FailingLargeAllocations::~FailingLargeAllocations() { gFailFromBytes = 0; }

void* operator new(std::size_t size) {
  if (gFailFromBytes != 0 && size >= gFailFromBytes) throw std::bad_alloc();
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }

void operator delete(void* block, std::size_t) noexcept { std::free(block); }
