// Where a save's time goes, step by step: the program started as a user starts it (frame,
// toolbar, status bar, a maximised document opened from a file of 100-character CR LF lines),
// one character typed, then the Save command as the menu sends it, and each of its steps timed
// on its own: the text read, the conversion, the file steps of a safe write, and what the window
// shows after (title, status, menu and toolbar state). Medians in milliseconds.
//
// Run by hand under Wine with a display:  wine save_steps_bench.exe [repeats (7)] [small|all]
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/menu_state.h"
#include "base/file_io.h"
#include "bench_support.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/backup_name.h"
#include "files/safe_write.h"
#include "files/save_document.h"
#include "resources/resource.h"
#include "ui/status.h"

namespace {

struct Steps {
  std::vector<std::string> names;
  std::vector<std::vector<double>> ms;
  void Add(const char* name, double seconds) {
    for (size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) {
        ms[i].push_back(seconds * 1000.0);
        return;
      }
    }
    names.push_back(name);
    ms.push_back({seconds * 1000.0});
  }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Seconds `action` takes, messages it leaves excluded (they are timed with the whole command).
template <typename Action>
double Bare(Action action) {
  const double start = Now();
  action();
  return Now() - start;
}

void TypeOneCharacter(HWND edit) {
  SendMessageA(edit, WM_CHAR, 'y', 1);
  PumpAll();
}

// The file steps of a safe write over an existing file, as files/safe_write.cpp takes them.
void TimeFileSteps(const char* path, const char* data, DWORD length, bool backup, Steps& steps) {
  FileFacts facts;
  steps.Add("  open target, query facts, close", Bare([&] {
              FileHandle target;
              OpenExistingFile(path, true, target);
              QueryFileFacts(target, path, &facts);
            }));
  char temp[MAX_PATH];
  TemporaryPathFor(path, GetTickCount(), temp, sizeof temp);
  FileHandle file;
  steps.Add("  create temporary", Bare([&] { CreateNewFile(temp, file); }));
  steps.Add("  write", Bare([&] { WriteFileBytes(file, data, length); }));
  steps.Add("  set end", Bare([&] { SetEndOfFileHere(file); }));
  steps.Add("  flush", Bare([&] { FlushFile(file); }));
  steps.Add("  set creation time", Bare([&] { SetCreationTime(file, facts.created); }));
  steps.Add("  close", Bare([&] { CloseFile(file); }));
  steps.Add("  set attributes", Bare([&] { SetAttributesOf(temp, FILE_ATTRIBUTE_NORMAL); }));
  if (backup) {
    char bak[MAX_PATH];
    BackupPathFor(path, bak, sizeof bak);
    steps.Add("  replace, old file to .bak", Bare([&] { ReplaceWithBackup(path, temp, bak); }));
  } else {
    steps.Add("  move into place", Bare([&] { MoveFileTo(temp, path, true); }));
  }
}

void Measure(HWND frame, const std::string& path, int repeats, bool stepsFirst) {
  HWND document = CreateDocWindow(frame, path.c_str(), 0, AppOptions);
  PumpAll();
  HWND edit = DocEditControl(document);
  if (!document || !edit) {
    std::printf("could not open %s\n", path.c_str());
    return;
  }
  Steps steps;
  for (int i = 0; i < repeats; ++i) {
    for (int backup = 0; backup <= 1 && !(stepsFirst && i == 0); ++backup) {
      AppOptions.Backup = backup;
      TypeOneCharacter(edit);
      steps.Add(backup ? "Save command, .bak on" : "Save command, .bak off", Timed([&] {
                  SendMessageA(frame, WM_COMMAND, IDM_SAVE, 0);
                }));
    }
    AppOptions.Backup = 0;
    steps.Add("type one character, with what it paints", Timed([edit] { TypeOneCharacter(edit); }));
    DWORD length = 0;
    GlobalBlock text;
    steps.Add("read the text (GetEditorText)", Bare([&] { text = GetEditorText(edit, &length); }));
    steps.Add("convert line ends", Bare([&] { length = ConvertToFileText(document, text.data(), length); }));
    TimeFileSteps(path.c_str(), text.data(), length, false, steps);
    TimeFileSteps(path.c_str(), text.data(), length, true, steps);
    for (int backup = 0; backup <= 1; ++backup) {
      steps.Add(backup ? "WriteFileSafely, .bak on" : "WriteFileSafely, .bak off", Bare([&] {
                  DWORD error = 0;
                  WriteFileSafely(path.c_str(), text.data(), length, true, backup != 0, &error);
                }));
    }
    text.Reset();
    char title[256];
    steps.Add("read the document's title", Bare([&] { GetWindowTextA(document, title, sizeof title); }));
    steps.Add("set the title", Bare([&] { SetDocumentTitle(document, path.c_str(), 0); }));
    steps.Add("status text", Bare([&] { SetStatus(60072, path.c_str()); }));
    steps.Add("menu and toolbar state", Bare([&] { RefreshCommandState(frame, AppOptions); }));
    steps.Add("messages left by the steps", Timed([] {}));
  }
  std::printf("\n%s (%d repeats)\n", path.c_str(), repeats);
  for (size_t i = 0; i < steps.names.size(); ++i) {
    std::printf("%-40s %9.2f ms  first %.2f [%.2f-%.2f]\n", steps.names[i].c_str(), Median(steps.ms[i]), steps.ms[i][0],
                *std::min_element(steps.ms[i].begin(), steps.ms[i].end()),
                *std::max_element(steps.ms[i].begin(), steps.ms[i].end()));
  }
  std::fflush(stdout);
  SendMessageA(frame, WM_COMMAND, IDM_SAVE, 0);  // the last typed character, or Close asks
  SendMessageA(document, WM_CLOSE, 0, 0);
  PumpAll();
}

// `size` bytes of 100-character lines with CR LF ends.
std::string MakeCrLfFile(size_t size) {
  std::string bytes(size, 'x');
  for (size_t i = 99; i < size; i += 100) bytes[i - 1] = '\r', bytes[i] = '\n';
  return WriteBenchFile("save-steps-" + std::to_string(size), bytes);
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const bool smallOnly = argc > 2 && std::strcmp(argv[2], "small") == 0;
  const bool stepsFirst = argc > 3 && std::strcmp(argv[3], "steps") == 0;
  HWND frame = StartBenchFrame();
  if (!frame) return 1;
  for (size_t size : {size_t{1048576}, size_t{10000000}}) {
    if (smallOnly && size > 2000000) break;
    const std::string path = MakeCrLfFile(size);
    Measure(frame, path, size > 2000000 ? std::min(repeats, 3) : repeats, stepsFirst);
    char bak[MAX_PATH];
    if (BackupPathFor(path.c_str(), bak, sizeof bak)) DeleteFileA(bak);
    DeleteFileA(path.c_str());
  }
  // The frame is not closed: closing saves the settings, and this run changed some of them.
  return 0;
}
