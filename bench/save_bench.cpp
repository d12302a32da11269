// Saving speed: Norvel's save of a large document in each line-end convention, against the
// floor the platform sets (the control's WM_GETTEXT and a plain write of the same bytes).
//
// Run by hand under Wine with a display:  wine save_bench.exe [repeats] [small|all] [0|1]
// ("small": the 1 MB document only, as filling the control with 10 MB takes minutes under
// Wine; the last argument: documents maximized (1) or not (0), as the Maximized option says).
// Prints one row per size and convention, with medians in milliseconds.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/startup.h"
#include "base/file_io.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/line_format.h"
#include "files/save_document.h"
#include "settings/options.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

void PumpAll() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Editor text of exactly `length` characters: lines of 20 to 99 characters with CR LF ends.
std::string MakeEditorText(size_t length) {
  std::string text;
  text.reserve(length);
  unsigned state = 12345;
  while (text.size() < length) {
    state = state * 1103515245u + 12345u;
    const size_t line = 20 + (state >> 16) % 80;
    for (size_t i = 0; i < line && text.size() < length; ++i) {
      text.push_back(static_cast<char>('a' + (i * 7 + state) % 26));
    }
    if (text.size() + 2 <= length) {
      text += "\r\n";
    } else {
      while (text.size() < length) text.push_back('z');
    }
  }
  return text;
}

