// An open against the control's own stream-in of the same text: the program opens a file of
// 100-character CR LF lines as the File Open command does (maximised, first screen, progress),
// and, in interleaved rounds, the same text streams once into a hidden control made like a
// document's own (class, styles, size and display font), in the same process. The font counts:
// the control measures every line with it, and MS Sans Serif costs half as much again as the
// control's default System font. Medians in milliseconds.
//
// Run by hand under Wine with a display:  wine open_steps_bench.exe [rounds (3)] [bytes ...]
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/globals.h"
#include "bench_support.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "settings/options.h"

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double OpenOnce(HWND frame, const std::string& path) {
  HWND document = nullptr;
  const double ms = Timed([&] { document = CreateDocWindow(frame, path.c_str(), 0, AppOptions); });
  SendMessageA(document, WM_CLOSE, 0, 0);
  PumpAll();
  return ms * 1000.0;
}

// One stream of `text` into a hidden control shaped like the document's own.
double StreamOnce(HWND frame, const std::string& text) {
  HWND document = CreateDocWindow(frame, nullptr, 0, AppOptions);
  PumpAll();
  HWND own = DocEditControl(document);
  RECT client;
  GetClientRect(document, &client);
  HWND edit = CreateWindowExA(GetWindowLongA(own, GWL_EXSTYLE), "RichEdit", "",
                              GetWindowLongA(own, GWL_STYLE) & ~WS_VISIBLE, 0, 0, client.right,
                              client.bottom, document, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetEditFont(edit, DisplayFont);
  SetEditTextLimit(edit, 0x7FFFFFFE);
  const double ms = Timed([&] { SetEditText(edit, text.data(), text.size()); });
  DestroyWindow(edit);
  SendMessageA(document, WM_CLOSE, 0, 0);
  PumpAll();
  return ms * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  std::vector<size_t> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {1048576, 10000000};
  HWND frame = StartBenchFrame();
  if (!frame) return 1;
  for (size_t size : sizes) {
    std::string text(size, 'x');
    for (size_t i = 99; i < size; i += 100) text[i - 1] = '\r', text[i] = '\n';
    const std::string path = WriteBenchFile("open-steps-" + std::to_string(size), text);
    std::vector<double> opens, streams;
    for (int round = 0; round < rounds; ++round) {
      opens.push_back(OpenOnce(frame, path));
      streams.push_back(StreamOnce(frame, text));
    }
    const double open = Median(opens), stream = Median(streams);
    std::printf("%9zu bytes: open %.0f ms [%.0f-%.0f], the control's own stream-in %.0f ms "
                "[%.0f-%.0f]: %.2fx\n",
                size, open, *std::min_element(opens.begin(), opens.end()),
                *std::max_element(opens.begin(), opens.end()), stream,
                *std::min_element(streams.begin(), streams.end()),
                *std::max_element(streams.begin(), streams.end()), open / stream);
    std::fflush(stdout);
    DeleteFileA(path.c_str());
  }
  return 0;
}
