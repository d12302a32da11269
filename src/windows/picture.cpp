// Bitmap resources drawn at their natural size.
#include "windows/picture.h"

#include "base/globals.h"
#include "base/owned_handle.h"
#include "ui/message_dialogs.h"

namespace {

const PictureCalls kSystemCalls = {GetDC, LoadBitmapA, CreateCompatibleDC, SelectObject,
                                   GetObjectA};
const PictureCalls* calls = &kSystemCalls;

struct DeleteDcHandle {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using MemoryDc = OwnedHandle<HDC, DeleteDcHandle>;
using BitmapOwner = OwnedHandle<HBITMAP, DeleteGdiObject>;

// The screen's context, given back on every path.
class ScreenDc {
 public:
  ScreenDc() : dc_(calls->getDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A bitmap selected into a memory context like `target`, with the size read from it; the
// selection, context and bitmap are undone in reverse order.
class SelectedPicture {
 public:
  // Reports the failing step with `routine` as the message's heading; ok() tells.
  SelectedPicture(const char* routine, HDC target, UINT id) {
    bitmap_.reset(calls->loadBitmap(AppInstance, MAKEINTRESOURCEA(id)));
    if (!bitmap_) {
      Fail(routine, 60010, id);
      return;
    }
    memory_.reset(calls->createCompatibleDC(target));
    if (!memory_) {
      ShowError(60011, routine, static_cast<int>(GetLastError()));
      return;
    }
    SetMapMode(memory_.get(), GetMapMode(target));
    old_ = calls->selectObject(memory_.get(), bitmap_.get());
    if (!old_) {
      Fail(routine, 60012, id);
      return;
    }
    if (!calls->getObject(bitmap_.get(), sizeof info_, &info_)) {
      Fail(routine, 60013, id);
      return;
    }
    ok_ = true;
  }
  ~SelectedPicture() {
    if (old_) SelectObject(memory_.get(), old_);
  }
  SelectedPicture(const SelectedPicture&) = delete;
  SelectedPicture& operator=(const SelectedPicture&) = delete;

  bool ok() const { return ok_; }
  HDC dc() const { return memory_.get(); }
  const BITMAP& info() const { return info_; }

 private:
  static void Fail(const char* routine, UINT messageId, UINT id) {
    ShowError(messageId, routine, id, static_cast<int>(GetLastError()));
  }

  BitmapOwner bitmap_;  // declared first: freed last
  MemoryDc memory_;
  HGDIOBJ old_ = nullptr;
  BITMAP info_ = {};
  bool ok_ = false;
};

}  // namespace

int PicSize(UINT id, RECT* size) {
  ScreenDc screen;
  if (!screen.get()) return ShowError(60009, "PicSize", static_cast<int>(GetLastError()));
  SelectedPicture picture("PicSize", screen.get(), id);
  if (!picture.ok()) return 0;
  SetRect(size, 0, 0, picture.info().bmWidth, picture.info().bmHeight);
  return 1;
}

int DrawPicture(HDC dc, UINT id, const RECT* rect) {
  SelectedPicture picture("DrawPicture", dc, id);
  if (!picture.ok()) return 0;
  POINT size = {picture.info().bmWidth, picture.info().bmHeight};
  DPtoLP(dc, &size, 1);
  POINT origin = {0, 0};
  DPtoLP(picture.dc(), &origin, 1);
  BitBlt(dc, rect->left, rect->top, size.x, size.y, picture.dc(), origin.x, origin.y, SRCCOPY);
  return 1;
}

void SetPictureCalls(const PictureCalls* replacement) {
  calls = replacement ? replacement : &kSystemCalls;
}