// The control's text through WM_GETTEXT into a plain heap buffer.
double TimeWmGetText(HWND edit, std::string* out) {
  const int length = GetWindowTextLengthA(edit);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const double start = Now();
  const LRESULT copied =
      SendMessageA(edit, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  const double elapsed = Now() - start;
  if (out) out->assign(buffer.data(), static_cast<size_t>(copied));
  return elapsed;
}

// Create, one write, close: the least a program can do to put these bytes in a file.
double TimePlainWrite(const char* path, const std::string& bytes, bool flush) {
  const double start = Now();
  HANDLE file =
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (flush) FlushFileBuffers(file);
  CloseHandle(file);
  return Now() - start;
}

std::string ReadBack(const char* path) {
  std::string bytes;
  HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return bytes;
}

struct Row {
  double wmGetText = 0, plainWrite = 0, plainWriteFlush = 0;
  double getText = 0, convert = 0, writeFile = 0, save = 0, status = 0, title = 0, readOnly = 0;
  long long memoryAfter = 0;
  size_t fileBytes = 0;
  bool bytesMatch = false;
};

Row Measure(HWND document, int format, const char* path, int repeats) {
  HWND edit = DocEditControl(document);
  SetDocWord(document, kLineFormatWord, format);
  Row row;
  std::string editorText;
  TimeWmGetText(edit, &editorText);
  std::string expected(editorText.size() + 1, '\0');
  expected.resize(ConvertToFileBytes(editorText.data(), editorText.size(), format, &expected[0]));
  row.fileBytes = expected.size();

  std::vector<double> wm, plain, plainFlush, get, convert, write, save, status, title, readOnly;
  for (int i = 0; i < repeats; ++i) {
    wm.push_back(TimeWmGetText(edit, nullptr));
    plain.push_back(TimePlainWrite(path, expected, false));
    plainFlush.push_back(TimePlainWrite(path, expected, true));

    // Norvel's steps one by one ...
    double start = Now();
    DWORD length = 0;
    GlobalBlock text = GetEditorText(edit, &length);
    get.push_back(Now() - start);
    start = Now();
    length = ConvertToFileText(document, text.data(), length);
    convert.push_back(Now() - start);
    start = Now();
    WriteWholeFile(document, path, text.data(), length);
    write.push_back(Now() - start);
    text.Reset();

    // ... what the save shows besides ...
    start = Now();
    SetStatus(60071, path);
    status.push_back(Now() - start);
    start = Now();
    SetDocumentTitle(document, path, 0);
    title.push_back(Now() - start);
    start = Now();
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    readOnly.push_back(Now() - start);
    PumpAll();

    // ... and the whole command as the user runs it, on a modified document (the "*" goes).
    SetDocWord(document, kModifiedWord, 1);
    SetDocumentTitle(document, path, 1);
    PumpAll();
    const SIZE_T before = PrivateBytes();
    start = Now();
    SaveDocument(document, AppOptions);
    save.push_back(Now() - start);
    row.memoryAfter = static_cast<long long>(PrivateBytes()) - static_cast<long long>(before);
    PumpAll();
  }
  row.wmGetText = Median(wm);
  row.plainWrite = Median(plain);
  row.plainWriteFlush = Median(plainFlush);
  row.getText = Median(get);
  row.convert = Median(convert);
  row.writeFile = Median(write);
  row.save = Median(save);
  row.status = Median(status);
  row.title = Median(title);
  row.readOnly = Median(readOnly);
  row.bytesMatch = ReadBack(path) == expected;
  return row;
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  SetBeepFunction([](UINT) {});
  InitGlobals(GetModuleHandleA(nullptr));
  if (!InitApplication(AppOptions)) return 1;
  LoadOptions(AppOptions, OptionRecords);
  AppOptions.NewDoc = 0;
  AppOptions.Backup = 0;  // the backup is a rename, not part of the work measured here
  if (argc > 3) AppOptions.Maximized = std::atoi(argv[3]);  // documents maximized or not
  if (argc > 3) AppOptions.Maximized = std::atoi(argv[3]);  // documents maximized or not
  HWND frame = CreateFrameWindow(SW_SHOWNORMAL, AppOptions);
  if (!frame) return 1;
  PumpAll();

  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  char path[MAX_PATH];
  std::snprintf(path, sizeof path, "%snorvel-save-bench-%lu.txt", folder, GetCurrentProcessId());

  std::printf("Saving, medians of %d runs, milliseconds\n", repeats);
  std::printf("%-9s %-9s %9s | %8s %8s %8s | %8s %8s %8s %8s | %8s %8s %8s | %5s %5s %5s | %s\n",
              "editor", "format", "file", "WM_GETTX", "write", "write+fl", "GetText", "convert",
              "writeAll", "own", "status", "title", "Save", "own/f", "ownFl", "Save/f",
              "kept/bytes");
  const char* names[] = {"Windows", "Macintosh", "Unix"};
  const size_t sizes[] = {1048576, 10485758};
  const bool smallOnly = argc > 2 && std::strcmp(argv[2], "small") == 0;
  for (size_t size : sizes) {
    if (smallOnly && size > 2000000) break;
    HWND document = CreateDocWindow(frame, nullptr, 0, AppOptions);
    if (!document) return 1;
    const std::string text = MakeEditorText(size);
    const double fillStart = Now();
    SetWindowTextA(DocEditControl(document), text.c_str());
    const double fill = Now() - fillStart;
    SetDocumentTitle(document, path, 0);
    SetDocWord(document, kSavedWord, 1);
    PumpAll();
    std::printf("(%zu characters put into the control in %.0f ms)\n", size, fill);
    for (int format = kWindowsFormat; format <= kUnixFormat; ++format) {
      const Row row =
          Measure(document, format, path, size > 2000000 ? std::min(repeats, 3) : repeats);
      const double floor = row.wmGetText + row.plainWrite;
      const double floorFlush = row.wmGetText + row.plainWriteFlush;
      const double own = row.getText + row.convert + row.writeFile;
      std::printf(
          "%-9zu %-9s %9zu | %8.1f %8.1f %8.1f | %8.1f %8.1f %8.1f %8.1f | %8.1f %8.1f "
          "%8.1f | %5.2f %5.2f %5.2f | %lld/%s\n",
          size, names[format], row.fileBytes, row.wmGetText, row.plainWrite, row.plainWriteFlush,
          row.getText, row.convert, row.writeFile, own, row.status, row.title, row.save,
          own / floor, own / floorFlush, row.save / floor, row.memoryAfter,
          row.bytesMatch ? "ok" : "WRONG");
      std::fflush(stdout);
    }
    SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    PumpAll();
  }
  DeleteFileA(path);
  DestroyWindow(frame);
  PumpAll();
  ReleaseStartupResources();
  std::printf(
      "own = GetText + convert + writeAll (create, write, set end, flush, close): Norvel's work.\n"
      "f = WM_GETTEXT + plain write (create, write, close); ownFl: the plain write also flushes.\n"
      "Save = the whole command, with its two status texts and the title losing its \"*\".\n"
      "kept = change of private bytes across one Save (0: no buffer kept).\n");
  return 0;
}
