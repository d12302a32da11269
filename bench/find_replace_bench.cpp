// Replace All, Sort Selection and Find Next on large documents, each against the platform's
// own cost of the same outcome, in one run:
//   Replace All with 10,000 hits in 1 MB (and, with "all" or "big-replace", 100,000 hits in
//     10,485,758 bytes)
//     against one load of the resulting text into a fresh control;
//   Sort of 100,000 lines (about 5 MB) against one replacement of the selection by the sorted
//     text (with "all" or "big-sort"), also of 100,000 equal lines;
//   Find Next from the top to a hit near the end of the 10 MB text, beside one EM_FINDTEXTEX
//     over the same range (with "all" or "big-replace").
//
// Run by hand under Wine with a display:  wine find_replace_bench.exe [all|big-replace|big-sort]
// (without an argument only the 1 MB Replace All and a sort of 10,000 lines), or
//   wine find_replace_bench.exe sort N   (only a sort of N different lines).
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/startup.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "editing/find_replace.h"
#include "resources/resource.h"
#include "settings/options.h"
#include "ui/global_block.h"

#include "bench_support.h"

namespace {

void Close(HWND document) {
  SetDocWord(document, kModifiedWord, 0);
  SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  PumpAll();
}

// `size` bytes of 100-character lines (CR LF), with "needle" `hits` times spread evenly and one
// "lastneedle" near the end.
std::string NeedleText(size_t size, size_t hits) {
  std::string bytes(size, 'x');
  for (size_t i = 98; i + 1 < size; i += 100) bytes.replace(i, 2, "\r\n");
  const size_t step = (size - 200) / hits;
  for (size_t i = 0; i < hits; ++i) {
    size_t at = 10 + i * step;
    if (at % 100 > 90) at -= 10;
    bytes.replace(at, 6, "needle");
  }
  bytes.replace(size - 150, 10, "lastneedle");
  return bytes;
}

void MeasureReplaceAll(HWND frame, size_t size, size_t hits, bool findToo) {
  const std::string path = WriteBenchFile("replace-all", NeedleText(size, hits));
  HWND document = nullptr;
  const double open = Timed([&] { document = CreateDocWindow(frame, path.c_str(), 0, AppOptions); });
  if (findToo) {
    lstrcpyA(AppOptions.FindText, "lastneedle");
    FINDREPLACEA request = {};
    HWND edit = DocEditControl(document);
    SetEditSelection(edit, 0, 0);
    const double find = Timed([&] { FindNext(document, &request, AppOptions); });
    FINDTEXTEXA raw = {{0, -1}, "lastneedle", {0, 0}};
    const double once =
        Timed([&] { SendMessageA(edit, EM_FINDTEXTEX, 0, reinterpret_cast<LPARAM>(&raw)); });
    std::printf("%9zu bytes: Find Next to a hit near the end %.3f s; one EM_FINDTEXTEX %.3f s\n",
                size, find, once);
  }
  lstrcpyA(AppOptions.FindText, "needle");
  lstrcpyA(AppOptions.ReplaceText, "thread");
  FINDREPLACEA request = {};
  const double replace = Timed([&] { ReplaceAll(document, &request, AppOptions); });
  DWORD length = 0;
  GlobalBlock text = GetEditorText(DocEditControl(document), &length);
  const double load = Timed([&] {
    ReplaceEditControl(document, 0, text.data(), length, AppOptions.LtGray);
  });
  std::printf("%9zu bytes (open %.2f s): Replace All of %zu hits %.2f s; one load of the result "
              "into a fresh control %.2f s (%.2f x)\n",
              size, open, hits + 1, replace, load, replace / load);
  text.Reset();
  Close(document);
  DeleteFileA(path.c_str());
}

// Answers the sort dialog with OK as soon as it shows.
LRESULT CALLBACK PressOk(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MeasureSort(HWND frame, size_t lines, bool equal) {
  std::string bytes;
  unsigned number = 12345;  // a fixed pseudo-random sequence: the same lines every run
  for (size_t i = 0; i < lines; ++i) {
    number = number * 1103515245u + 12345u;
    char line[64];
    std::snprintf(line, sizeof line, "%s %08u of the lines to be sorted, some more text\r\n",
                  equal ? "same" : "line", equal ? 0u : number % 100000000u);
    bytes += line;
  }
  const std::string path = WriteBenchFile("sort", bytes);
  HWND document = CreateDocWindow(frame, path.c_str(), 0, AppOptions);
  PumpAll();
  HWND edit = DocEditControl(document);
  SetEditSelection(edit, 0, -1);
  HHOOK hook = SetWindowsHookExA(WH_CBT, PressOk, nullptr, GetCurrentThreadId());
  const double sort = Timed([&] { SendMessageA(frame, WM_COMMAND, IDM_SORT, 0); });
  UnhookWindowsHookEx(hook);
  DWORD length = 0;
  GlobalBlock sorted = GetEditorText(DocEditControl(document), &length);
  Close(document);
  document = CreateDocWindow(frame, path.c_str(), 0, AppOptions);
  PumpAll();
  edit = DocEditControl(document);
  SetEditSelection(edit, 0, GetWindowTextLengthA(edit));  // what the sort replaced
  const double replace = Timed([&] { ReplaceEditSelection(edit, sorted.data()); });
  std::printf("%zu %s lines (%zu bytes): Sort %.2f s; one replacement of the selection by the "
              "sorted text %.2f s (%.2f x)\n",
              lines, equal ? "equal" : "different", bytes.size(), sort, replace, sort / replace);
  Close(document);
  DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  HWND frame = StartBenchFrame();
  if (!frame) return 1;
  const std::string part = argc > 1 ? argv[1] : "";
  if (part == "sort" && argc > 2) {
    MeasureSort(frame, std::strtoul(argv[2], nullptr, 10), false);
    DestroyWindow(frame);
    PumpAll();
    return 0;
  }
  // The sorts come first: measured after a large Replace All in the same process, the first large
  // replacement inside a control ran up to twice as slow here, which blurs the comparison.
  MeasureSort(frame, 10000, false);
  if (part == "all" || part == "big-sort") {
    MeasureSort(frame, 100000, false);
    MeasureSort(frame, 100000, true);
  }
  MeasureReplaceAll(frame, 1048576, 10000, false);
  if (part == "all" || part == "big-replace") MeasureReplaceAll(frame, 10485758, 100000, true);
  DestroyWindow(frame);
  PumpAll();
  return 0;
}
