// What the shell's file-type registrations say about a file: its type's name and icon.
#pragma once
#include <windows.h>

#include <cstddef>

#include "base/owned_handle.h"

// The type of files with `extension` (".txt" or "txt"; may be empty) as the class keys under
// HKEY_CLASSES_ROOT describe it: the class's name and its DefaultIcon ("file,index"). When any
// step fails (a key missing, an empty value, no comma, no icon in the file) the type is
// "Document" with the Windows-logo icon. The icon is always the caller's to destroy.
IconOwner LookupFileType(const char* extension, char* typeName, size_t capacity);

// The extension of the file a path names: its name's text from the last "." ("" without one).
const char* ExtensionOf(const char* path);
