// Text lookup by id: the built-in message table first, then the string table resource.
#include "ui/strings.h"

#include <cstring>

#include "base/globals.h"

// Resources live in the program's module; tests run before start-up has stored it.
HINSTANCE ResourceModule() {
  return AppInstance ? AppInstance : GetModuleHandleA(nullptr);
}

int LookUpString(char* buffer, UINT id) {
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
  return LoadStringA(ResourceModule(), id, buffer, kStringCapacity);
}
