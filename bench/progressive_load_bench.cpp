// Showing a large file at once: one stream of the whole text against (a) a first screenful
// followed by the rest appended in pieces (each piece streamed in at the end of the text) and
// (b) a first screenful followed by one stream of the whole text that replaces it. Prints the
// time to the first screen and the whole load for each, and the peak working set.
//
// Run by hand under Wine with a display:  wine progressive_load_bench.exe [piece KB (256)]
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_support.h"

namespace {

struct Source {
  const char* data;
  size_t left;
};

DWORD CALLBACK Feed(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<Source*>(cookie);
  const size_t count = source->left < static_cast<size_t>(wanted) ? source->left : wanted;
  std::memcpy(buffer, source->data, count);
  source->data += count;
  source->left -= count;
  *given = static_cast<LONG>(count);
  return 0;
}

HWND NewControl(HWND parent) {
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", 0x5030B1C4, 0, 0, 600, 400,
                              parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  return edit;
}

void Stream(HWND edit, const char* data, size_t length, bool append) {
  Source source = {data, length};
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, Feed};
  if (append) {
    CHARRANGE end = {-1, -1};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  }
  SendMessageA(edit, EM_STREAMIN, SF_TEXT | (append ? SFF_SELECTION : 0),
               reinterpret_cast<LPARAM>(&stream));
}

// Cuts after the line end at or before `at`, so each piece ends with whole lines.
size_t PieceEnd(const std::string& text, size_t at) {
  if (at >= text.size()) return text.size();
  const size_t lineEnd = text.rfind('\n', at);
  return lineEnd == std::string::npos ? at : lineEnd + 1;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t piece = (argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256) * 1024;
  LoadLibraryA("RichEd32.dll");
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  for (size_t size : {size_t{1048576}, size_t{10000000}}) {
    std::string text(size, 'x');
    for (size_t i = 99; i < size; i += 100) {
      text[i - 1] = '\r';
      text[i] = '\n';
    }
    HWND edit = NewControl(parent);
    const double whole = Timed([&] { Stream(edit, text.data(), text.size(), false); });
    const LRESULT wholeLength = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    DestroyWindow(edit);

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

    edit = NewControl(parent);
    const double replaceStart = Now();
    Stream(edit, text.data(), PieceEnd(text, 16384), false);
    PumpAll();
    const double replaceFirst = Now() - replaceStart;
    Stream(edit, text.data(), text.size(), false);
    PumpAll();
    const double replaced = Now() - replaceStart;
    const LRESULT replacedLength = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    DestroyWindow(edit);

    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf(
        "%8zu bytes: one stream %.0f ms; in %zu KB pieces: first screen %.0f ms, whole %.0f ms "
        "(%.2f x one stream, same length: %s); peak working set %.0f MiB\n",
        size, whole * 1000, piece / 1024, firstScreen * 1000, pieces * 1000, pieces / whole,
        wholeLength == piecesLength ? "yes" : "NO", memory.PeakWorkingSetSize / 1048576.0);
    std::printf(
        "%8zu bytes: first screen then one replacing stream: first screen %.0f ms, whole %.0f ms "
        "(%.2f x one stream, same length: %s)\n",
        size, replaceFirst * 1000, replaced * 1000, replaced / whole,
        wholeLength == replacedLength ? "yes" : "NO");
  }
  return 0;
}
