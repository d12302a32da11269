// Loading benchmark: Norvel's own work (read, detect, convert) against the time the rich-edit
// control takes to take the text, for a 1 MB and a 10,485,758-byte file with LF line ends and
// 100-character lines; and WM_SETTEXT against EM_STREAMIN. Run on demand:
//   cmake --build build-bench --target load_bench && tools/wine-run build-bench/bench/load_bench.exe
#include <windows.h>
#include <psapi.h>
#include <richedit.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "memory_feed.h"
#include "base/file_io.h"
#include "files/line_format.h"
#include "ui/global_block.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// A document-like control: the editor's style, in a parent window of its own.
HWND NewControl() {
  static HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", 0x5030B1C4, 0, 0, 600, 400, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

std::string TextOf(HWND edit) {
  std::string text(GetWindowTextLengthA(edit) + 1, '\0');
  text.resize(GetWindowTextA(edit, text.data(), static_cast<int>(text.size())));
  return text;
}

void Measure(size_t size) {
  const std::string path = MakeLfLinesFile("load-bench", size);

  // Norvel's own work, as the loader does it: one read into the buffer, one detection, one
  // conversion pass in place.
  const auto own = Clock::now();
  GlobalBlock buffer = GlobalBlock::Allocate((size + 1) * 2 + 16);
  FileHandle file;
  DWORD read = 0;
  OpenExistingFile(path.c_str(), true, file);
  ReadFileBytes(file, buffer.data(), static_cast<DWORD>(size) + 1, &read);
  CloseFile(file);
  buffer.data()[read] = '\0';
  const double readTime = Seconds(own);
  const int format = DetectLineFormatOf(buffer.data());
  const size_t length = std::strlen(buffer.data());
  const size_t editorLength = ConvertToEditorBytesInPlace(buffer.data(), length, format);
  const double ownTime = Seconds(own);

  HWND edit = NewControl();
  SendMessageA(edit, EM_EXLIMITTEXT, 0, 0xA00000);
  const auto set = Clock::now();
  SetWindowTextA(edit, buffer.data());
  const double setTime = Seconds(set);
  const std::string viaSetText = TextOf(edit);
  if (viaSetText.size() != editorLength)
    std::printf("control holds %zu of %zu\n", viaSetText.size(), editorLength);
  DestroyWindow(edit);

  edit = NewControl();
  SendMessageA(edit, EM_EXLIMITTEXT, 0, 0xA00000);
  const auto streamed = Clock::now();
  StreamIntoControl(edit, buffer.data(), editorLength);
  const double streamTime = Seconds(streamed);
  const std::string viaStream = TextOf(edit);
  DestroyWindow(edit);
  buffer.Reset();

  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf(
      "%9zu bytes: read %.3f s, own work (read+detect+convert) %.3f s; WM_SETTEXT %.3f s; "
      "EM_STREAMIN %.3f s (same text: %s); own work / streaming (what the loader uses) %.1f%%; "
      "peak working set %.0f MB\n",
      size, readTime, ownTime, setTime, streamTime, viaSetText == viaStream ? "yes" : "NO",
      100.0 * ownTime / streamTime, memory.PeakWorkingSetSize / 1048576.0);
  DeleteFileA(path.c_str());
}

}  // namespace

int main() {
  LoadLibraryA("RichEd32.dll");
  Measure(1048576);
  Measure(10485758);
  return 0;
}
