// Window texts by string id.
#include "ui/window_text.h"

#include <cstdarg>
#include <cstdio>

#include "ui/message_dialogs.h"
#include "ui/strings.h"

namespace {

// Formats looked-up text `id` into `text` (255 characters at most); 0 when the lookup failed.
int FormatById(char (&text)[kStringCapacity], UINT id, va_list args) {
  char format[kStringCapacity];
  if (!GetString(format, id)) return 0;
  if (vsnprintf(text, sizeof text, format, args) < 0) text[0] = '\0';
  return 1;
}

}  // namespace

int SetWindowTextById(HWND window, UINT id, ...) {
  char text[kStringCapacity];
  va_list args;
  va_start(args, id);
  const int found = FormatById(text, id, args);
  va_end(args);
  return found && SetWindowTextA(window, text) ? 1 : 0;
}

int SetDlgItemTextById(HWND dialog, int itemId, UINT id, ...) {
  char text[kStringCapacity];
  va_list args;
  va_start(args, id);
  const int found = FormatById(text, id, args);
  va_end(args);
  return found && SetDlgItemTextA(dialog, itemId, text) ? 1 : 0;
}

int FormatTextById(char (&text)[kStringCapacity], UINT id, ...) {
  va_list args;
  va_start(args, id);
  const int found = FormatById(text, id, args);
  va_end(args);
  return found;
}
