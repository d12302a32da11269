// The print job, page by page.
#include "printing/print_engine.h"

#include <cstdlib>
#include <cstring>

#include "document/doc_words.h"
#include "document/edit_control.h"
#include "editing/timestamp.h"
#include "printing/job_calls.h"
#include "printing/page_macros.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

namespace {

// Thousandths of an inch to device pixels, truncated toward zero.
int MarginPixels(LONG thousandths, int pixelsPerInch) {
  return static_cast<int>(thousandths * 0.001 * pixelsPerInch);
}

// A header or footer: its template expanded and drawn as one line in `band`. Unlike body lines,
// "&&" prints one "&" and a single "&" underlines the next character.
void DrawPageLine(PrintJob& job, const char* pattern, int centred, RECT band, int page) {
  char text[kPageTextCapacity];
  ExpandPageMacros(text, pattern, job.title, page, {job.longDate, job.shortDate, job.time});
  SelectedObject font(job.dc, job.font.get());
  DrawTextA(job.dc, text, -1, &band, DT_SINGLELINE | (centred ? DT_CENTER : DT_LEFT));
}

}  // namespace

int BodyLines::Load(HWND edit, int wrapped) {
  edit_ = edit;
  count_ = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
  starts_.clear();
  if (wrapped) return 1;
  DWORD length = 0;
  text_ = GetEditorText(edit, &length);
  if (!text_) return 0;
  length_ = length;
  FindLineStarts(text_.data(), length_, starts_);
  // The control decides what a line is; should it count otherwise, ask it line by line.
  if (static_cast<int>(starts_.size()) != count_) starts_.clear(), text_.Reset();
  return 1;
}

void BodyLines::Prepare(int index, char (&out)[kBodyLineCapacity]) const {
  if (!starts_.empty()) {
    const size_t start = starts_[index];
    const size_t end = index + 1 < count_ ? starts_[index + 1] : length_;
    PrepareBodyLine(text_.data() + start, end - start, out);
    return;
  }
  char line[kLineFetchCapacity];
  *reinterpret_cast<WORD*>(line) = kLineFetchCapacity - 1;
  const LRESULT copied = SendMessageA(edit_, EM_GETLINE, index, reinterpret_cast<LPARAM>(line));
  PrepareBodyLine(line, copied > 0 ? static_cast<size_t>(copied) : 0, out);
}

int PreparePrintMetrics(PrintJob& job, const LOGFONTA& printerFont) {
  LOGFONTA font = printerFont;
  font.lfHeight = -static_cast<LONG>(std::labs(printerFont.lfHeight) * job.pixelsY * 0.013888889f);
  font.lfWidth = 0;
  job.font.reset(JobCreateFont(&font));
  if (!job.font) {
    return ShowMessage(job.document, IDS_APPNAME, 60058, job.title, printerFont.lfFaceName,
                       static_cast<int>(GetLastError()));
  }
  TEXTMETRICA metrics = {};
  {
    SelectedObject selected(job.dc, job.font.get());
    JobTextMetrics(job.dc, &metrics);
  }
  job.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  if (job.lineHeight <= 0) {
    return ShowMessage(job.document, IDS_APPNAME, 60058, job.title, printerFont.lfFaceName,
                       static_cast<int>(GetLastError()));
  }
  const PageSetupRecord& setup = *job.setup;
  job.body.top = MarginPixels(setup.TopMargin, job.pixelsY);
  job.body.bottom = job.pageHeight - MarginPixels(setup.BottomMargin, job.pixelsY);
  job.body.left = MarginPixels(setup.LeftMargin, job.pixelsX);
  job.body.right = job.pageWidth - MarginPixels(setup.RightMargin, job.pixelsX);
  const int height = job.body.bottom > job.body.top ? job.body.bottom - job.body.top : 0;
  job.linesPerPage = height / job.lineHeight;
  // A page without a single body line would never finish the document: refuse the job.
  if (job.linesPerPage < 1 || job.body.right <= job.body.left) {
    return ShowMessage(job.document, IDS_APPNAME, IDS_PRINT_NO_ROOM, job.title);
  }
  return job.lines.Load(DocEditControl(job.document), GetDocWord(job.document, kWrapWord));
}

