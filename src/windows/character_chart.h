// The ASCII/ANSI character chart window: every code 0-255 in a 16 x 16 grid drawn in the display
// font. A left click shows a code's numbers until the next input, a right click copies the
// character to the clipboard.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Registers "TableWindowClass"; 0 after its message.
int RegisterCharacterChartClass();

int OpenCharacterChart(PlacementRecord* placement, const char* faceName, int useFont);
int RefreshCharacterChart(const char* faceName, int useFont);  // 0 when the chart is closed
int SetChartTopmost(int topmost);
int CloseCharacterChart();  // 0 when it was closed

HWND CharacterChartWindow();  // null when closed

// Test seam: the clipboard steps of a right click (the system's by default; null restores them).
struct ChartClipboardCalls {
  HGLOBAL(WINAPI* allocate)(UINT flags, SIZE_T bytes);
  LPVOID(WINAPI* lock)(HGLOBAL memory);
  BOOL(WINAPI* open)(HWND owner);
  BOOL(WINAPI* empty)();
  HANDLE(WINAPI* set)(UINT format, HANDLE memory);
};
void SetChartClipboardCalls(const ChartClipboardCalls* calls);
