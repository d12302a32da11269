// Start-up, step by step: where the time goes between the process start and the first idle
// frame. The libraries a step loads are loaded (and timed) on their own first, so the step's
// own figure is what is left. The frame's making is split as CreateFrameWindow takes it.
//
// Run by hand under Wine with a display:  wine startup_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>

#include "app/menu_state.h"
#include "bench_support.h"
#include "document/doc_window.h"

int main(int argc, char** argv) {
  // "late": the first document is made while the frame is still hidden, then the frame shows.
  const bool late = argc > 1 && std::strcmp(argv[1], "late") == 0;
  const double processStart = Now();
  auto step = [](const char* what, auto action) {
    const double ms = Timed(action) * 1000.0;
    std::printf("%-44s %7.1f ms\n", what, ms);
  };
  step("LoadLibrary RichEd32.dll", [] { LoadLibraryA("RichEd32.dll"); });
  step("InitGlobals (common controls)", [] { InitGlobals(GetModuleHandleA(nullptr)); });
  step("InitApplication (store, classes, splash)", [] { InitApplication(AppOptions); });
  step("LoadOptions", [] { LoadOptions(AppOptions, OptionRecords); });
  AppOptions.NewDoc = 1;
  HWND frame = nullptr;
  step("frame: create (toolbar, font, client, status)", [&frame] {
    const PlacementRecord& place = AppOptions.Window;
    frame = CreateWindowExA(0, kFrameClassName, kProductName, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            place.Left, place.Top, place.Width, place.Height, nullptr, nullptr,
                            AppInstance, &AppOptions);
  });
  auto showFrame = [frame] {
    ShowWindow(frame, SW_SHOWNORMAL);
    UpdateWindow(frame);
  };
  if (!late) step("frame: show and paint", showFrame);
  AppOptions.ZoomChildren = AppOptions.Maximized;
  // The first document as CreateDocWindow makes an untitled one, in its two halves.
  HWND document = nullptr;
  step("first document: window and control (maximised)",
       [frame, &document] { document = MakeDocWindow(frame, nullptr, AppOptions); });
  step("first document: shown", [&document] { ShowDocWindow(document); });
  if (late) step("frame: show and paint", showFrame);
  step("menu and toolbar state", [frame] { RefreshCommandState(frame, AppOptions); });
  step("splash closed", [] { CloseSplash(); });
  std::printf("%-44s %7.1f ms\n", "total", (Now() - processStart) * 1000.0);
  return 0;
}
