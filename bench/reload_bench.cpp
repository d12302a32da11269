// Reload speed: word wrap, Refresh and Discard of a large document against a fresh open of the
// same file, in one run; plus one reload the old way (the text replaced inside the control that
// holds it) for the 1 MB file, to show what putting the text into a new control saves.
//
// Run by hand under Wine with a display:  wine reload_bench.exe [all [rounds]]
// (without "all" only the 1 MB file: each round of 10 MB takes a minute or more under Wine).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "app/startup.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/load_document.h"
#include "files/save_prompts.h"
#include "settings/options.h"
#include "ui/global_block.h"

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

HWND OpenTimed(HWND frame, const std::string& path, int wrap, std::vector<double>& times) {
  AppOptions.WordWrap = wrap;
  HWND document = nullptr;
  times.push_back(Timed([&] { document = CreateDocWindow(frame, path.c_str(), 0, AppOptions); }));
  AppOptions.WordWrap = 0;
  return document;
}

void Close(HWND document) {
  SetDocWord(document, kModifiedWord, 0);
  SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  PumpAll();
}

void Measure(HWND frame, size_t size, int rounds, bool oldWayToo) {
  const std::string path = MakeLfLinesFile("reload", size);
  std::vector<double> open, openWrapped, wrapOn, wrapOff, refresh, discard;
  for (int round = 0; round < rounds; ++round) {
    Close(OpenTimed(frame, path, 1, openWrapped));
    HWND document = OpenTimed(frame, path, 0, open);
    wrapOn.push_back(Timed([&] { ToggleWordWrap(document, 1, AppOptions); }));
    wrapOff.push_back(Timed([&] { ToggleWordWrap(document, 0, AppOptions); }));
    refresh.push_back(Timed([&] { RefreshDocument(document, AppOptions); }));
    SendMessageA(DocEditControl(document), WM_CHAR, 'a', 1);
    PumpAll();
    // Discard is its question followed by this load.
    discard.push_back(Timed([&] { LoadDocumentFile(document, path.c_str(), 0, AppOptions); }));
    if (oldWayToo && round == 0) {
      HWND edit = DocEditControl(document);
      const DWORD length = static_cast<DWORD>(GetWindowTextLengthA(edit));
      GlobalBlock text = GlobalBlock::Allocate(length + 1);
      GetWindowTextA(edit, text.data(), static_cast<int>(length + 1));
      const double inPlace = Timed([&] { SetEditText(edit, text.data(), length); });
      std::printf("%9zu bytes: the old way, the text replaced inside its control: %.2f s\n", size,
                  inPlace);
    }
    Close(document);
  }
  const double o = Median(open), ow = Median(openWrapped);
  std::printf(
      "%9zu bytes, medians of %d: open %.2f s (wrapped %.2f s); word wrap on %.2f s "
      "(%.2f x the wrapped open), off %.2f s (%.2f x); Refresh %.2f s (%.2f x); "
      "Discard %.2f s (%.2f x)\n",
      size, rounds, o, ow, Median(wrapOn), Median(wrapOn) / ow, Median(wrapOff),
      Median(wrapOff) / o, Median(refresh), Median(refresh) / o, Median(discard),
      Median(discard) / o);
  DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  HWND frame = StartBenchFrame();
  if (!frame) return 1;
  const bool all = argc > 1 && std::strcmp(argv[1], "all") == 0;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  Measure(frame, 1048576, rounds > 0 ? rounds : 3, true);
  if (all) Measure(frame, 10485758, rounds > 0 ? rounds : 3, false);
  DestroyWindow(frame);
  PumpAll();
  return 0;
}
