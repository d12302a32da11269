// Settings store speed: a first run (load, defaults, full save), a full save and a full load,
// in the registry and in the portable INI file, each step timed on its own.
//
// Run by hand under Wine:  wine settings_bench.exe [rounds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "base/globals.h"
#include "settings/options.h"
#include "settings/registrations.h"
#include "settings/settings_store.h"

#include "bench_support.h"

namespace {

template <typename Step>
double Milliseconds(Step step) {
  const double start = Now();
  step();
  return (Now() - start) * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
  InitGlobals(GetModuleHandleA(nullptr));
  for (const char* key : {kProductKey, ""}) {
    lstrcpynA(ProductKeyPath, key, sizeof ProductKeyPath);
    std::printf("%s\n", key[0] ? "registry" : "INI file");
    for (int round = 0; round < rounds; ++round) {
      RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
      DeleteFileA(IniPath);
      const double first = Milliseconds([] { LoadOptions(AppOptions, OptionRecords); });
      const double save = Milliseconds([] { SaveOptions(AppOptions, OptionRecords); });
      const double load = Milliseconds([] { LoadOptions(AppOptions, OptionRecords); });
      const double machine = Milliseconds([] {
        RefreshRegistrations(kProgramName, kProgramVersion, ProgramPath);
        WriteProfileStringA("Veldmark", kProgramName, kProgramVersion);
      });
      std::printf(
          "  first run %7.1f ms  save %7.1f ms  load %7.1f ms  (machine-wide entries and "
          "WIN.INI %5.1f ms)\n",
          first, save, load, machine);
    }
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
  DeleteFileA(IniPath);
  return 0;
}
