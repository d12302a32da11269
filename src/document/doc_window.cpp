// Document windows are not built yet: asking for one only beeps, and the window procedure is
// the MDI child default.
#include "document/doc_window.h"

#include "ui/message_dialogs.h"

HWND CreateDocWindow(HWND, const char*, int, AppOptionsRecord&) {
  BeepAndFail();
  return nullptr;
}

LRESULT CALLBACK DocWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcA(window, message, wParam, lParam);
}
