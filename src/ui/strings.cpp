// Text lookup by id: the built-in message table first, then the string table resource.
#include "ui/strings.h"

#include <cstring>

#include "app/globals.h"
#include "ui/message_dialogs.h"

// Resources live in the program's module; tests run before start-up has stored it.
HINSTANCE ResourceModule() {
  return AppInstance ? AppInstance : GetModuleHandleA(nullptr);
}

int GetString(char* buffer, UINT id) {
  if (!buffer) return 0;
  if (const char* text = MessageTableText(id)) {
    const size_t length = strlen(text);
    static_assert(kStringCapacity > 0, "room for the terminator");
    const size_t copied = length < kStringCapacity - 1 ? length : kStringCapacity - 1;
    memcpy(buffer, text, copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
  }
  buffer[0] = '\0';
  const int length = LoadStringA(ResourceModule(), id, buffer, kStringCapacity);
  if (length > 0) return length;
  const int code = static_cast<int>(GetLastError());
  ShowErrorText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", id, code);
  return 0;
}
