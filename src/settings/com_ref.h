// Move-free owners for COM: the library initialised for one use, and an interface pointer
// released when its owner goes, so every path gives back what it obtained.
#pragma once
#include <windows.h>
#include <objbase.h>

class ComSession {
 public:
  ComSession() : result_(CoInitialize(nullptr)) {}
  ~ComSession() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComSession(const ComSession&) = delete;
  ComSession& operator=(const ComSession&) = delete;

 private:
  HRESULT result_;
};

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (pointer_) pointer_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  // For the calls that hand out an interface: the address of the (empty) pointer.
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};