int PrintCopy(PrintJob& job) {
  SetBkMode(job.dc, OPAQUE);
  SetBkColor(job.dc, RGB(255, 255, 255));
  SetTextColor(job.dc, RGB(0, 0, 0));
  const int lineCount = job.lines.Count();
  if (lineCount < 1) return 1;
  for (int page = 1;; ++page) {
    if (!StartPageWithHeader(job, page) || !PrintBody(job, page, (page - 1) * job.linesPerPage) ||
        !EndPageWithFooter(job, page)) {
      return 0;
    }
    if (page * job.linesPerPage >= lineCount) return 1;
  }
}

int StartPageWithHeader(PrintJob& job, int page) {
  if (JobStartPage(job.dc) < 1) {
    return ShowMessage(job.document, IDS_APPNAME, 60060, job.title, page,
                       static_cast<int>(GetLastError()));
  }
  const PageSetupRecord& setup = *job.setup;
  if (setup.ShowHeader) {
    DrawPageLine(job, setup.Header, setup.CenterHeader,
                 {job.body.left, 0, job.body.right, job.lineHeight}, page);
  }
  return 1;
}

int PrintBody(PrintJob& job, int page, int firstLine) {
  SelectedObject font(job.dc, job.font.get());
  SetStatus(60081, page);
  RECT line = {job.body.left, job.body.top, job.body.right, job.body.top + job.lineHeight};
  const int end = firstLine + job.linesPerPage;
  for (int index = firstLine; index < end && index < job.lines.Count(); ++index) {
    char text[kBodyLineCapacity];
    job.lines.Prepare(index, text);
    DrawTextA(job.dc, text, -1, &line, DT_SINGLELINE | DT_EXPANDTABS);
    OffsetRect(&line, 0, job.lineHeight);
  }
  return 1;
}

int EndPageWithFooter(PrintJob& job, int page) {
  const PageSetupRecord& setup = *job.setup;
  if (setup.ShowFooter) {
    DrawPageLine(job, setup.Footer, setup.CenterFooter,
                 {job.body.left, job.pageHeight - job.lineHeight, job.body.right, job.pageHeight},
                 page);
  }
  if (JobEndPage(job.dc) < 1) {
    return ShowMessage(job.document, IDS_APPNAME, 60061, job.title, page,
                       static_cast<int>(GetLastError()));
  }
  return 1;
}

int PrintToDevice(HDC dc, HWND document, const char* title, const char* documentName, int copies,
                  const PageSetupRecord& setup, const LOGFONTA& printerFont) {
  PrintJob job;
  job.dc = dc;
  job.document = document;
  job.title = title;
  job.setup = &setup;
  job.pageWidth = GetDeviceCaps(dc, HORZRES);
  job.pageHeight = GetDeviceCaps(dc, VERTRES);
  job.pixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  job.pixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  // One reading of the clock and the regional settings for the whole job: every page shows the
  // same date and time, and no page pays for reading them again.
  FormatDateText(nullptr, 1, job.longDate);
  FormatDateText(nullptr, 0, job.shortDate);
  FormatTimeText(nullptr, job.time);
  if (!PreparePrintMetrics(job, printerFont)) return 0;
  SetStatus(60080, title);

  DOCINFOA info = {};
  info.cbSize = sizeof info;
  info.lpszDocName = documentName;
  if (JobStartDoc(dc, &info) < 1) {
    return ShowMessage(document, IDS_APPNAME, 60059, title, static_cast<int>(GetLastError()));
  }
  int printed = 1;
  for (int copy = 0; copy < copies && printed; ++copy) printed = PrintCopy(job);
  // The job is ended whatever happened to its pages, so the spooler does not keep half a job.
  if (JobEndDoc(dc) < 1) {
    return ShowMessage(document, IDS_APPNAME, 60062, title, static_cast<int>(GetLastError()));
  }
  return printed;
}
