// Start-up, step by step: where the time goes between the process start and the first idle
// frame. The libraries a step loads are loaded (and timed) on their own first, so the step's
// own figure is what is left.
//
// Run by hand under Wine with a display:  wine startup_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "bench_support.h"

int main() {
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
  step("CreateFrameWindow (toolbar, font, first doc)",
       [] { CreateFrameWindow(SW_SHOWNORMAL, AppOptions); });
  std::printf("%-44s %7.1f ms\n", "total", (Now() - processStart) * 1000.0);
  return 0;
}
