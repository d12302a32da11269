// Printing a document with its headers and footers.
#pragma once
#include <windows.h>

#include "settings/options.h"

int PrintDocument(HWND document, AppOptionsRecord& options);
