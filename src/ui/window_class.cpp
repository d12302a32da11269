#include "ui/window_class.h"

#include "ui/message_dialogs.h"

int RegisterPlainWindowClass(HINSTANCE instance, const char* className, const char* reportedName,
                             WNDPROC procedure, UINT style, UINT iconId) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  if (RegisterClassExA(&windowClass)) return 1;
  return ShowError(60003, reportedName, static_cast<int>(GetLastError()));
}
