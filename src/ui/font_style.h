// Screen fonts made from a face name and a point size.
#pragma once
#include <windows.h>

#include "base/owned_handle.h"

// The installed face `face` at `points` points, normal weight, upright. Empty, quietly, when no
// such face is installed; empty after the error message when the screen or the font fails.
FontOwner MakeFontStyle(const char* face, int points);
