// A zero-filled movable global memory block, locked for its whole life; move-only. The working
// buffers of the program (file text, dialog templates) live in these.
#pragma once
#include <windows.h>

#include <cstddef>

class GlobalBlock {
 public:
  GlobalBlock() = default;
  ~GlobalBlock() { Reset(); }
  GlobalBlock(GlobalBlock&& other) noexcept;
  GlobalBlock& operator=(GlobalBlock&& other) noexcept;
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  // Allocates and locks `size` zero-filled bytes; an empty block when memory is short.
  static GlobalBlock Allocate(size_t size);

  explicit operator bool() const { return data_ != nullptr; }
  char* data() const { return static_cast<char*>(data_); }
  size_t size() const { return size_; }
  void Reset();  // unlocks and frees

 private:
  HGLOBAL handle_ = nullptr;
  void* data_ = nullptr;
  size_t size_ = 0;
};

// Test seam: the next `count` allocations fail as if memory were exhausted.
void FailNextGlobalAllocations(int count);
