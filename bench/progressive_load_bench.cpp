// Showing a large file at once: one stream of the whole text into a hidden control against a
// first screenful followed by the whole text (in the same control, or in a second, hidden one
// that then takes its place), in interleaved rounds; and once, the rest appended in pieces.
// Prints the time to the first screen and the whole load, and the peak working set.
//
// Run by hand under Wine with a display:
//   wine progressive_load_bench.exe [piece KB (256)] [rounds (1)]
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "memory_feed.h"

namespace {

HWND NewControl(HWND parent, bool visible = true) {
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "",
                              visible ? 0x5030B1C4 : 0x5030B1C4 & ~WS_VISIBLE, 0, 0, 600, 400,
                              parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  return edit;
}

void Stream(HWND edit, const char* data, size_t length, bool append) {
  if (append) {
    CHARRANGE end = {-1, -1};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  }
  StreamIntoControl(edit, data, length, append ? SFF_SELECTION : 0);
}

// Cuts after the line end at or before `at`, so each piece ends with whole lines.
size_t PieceEnd(const std::string& text, size_t at) {
  if (at >= text.size()) return text.size();
  const size_t lineEnd = text.rfind('\n', at);
  return lineEnd == std::string::npos ? at : lineEnd + 1;
}

}  // namespace

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int main(int argc, char** argv) {
  const size_t piece = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256) * 1024;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  LoadLibraryA("RichEd32.dll");
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  for (size_t size : {size_t{1048576}, size_t{10000000}}) {
    std::string text(size, 'x');
    for (size_t i = 99; i < size; i += 100) {
      text[i - 1] = '\r';
      text[i] = '\n';
    }
    // The first control of a process costs more: one load before the timed rounds.
    HWND edit = NewControl(parent);
    Stream(edit, text.data(), text.size(), false);
    const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    DestroyWindow(edit);

    // Three ways, in turn, a different one first in each round: 0 one stream into a hidden
    // control that then shows (no first screen); 1 a first screen, then one stream of the whole
    // text over it in the same control; 2 a first screen, the whole text into a second, hidden
    // control, which then takes the first one's place.
    const char* names[] = {"one stream, hidden control", "first screen, replacing stream",
                           "first screen, second control"};
    std::vector<double> times[3], firstScreens[3];
    bool sameLength = true;
    for (int round = 0; round < rounds; ++round) {
      for (int turn = 0; turn < 3; ++turn) {
        const int way = (round + turn) % 3;
        const double start = Now();
        edit = NewControl(parent, way != 0);
        if (way != 0) {
          Stream(edit, text.data(), PieceEnd(text, 16384), false);
          PumpAll();
          firstScreens[way].push_back(Now() - start);
        }
        if (way == 2) {
          HWND whole = NewControl(parent, false);
          Stream(whole, text.data(), text.size(), false);
          DestroyWindow(edit);
          edit = whole;
        } else {
          Stream(edit, text.data(), text.size(), false);
        }
        ShowWindow(edit, SW_SHOW);
        PumpAll();
        times[way].push_back(Now() - start);
        sameLength &= SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) == length;
        DestroyWindow(edit);
      }
    }
    for (int way = 0; way < 3; ++way) {
      std::printf("%8zu bytes, %d rounds, medians: %-32s whole %6.0f ms (%.2f x way 0)", size,
                  rounds, names[way], Median(times[way]) * 1000,
                  Median(times[way]) / Median(times[0]));
      if (way != 0) std::printf(", first screen %.0f ms", Median(firstScreens[way]) * 1000);
      std::printf("\n");
    }
    if (!sameLength) std::printf("a way lost text!\n");

    edit = NewControl(parent);
    const double start = Now();
    size_t done = PieceEnd(text, 16384);
    Stream(edit, text.data(), done, false);
    PumpAll();
    const double firstScreen = Now() - start;
    while (done < text.size()) {
      const size_t next = PieceEnd(text, done + piece);
      Stream(edit, text.data() + done, next - done, true);
      PumpAll();
      done = next;
    }
    const double pieces = Now() - start;
    const LRESULT piecesLength = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    DestroyWindow(edit);

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf(
        "%8zu bytes, once: in %zu KB pieces: first screen %.0f ms, whole %.0f ms (%.2f x way 0"
        ", whole text: %s); peak working set %.0f MiB\n",
        size, piece / 1024, firstScreen * 1000, pieces * 1000, pieces / Median(times[0]),
        piecesLength == length ? "yes" : "NO", memory.PeakWorkingSetSize / 1048576.0);
  }
  return 0;
}
