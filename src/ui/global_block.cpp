// A zero-filled movable global memory block, locked for its whole life.
#include "ui/global_block.h"

#include <utility>

namespace {
int failuresToInject = 0;
}

void FailNextGlobalAllocations(int count) {
  failuresToInject = count;
}

GlobalBlock::GlobalBlock(GlobalBlock&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

GlobalBlock& GlobalBlock::operator=(GlobalBlock&& other) noexcept {
  if (this != &other) {
    Reset();
    handle_ = std::exchange(other.handle_, nullptr);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

GlobalBlock GlobalBlock::Allocate(size_t size) {
  GlobalBlock block;
  if (failuresToInject > 0) {
    --failuresToInject;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return block;
  }
  block.handle_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block.handle_) return block;
  block.data_ = GlobalLock(block.handle_);
  if (!block.data_) {
    GlobalFree(block.handle_);
    block.handle_ = nullptr;
    return block;
  }
  block.size_ = size;
  return block;
}

void GlobalBlock::Reset() {
  if (handle_) {
    if (data_) GlobalUnlock(handle_);
    GlobalFree(handle_);
  }
  handle_ = nullptr;
  data_ = nullptr;
  size_ = 0;
}
