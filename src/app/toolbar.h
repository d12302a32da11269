// The frame's customisable toolbar, its button table and its saved layouts.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "settings/options.h"

constexpr int kToolbarEntries =
    43;  // the standard layout plus the buttons offered when customising
constexpr int kStandardButtons = 35;   // entries 0-34 make the standard toolbar
constexpr int kToolbarImages = 31;     // images in bitmap 1002, background RGB(192,192,192)
constexpr int kToolbarImageSize = 16;  // each image is 16 x 16

constexpr const char* kStandardLayout = "Standard";
constexpr const char* kCustomLayout = "Custom";

int BuildToolbar(HWND frame, const AppOptionsRecord& options);
// The toolbar control writes and reads its own layout below the product key.
void SaveToolbarLayout(const char* valueName);
void RestoreToolbarLayout(const char* valueName);
// Command 303: the common controls' customisation dialog.
void CustomizeToolbar(HWND frame);

void SetButtonEnabled(HWND toolbar, UINT command, bool enabled);
void SetButtonChecked(HWND toolbar, UINT command, bool checked);

// The frame's WM_NOTIFY: customisation notifications and tooltips.
LRESULT HandleToolbarNotify(HWND frame, NMHDR* notification, AppOptionsRecord& options);
