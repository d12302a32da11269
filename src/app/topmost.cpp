// Always on top: the frame, and the record of it for the two tool windows.
#include "app/topmost.h"

#include "windows/character_chart.h"
#include "windows/error_codes.h"

void SetTopmost(HWND window, int on) {
  if (!window) return;
  SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ToggleTopmost(HWND frame, AppOptionsRecord& options) {
  options.TopMost = !options.TopMost;
  SetTopmost(frame, options.TopMost);
  options.Errors.Show = options.TopMost;
  SetErrorCodesTopmost(options.TopMost);
  options.ASCII.Show = options.TopMost;
  SetChartTopmost(options.TopMost);
}
