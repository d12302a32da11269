// A move-only owner of an open registry key, so every path closes what it opened.
#pragma once
#include <windows.h>

#include "base/owned_handle.h"

struct CloseRegistryKey {
  void operator()(HKEY key) const { RegCloseKey(key); }
};

using RegistryKey = OwnedHandle<HKEY, CloseRegistryKey>;
