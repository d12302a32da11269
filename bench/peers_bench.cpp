// Norvel against the editors people would use instead, each started as its own process on the
// same files: start-up, open (process start to idle with the whole text in the control), first
// screen (process start to a visible edit control holding text), save after one typed character,
// and the peak working set with the file open. Rounds interleave the
// programs so that a busy machine slows them alike; medians, spreads and ratios are printed.
//
//   wine peers_bench.exe NORVEL.EXE [rounds (5)] [small|large|all] [FLOOR.EXE|-] [OLD.EXE]
// (bench/peers runs it in a session). "small": the 1 MB files only, "large": the 10 MB ones.
// FLOOR.EXE: the platform's floor (floor_app.exe), which starts and shows a file but has no
// save. OLD.EXE: another build of Norvel measured in the same rounds, as "Norvel before".
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Program {
  const char* name;
  std::string exe;
  UINT saveCommand = 0;  // found in the program's own menu resource
  bool saves = true;     // the floor only shows the text
};

struct TestFile {
  std::string label;
  std::string path;
  std::string bytes;
  size_t visible = 0;  // characters other than line ends: the least a full control holds
};

// Lines of 100 bytes, line end included.
TestFile MakeFile(const char* label, size_t size, bool crlf) {
  TestFile file;
  file.label = label;
  file.bytes.assign(size, 'x');
  for (size_t end = 99; end < size; end += 100) {
    file.bytes[end] = '\n';
    if (crlf) file.bytes[end - 1] = '\r';
  }
  file.visible = static_cast<size_t>(
      std::count_if(file.bytes.begin(), file.bytes.end(), [](char c) { return c == 'x'; }));
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  file.path = std::string(folder) + "peers-" + label + ".txt";
  return file;
}

bool WriteBytes(const TestFile& file) {
  HANDLE handle = CreateFileA(file.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(handle, file.bytes.data(), static_cast<DWORD>(file.bytes.size()),
                            &written, nullptr);
  CloseHandle(handle);
  return ok && written == file.bytes.size();
}

long long SizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The id of the "&Save" item in the first menu resource of `exe`, or 0.
UINT FindSaveCommand(HMENU menu) {
  for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
    char text[128] = "";
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    item.dwTypeData = text;
    item.cch = sizeof text;
    if (!GetMenuItemInfoA(menu, i, TRUE, &item)) continue;
    if (item.hSubMenu) {
      if (UINT id = FindSaveCommand(item.hSubMenu)) return id;
    } else if (std::strncmp(text, "&Save", 5) == 0 && (text[5] == '\0' || text[5] == '\t')) {
      return item.wID;
    }
  }
  return 0;
}

BOOL CALLBACK FirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<LPSTR*>(found) = IS_INTRESOURCE(name) ? name : _strdup(name);
  return FALSE;
}

UINT SaveCommandOf(const std::string& exe) {
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return 0;
  LPSTR name = nullptr;
  EnumResourceNamesA(module, reinterpret_cast<LPCSTR>(RT_MENU), FirstName,
                     reinterpret_cast<LONG_PTR>(&name));
  UINT id = 0;
  if (HMENU menu = name ? LoadMenuA(module, name) : nullptr) {
    id = FindSaveCommand(menu);
    DestroyMenu(menu);
  }
  FreeLibrary(module);
  return id;
}

struct Windows {
  DWORD process;
  HWND main = nullptr;
  HWND edit = nullptr;
  LRESULT editLength = -1;
  bool textShown = false;  // a visible edit control holds some text
};

BOOL CALLBACK FindMain(HWND window, LPARAM cookie) {
  auto* found = reinterpret_cast<Windows*>(cookie);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  // The main window has a caption: a splash box shown at start-up is not it.
  const bool captioned = (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  if (process != found->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) ||
      !captioned) {
    return TRUE;
  }
  found->main = window;
  return FALSE;
}

LRESULT TextLength(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 600000, &length))
    return -1;
  return static_cast<LRESULT>(length);
}

