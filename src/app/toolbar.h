// The frame's customisable toolbar, its button table and its saved layouts.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "settings/options.h"

constexpr int kToolbarEntries =
    43;  // the standard layout plus the buttons offered when customising
constexpr int kStandardButtons = 35;  // entries 0-34 make the standard toolbar
constexpr int kToolbarImages = 31;    // images in bitmap 1002
constexpr int kToolbarImageSize = 16;

constexpr const char* kStandardLayout = "Standard";
constexpr const char* kCustomLayout = "Custom";

// Entry i of the button table (separators have command 0).
const TBBUTTON& ToolbarEntry(int index);

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
