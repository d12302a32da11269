// Taking a document's whole text out of the rich-edit control: WM_GETTEXT, one EM_GETTEXTRANGE
// and EM_STREAMOUT, on 1 MB and 10 MB of 100-character lines. Medians in milliseconds.
//
// Run by hand under Wine with a display:  wine text_read_bench.exe [repeats (5)]
#include <windows.h>
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

struct Sink {
  std::string text;
};

DWORD CALLBACK Collect(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken) {
  reinterpret_cast<Sink*>(cookie)->text.append(reinterpret_cast<char*>(buffer), count);
  *taken = count;
  return 0;
}

double MedianMs(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2] * 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  LoadLibraryA("RichEd32.dll");
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  for (size_t size : {size_t{1048576}, size_t{10000000}}) {
    std::string text(size, 'x');
    for (size_t i = 99; i < size; i += 100) text[i - 1] = '\r', text[i] = '\n';
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", 0x5030B1C4, 0, 0, 600, 400,
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    StreamIntoControl(edit, text.data(), text.size());

    std::vector<double> getText, range, stream;
    bool same = true;
    for (int i = 0; i < repeats; ++i) {
      const LRESULT length = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
      std::vector<char> a(static_cast<size_t>(length) + 1), b(a.size());
      getText.push_back(Timed([&] {
        SendMessageA(edit, WM_GETTEXT, a.size(), reinterpret_cast<LPARAM>(a.data()));
      }));
      range.push_back(Timed([&] {
        TEXTRANGEA all = {{0, static_cast<LONG>(length)}, b.data()};
        SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&all));
      }));
      Sink sink;
      stream.push_back(Timed([&] {
        sink.text.reserve(static_cast<size_t>(length));
        EDITSTREAM out = {reinterpret_cast<DWORD_PTR>(&sink), 0, Collect};
        SendMessageA(edit, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&out));
      }));
      same = same && sink.text == a.data() && std::strcmp(a.data(), b.data()) == 0;
    }
    std::printf("%8zu bytes: WM_GETTEXT %.1f ms, EM_GETTEXTRANGE %.1f ms, EM_STREAMOUT %.1f ms (same text: %s)\n",
                size, MedianMs(getText), MedianMs(range), MedianMs(stream), same ? "yes" : "NO");
    std::fflush(stdout);
    DestroyWindow(edit);
  }
  return 0;
}