// The visible edit control holding the most text (notepad's "Edit", the rich-edit controls).
// Hidden ones are not asked: a control still filling would answer with part of its text, and
// each question would cost the program a walk over that text.
BOOL CALLBACK FindEdit(HWND window, LPARAM cookie) {
  auto* found = reinterpret_cast<Windows*>(cookie);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  CharLowerA(name);
  if (!std::strstr(name, "edit") || !IsWindowVisible(window)) return TRUE;
  const LRESULT length = TextLength(window);
  if (length > 0) found->textShown = true;
  if (length > found->editLength) {
    found->edit = window;
    found->editLength = length;
  }
  return TRUE;
}

struct Run {
  double open = -1, firstScreen = -1, save = -1;
  double peakMiB = -1;
  bool ok = false;
};

// Starts `program` on `file` (none: start-up alone), waits until it is idle with the whole text,
// then optionally types one character and saves; ends the process.
Run RunOnce(const Program& program, const TestFile* file, bool save) {
  Run run;
  if (file && !WriteBytes(*file)) return run;
  std::string command = "\"" + program.exe + "\"";
  if (file) command += " \"" + file->path + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const double start = NowMs();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return run;
  }
  // Start-up counts until the program is idle; with a file, the first screen may come before.
  if (!file) WaitForInputIdle(process.hProcess, 600000);
  Windows windows = {process.dwProcessId};
  for (int tries = 0; !windows.main && tries < 6000; ++tries) {
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&windows));
    if (!windows.main) Sleep(1);
  }
  if (windows.main) {
    const size_t least = file ? file->visible : 0;
    for (int tries = 0; tries < 6000; ++tries) {
      windows.edit = nullptr;
      windows.editLength = -1;
      EnumChildWindows(windows.main, FindEdit, reinterpret_cast<LPARAM>(&windows));
      if (windows.textShown && run.firstScreen < 0) run.firstScreen = NowMs() - start;
      if (windows.edit && windows.editLength >= static_cast<LRESULT>(least)) break;
      Sleep(1);
    }
    run.open = NowMs() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
      run.peakMiB = memory.PeakWorkingSetSize / 1048576.0;
    run.ok = windows.edit && windows.editLength >= static_cast<LRESULT>(least);
    if (run.ok && save && file && program.saves) {
      DWORD_PTR result = 0;
      SendMessageTimeoutA(windows.edit, WM_CHAR, 'y', 1, SMTO_NORMAL, 60000, &result);
      // The typed character's repaint is done before the clock starts: otherwise the save
      // waits behind it, and a control that paints slowly would count against its save.
      RedrawWindow(windows.main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      const double saveStart = NowMs();
      SendMessageTimeoutA(windows.main, WM_COMMAND, program.saveCommand, 0, SMTO_NORMAL, 600000,
                          &result);
      SendMessageTimeoutA(windows.main, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result);
      run.save = NowMs() - saveStart;
      // The typed character must be on disk, or the save did not happen.
      if (SizeOf(file->path) <= static_cast<long long>(file->bytes.size())) run.save = -1;
    }
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

struct Row {
  std::string what;
  std::vector<std::vector<double>> values;  // per program
};

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Ratios compare the first program (Norvel as built) with the last two (the peers).
void PrintRows(const std::vector<Program>& programs, const std::vector<Row>& rows, int round) {
  const size_t n = programs.size();
  std::printf("\nafter %d rounds; median [min-max]; ratios: Norvel / peer\n|", round);
  for (const Program& program : programs) std::printf(" | %s", program.name);
  std::printf(" | / %s | / %s |\n|---|", programs[n - 2].name, programs[n - 1].name);
  for (size_t p = 0; p < n + 2; ++p) std::printf("---|");
  std::printf("\n");
  for (const Row& row : rows) {
    std::printf("| %s |", row.what.c_str());
    std::vector<double> medians(n);
    for (size_t p = 0; p < n; ++p) {
      const auto& v = row.values[p];
      medians[p] = Median(v);
      if (v.empty()) {
        const bool noSave = !programs[p].saves && row.what.compare(0, 5, "save ") == 0;
        std::printf(noSave ? " - |" : " failed |");
        continue;
      }
      std::printf(" %.0f [%.0f-%.0f] |", medians[p], *std::min_element(v.begin(), v.end()),
                  *std::max_element(v.begin(), v.end()));
    }
    for (size_t p = n - 2; p < n; ++p) {
      if (medians[0] > 0 && medians[p] > 0) {
        std::printf(" %.2f |", medians[0] / medians[p]);
      } else {
        std::printf(" - |");
      }
    }
    std::printf("\n");
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: peers_bench NORVEL.EXE [rounds] [small|large|all] [FLOOR.EXE|-] [OLD.EXE]\n");
    return 2;
  }
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const std::string sizes = argc > 3 ? argv[3] : "all";
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  std::vector<Program> programs = {{"Norvel", argv[1]}};
  if (argc > 5) programs.push_back({"Norvel before", argv[5]});
  if (argc > 4 && std::strcmp(argv[4], "-") != 0) {
    programs.push_back({"floor", argv[4]});
    programs.back().saves = false;
  }
  programs.push_back({"notepad", std::string(windows) + "\\notepad.exe"});
  programs.push_back({"wordpad", "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"});
  const size_t n = programs.size();
  for (Program& program : programs) {
    if (!program.saves) continue;
    program.saveCommand = SaveCommandOf(program.exe);
    if (!program.saveCommand) {
      std::fprintf(stderr, "%s: no Save command found in %s\n", program.name, program.exe.c_str());
      return 1;
    }
  }

  std::vector<TestFile> files;
  if (sizes != "large") {
    files.push_back(MakeFile("1MB-CRLF", 1048576, true));
    files.push_back(MakeFile("1MB-LF", 1048576, false));
  }
  if (sizes != "small") {
    files.push_back(MakeFile("10MB-CRLF", 10000000, true));
    files.push_back(MakeFile("10MB-LF", 10000000, false));
  }
  // Rows: start-up; then per file its open, first screen, save and peak working set.
  std::vector<Row> rows;
  rows.push_back({"start-up, no file (ms)", std::vector<std::vector<double>>(n)});
  for (const TestFile& file : files) {
    rows.push_back({"open " + file.label + " (ms)", std::vector<std::vector<double>>(n)});
    rows.push_back({"first screen " + file.label + " (ms)", std::vector<std::vector<double>>(n)});
    rows.push_back({"save " + file.label + " after one typed character (ms)",
                    std::vector<std::vector<double>>(n)});
    rows.push_back({"peak working set, " + file.label + " open (MiB)",
                    std::vector<std::vector<double>>(n)});
  }

  // The first start of each program (its first registry writes, cold caches) is not counted.
  for (const Program& program : programs) RunOnce(program, nullptr, false);

  for (int round = 1; round <= rounds; ++round) {
    // A different program goes first in each round.
    for (size_t i = 0; i < n; ++i) {
      const size_t p = (i + round) % n;
      const Run run = RunOnce(programs[p], nullptr, false);
      if (run.ok) rows[0].values[p].push_back(run.open);
    }
    for (size_t f = 0; f < files.size(); ++f) {
      for (size_t i = 0; i < n; ++i) {
        const size_t p = (i + round + f) % n;
        const Run run = RunOnce(programs[p], &files[f], true);
        if (!run.ok) {
          std::printf("round %d: %s did not show %s\n", round, programs[p].name,
                      files[f].label.c_str());
          continue;
        }
        rows[1 + f * 4].values[p].push_back(run.open);
        if (run.firstScreen >= 0) rows[2 + f * 4].values[p].push_back(run.firstScreen);
        if (run.save >= 0) rows[3 + f * 4].values[p].push_back(run.save);
        if (run.peakMiB >= 0) rows[4 + f * 4].values[p].push_back(run.peakMiB);
      }
    }
    // The table so far: a run cut short still leaves its figures.
    PrintRows(programs, rows, round);
  }
  for (const TestFile& file : files) DeleteFileA(file.path.c_str());
  return 0;
}
