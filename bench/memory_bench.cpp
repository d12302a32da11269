// Memory of an open document: the peak working set and the private bytes of a process that opens
// one file of 100-character CR LF lines, word wrap off or on, either as Norvel opens a document
// (frame, maximised document, the file loaded, then saved once after one typed character) or as
// a bare rich-edit control of the same style and size holding the same text (the platform's
// own share). Run each case in a process of its own, as the peak is the process's:
//
//   wine memory_bench.exe norvel|bare SIZE_IN_BYTES WRAP(0|1)
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "memory_feed.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "resources/resource.h"

namespace {

PROCESS_MEMORY_COUNTERS Memory() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

double MiB(SIZE_T bytes) {
  return static_cast<double>(bytes) / 1048576.0;
}

void Report(const char* when, const PROCESS_MEMORY_COUNTERS& counters) {
  std::printf("  %-28s private %7.1f MiB, working set %7.1f MiB, peak %7.1f MiB\n", when,
              MiB(counters.PagefileUsage), MiB(counters.WorkingSetSize),
              MiB(counters.PeakWorkingSetSize));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: memory_bench norvel|bare SIZE WRAP\n");
    return 2;
  }
  const bool bare = std::strcmp(argv[1], "bare") == 0;
  const size_t size = std::strtoul(argv[2], nullptr, 10);
  const int wrap = std::atoi(argv[3]);
  std::string bytes(size, 'x');
  for (size_t i = 99; i < size; i += 100) bytes[i - 1] = '\r', bytes[i] = '\n';
  const std::string path = WriteBenchFile("memory-" + std::to_string(size), bytes);
  bytes = std::string();  // the bench's own copy goes before anything is measured

  std::printf("%s, %zu bytes, word wrap %s\n", bare ? "bare control" : "Norvel", size,
              wrap ? "on" : "off");
  if (bare) {
    LoadLibraryA("RichEd32.dll");
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024,
                                  700, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PumpAll();
    Report("before", Memory());
    // The document's control styles (document/doc_window.cpp), filling the same client area.
    const DWORD style = wrap ? 0x5020B144 : 0x5030B1C4;
    RECT client;
    GetClientRect(parent, &client);
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", style, 0, 0, client.right,
                                client.bottom, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    std::string text(size, 'x');
    for (size_t i = 99; i < size; i += 100) text[i - 1] = '\r', text[i] = '\n';
    StreamIntoControl(edit, text.data(), text.size());
    text = std::string();
    PumpAll();
    Report("text in, painted", Memory());
  } else {
    HWND frame = StartBenchFrame();
    if (!frame) return 1;
    AppOptions.WordWrap = wrap;
    AppOptions.ZoomChildren = 1;
    Report("before", Memory());
    HWND document = CreateDocWindow(frame, path.c_str(), 0, AppOptions);
    PumpAll();
    if (!document) return 1;
    Report("text in, painted", Memory());
    SendMessageA(DocEditControl(document), WM_CHAR, 'y', 1);
    SendMessageA(frame, WM_COMMAND, IDM_SAVE, 0);
    PumpAll();
    Report("after one save", Memory());
    // The frame is left open: closing it would store this run's settings.
  }
  DeleteFileA(path.c_str());
  return 0;
}
