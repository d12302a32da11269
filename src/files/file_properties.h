// The file properties window of a document: name, type, folder, size, access, short name and
// times of its file, from an in-memory template.
#pragma once
#include <windows.h>

#include <cstddef>

#include "settings/options.h"

constexpr size_t kPropertiesTemplateSize = 4098;

// Writes the window's template; the bytes used, 0 when it did not fit.
size_t WritePropertiesTemplate(void* block, size_t capacity);

// Command 103: the window for the document's file, owned by the document.
int FileProperties(HWND document, AppOptionsRecord& options);
