// The print job: the printer font and page metrics, then each copy page by page, with the
// header above the body lines and the footer below them. Drawn on any device context whose
// job calls go through printing/job_calls.h, so a metafile can stand in for the printer.
#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

#include "base/owned_handle.h"
#include "editing/date_time_text.h"
#include "printing/body_text.h"
#include "settings/options.h"
#include "ui/global_block.h"

// The document's lines as the edit control shows them. Without word wrap the text is read once
// and split (fetching line by line walks the whole text each time); with word wrap, or when the
// split disagrees with the control, each line is fetched from the control.
class BodyLines {
 public:
  int Load(HWND edit, int wrapped);  // 0 after reporting that the text could not be read
  int Count() const { return count_; }
  // Line `index` made ready to draw (PrepareBodyLine).
  void Prepare(int index, char (&out)[kBodyLineCapacity]) const;

 private:
  HWND edit_ = nullptr;
  GlobalBlock text_;
  size_t length_ = 0;
  std::vector<size_t> starts_;  // empty: fetch from the control
  int count_ = 0;
};

// One job's state, in printer device units.
struct PrintJob {
  HDC dc = nullptr;
  HWND document = nullptr;
  const char* title = "";
  const PageSetupRecord* setup = nullptr;
  int pageWidth = 0, pageHeight = 0;
  int pixelsX = 0, pixelsY = 0;  // per inch
  FontOwner font;
  int lineHeight = 0;
  RECT body = {};
  int linesPerPage = 0;
  BodyLines lines;
  char longDate[kStampCapacity] = "", shortDate[kStampCapacity] = "", time[kStampCapacity] = "";
};

// The printer font from `printerFont` (its height in points), the line height, the body
// rectangle inside the margins and the lines per page; the document's lines. 0 after the
// message: the font could not be made, or the margins leave no room for one line.
int PreparePrintMetrics(PrintJob& job, const LOGFONTA& printerFont);
// Every page once, numbered from 1.
int PrintCopy(PrintJob& job);
int StartPageWithHeader(PrintJob& job, int page);
int PrintBody(PrintJob& job, int page, int firstLine);
int EndPageWithFooter(PrintJob& job, int page);

// The whole job on `dc` (a printer's, or a metafile's in tests): metrics, the job named
// `documentName`, `copies` copies, the end of the job. 0 after the message on any failure.
int PrintToDevice(HDC dc, HWND document, const char* title, const char* documentName, int copies,
                  const PageSetupRecord& setup, const LOGFONTA& printerFont);
