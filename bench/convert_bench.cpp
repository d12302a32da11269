// Character-set conversion speed: OEM to ANSI of a 1 MB and a 10,485,758-byte document against
// a fresh open of the same file, in one run; plus, for the 1 MB file, the converted text put
// back inside the control that holds it, to show what the new control saves.
//
// Run by hand under Wine with a display:  wine convert_bench.exe [all [rounds]]
// (without "all" only the 1 MB file: each round of 10 MB takes a minute or more under Wine).
#include <windows.h>

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
#include "editing/edit_commands.h"
#include "settings/options.h"
#include "ui/global_block.h"

#include "bench_support.h"

namespace {

// Lines of 99 characters, with an OEM letter (0x82, an e with acute accent) every 10 bytes.
std::string MakeFile(size_t size) {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "norvel-convert-" + std::to_string(size) + ".txt";
  std::string bytes(size, 'x');
  for (size_t i = 5; i < size; i += 10) bytes[i] = '\x82';
  for (size_t i = 99; i < size; i += 100) bytes[i] = '\n';
  FileHandle file;
  CreateFileAlways(path.c_str(), file);
  WriteFileBytes(file, bytes.data(), static_cast<DWORD>(bytes.size()));
  CloseFile(file);
  return path;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Close(HWND document) {
  SetDocWord(document, kModifiedWord, 0);
  SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  PumpAll();
}

void Measure(HWND frame, size_t size, int rounds, bool oldWayToo) {
  const std::string path = MakeFile(size);
  std::vector<double> open, convert;
  for (int round = 0; round < rounds; ++round) {
    HWND document = nullptr;
    open.push_back(Timed([&] { document = CreateDocWindow(frame, path.c_str(), 0, AppOptions); }));
    SetEditSelection(DocEditControl(document), 200, 205);
    convert.push_back(Timed([&] { ConvertCharacterSet(document, 0, AppOptions); }));
    if (oldWayToo && round == 0) {
      HWND edit = DocEditControl(document);
      DWORD length = 0;
      GlobalBlock text = GetEditorText(edit, &length);
      const double inPlace = Timed([&] { SetEditText(edit, text.data(), length); });
      std::printf("%9zu bytes: the old way, the converted text put into its own control: %.2f s\n",
                  size, inPlace);
    }
    Close(document);
  }
  const double o = Median(open), c = Median(convert);
  std::printf("%9zu bytes, medians of %d: open %.2f s; OEM to ANSI %.2f s (%.2f x the open)\n",
              size, rounds, o, c, c / o);
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
