// Bitmap resources drawn at their natural size.
#pragma once
#include <windows.h>

// The rectangle (0, 0, width, height) of bitmap resource `id`; 0 after the message.
int PicSize(UINT id, RECT* size);
// Draws bitmap resource `id` unscaled with its top-left corner at the rectangle's; 0 after the
// message.
int DrawPicture(HDC dc, UINT id, const RECT* rect);

// Test seam: the system calls each step makes (the system's by default; null restores them).
struct PictureCalls {
  HDC(WINAPI* getDC)(HWND window);
  HBITMAP(WINAPI* loadBitmap)(HINSTANCE module, LPCSTR name);
  HDC(WINAPI* createCompatibleDC)(HDC dc);
  HGDIOBJ(WINAPI* selectObject)(HDC dc, HGDIOBJ object);
  int(WINAPI* getObject)(HANDLE object, int size, LPVOID data);
};
void SetPictureCalls(const PictureCalls* calls);
