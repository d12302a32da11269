// The status line's message part: looked-up texts shown in part 0 without borders.
#include "ui/status.h"

#include <commctrl.h>

#include <cstdarg>
#include <cstdio>

#include "base/globals.h"
#include "ui/message_dialogs.h"
#include "ui/strings.h"

void SetStatus(UINT id, ...) {
  // The bar's own visible style is what the user switches; the frame may still be hidden while
  // start-up writes its first status text.
  if (!StatusBar || !IsWindow(StatusBar) || !(GetWindowLongA(StatusBar, GWL_STYLE) & WS_VISIBLE)) {
    return;
  }
  char format[kStringCapacity];
  if (!GetString(format, id)) return;
  char text[kStringCapacity];
  va_list args;
  va_start(args, id);
  if (vsnprintf(text, sizeof text, format, args) < 0) text[0] = '\0';
  va_end(args);
  SendMessageA(StatusBar, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text));
  // The text shows at once, even inside a long step; the rest of the frame paints when idle
  // (painting it here would redraw a large document for every status text).
  UpdateWindow(StatusBar);
}
