// Print speed: a document of many short lines printed through the print engine to the default
// printer (the "PDF Folder Printer" that ./run adds), against the same lines drawn on the same
// printer without the edit control (split beforehand, same pages, same rectangles). The job's
// spooling to the printer's port is part of both.
//
// Run by hand under Wine with a display, in a prefix that has the printer (./run adds it):
//   wine print_bench.exe [lines [rounds [wrap]]]     (default 100000 lines, 1 round, no wrap)
// The printer turns each job into a PDF after the job has ended, which costs minutes of CPU for
// a large job: each measurement waits for the previous job's conversion (the printer's folder is
// named by NORVEL_PRINT_OUTPUT, which the session script exports), so no job pays for another.
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/startup.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/doc_words.h"
#include "document/edit_control.h"
#include "printing/print_engine.h"
#include "settings/options.h"

#include "bench_support.h"

namespace {

HDC PrinterDc() {
  char name[256];
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return nullptr;
  return CreateDCA(nullptr, name, nullptr, nullptr);
}

// The lines drawn as the engine draws them, from memory: same font, bands and page breaks.
double DrawWithoutControl(const std::vector<std::string>& lines) {
  HDC dc = PrinterDc();
  const double start = Now();
  const int dpiY = GetDeviceCaps(dc, LOGPIXELSY), dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
  LOGFONTA font = OptionRecords.PrinterFontRecord.Font;
  font.lfHeight = -static_cast<LONG>(std::labs(font.lfHeight) * dpiY * 0.013888889f);
  font.lfWidth = 0;
  HFONT handle = CreateFontIndirectA(&font);
  HGDIOBJ old = SelectObject(dc, handle);
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  const int top = dpiY / 2, left = dpiX / 2, right = width - dpiX / 2;
  const int perPage = (height - dpiY) / lineHeight;
  DOCINFOA info = {};
  info.cbSize = sizeof info;
  info.lpszDocName = "baseline";
  StartDocA(dc, &info);
  for (size_t first = 0, page = 1; first < lines.size(); first += perPage, ++page) {
    StartPage(dc);
    char header[64];
    std::snprintf(header, sizeof header, "- Page %d -", static_cast<int>(page));
    RECT band = {left, 0, right, lineHeight};
    DrawTextA(dc, header, -1, &band, DT_SINGLELINE | DT_CENTER);
    RECT line = {left, top, right, top + lineHeight};
    for (size_t i = first; i < first + perPage && i < lines.size(); ++i) {
      DrawTextA(dc, lines[i].c_str(), -1, &line, DT_SINGLELINE | DT_EXPANDTABS);
      OffsetRect(&line, 0, lineHeight);
    }
    band = {left, height - lineHeight, right, height};
    DrawTextA(dc, header, -1, &band, DT_SINGLELINE | DT_CENTER);
    EndPage(dc);
  }
  EndDoc(dc);
  SelectObject(dc, old);
  DeleteObject(handle);
  DeleteDC(dc);
  return Now() - start;
}

// Waits until the printer's folder holds the text of job `job`, its conversion's last step.
void WaitForConversion(int job) {
  const char* folder = std::getenv("NORVEL_PRINT_OUTPUT");
  if (!folder) return;
  const std::string done = std::string("Z:") + folder + "/job-" + std::to_string(job) + ".txt";
  const double start = Now();
  while (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES && Now() - start < 3600) {
    Sleep(500);
  }
}

// The number of jobs the printer's folder already holds.
int JobsSoFar() {
  const char* folder = std::getenv("NORVEL_PRINT_OUTPUT");
  int jobs = 0;
  while (folder) {
    const std::string next = std::string("Z:") + folder + "/job-" + std::to_string(jobs + 1) + ".ps";
    if (GetFileAttributesA(next.c_str()) == INVALID_FILE_ATTRIBUTES) break;
    ++jobs;
  }
  return jobs;
}

double PrintThroughEngine(HWND document) {
  HDC dc = PrinterDc();
  const double start = Now();
  PrintToDevice(dc, document, "bench", "Norvel - bench", 1, AppOptions.PageSetup,
                OptionRecords.PrinterFontRecord.Font);
  const double seconds = Now() - start;
  DeleteDC(dc);
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 1;
  const int wrap = argc > 3 ? std::atoi(argv[3]) : 0;
  InitGlobals(GetModuleHandleA(nullptr));
  if (!InitApplication(AppOptions)) return 1;
  LoadOptions(AppOptions, OptionRecords);
  AppOptions.NewDoc = 0;
  AppOptions.WordWrap = wrap;
  HWND frame = CreateFrameWindow(SW_SHOWNORMAL, AppOptions);
  HDC probe = PrinterDc();
  if (!frame || !probe) {
    std::printf("no frame or no default printer\n");
    return 1;
  }
  DeleteDC(probe);
  // Headers and footers as the baseline draws them, without date stamps.
  lstrcpyA(AppOptions.PageSetup.Header, "- Page $P -");

  std::vector<std::string> lines;
  std::string text;
  for (int n = 1; n <= count; ++n) {
    lines.push_back("Line " + std::to_string(n) + " of a document printed for the benchmark");
    text += lines.back() + (n < count ? "\r\n" : "");
  }
  HWND document = CreateDocWindow(frame, nullptr, 0, AppOptions);
  SetEditText(DocEditControl(document), text.c_str(), text.size());

  std::vector<double> engine, baseline;
  int jobs = JobsSoFar();
  for (int round = 0; round < rounds; ++round) {
    baseline.push_back(DrawWithoutControl(lines));
    WaitForConversion(++jobs);
    engine.push_back(PrintThroughEngine(document));
    WaitForConversion(++jobs);
    std::printf("round %d: engine %.2f s, without the control %.2f s\n", round + 1, engine.back(),
                baseline.back());
  }
  std::sort(engine.begin(), engine.end());
  std::sort(baseline.begin(), baseline.end());
  const double e = engine[engine.size() / 2], b = baseline[baseline.size() / 2];
  std::printf("%d lines%s: engine %.2f s, without the control %.2f s, ratio %.2f\n", count,
              wrap ? " (word wrap)" : "", e, b, e / b);
  SetDocWord(document, kModifiedWord, 0);
  DestroyWindow(frame);
  return 0;
}
