// Printing: the exact layout drawn into a metafile, and whole jobs through the print dialog to
// the test prefix's "PDF Folder Printer", whose pages come back as text (tools/printer).
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "document_fixture.h"
#include "editing/timestamp.h"
#include "printing/job_calls.h"
#include "printing/print_document.h"
#include "printing/print_engine.h"
#include "resources/resource.h"

namespace {

std::string Lines(int from, int to) {  // "Line from / ... / Line to"
  std::string text;
  for (int n = from; n <= to; ++n) text += (n > from ? " / Line " : "Line ") + std::to_string(n);
  return text;
}
std::string Numbered(int count) {  // the document text "Line 1\r\n...Line count"
  std::string text;
  for (int n = 1; n <= count; ++n) text += (n > 1 ? "\r\nLine " : "Line ") + std::to_string(n);
  return text;
}

// The job calls write markers into the metafile, so its records can be cut into pages.
const JobCallTable kMarkers = {
    [](HDC, const DOCINFOA*) { return 1; },
    [](HDC dc) { return static_cast<int>(GdiComment(dc, 4, reinterpret_cast<const BYTE*>("page"))); },
    [](HDC) { return 1; }, [](HDC) { return 1; }};

struct Drawn {
  std::string text;
  RECT clip;
  LONG x, y;
};
using Pages = std::vector<std::vector<Drawn>>;
LONG fontHeight = 0;  // of the last font the metafile made

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  Pages& pages = *reinterpret_cast<Pages*>(data);
  if (record->iType == EMR_GDICOMMENT) pages.emplace_back();
  if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
    fontHeight = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont.lfHeight;
  }
  if (record->iType != EMR_EXTTEXTOUTW || pages.empty()) return 1;
  const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
  const auto* wide = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(record) +
                                                    out->emrtext.offString);
  const RECTL& c = out->emrtext.rcl;
  pages.back().push_back({std::string(wide, wide + out->emrtext.nChars), {c.left, c.top, c.right, c.bottom},
                          out->emrtext.ptlReference.x, out->emrtext.ptlReference.y});
  return 1;
}

std::string Collapsed(const std::string& line) {  // blanks trimmed, runs of them made one
  std::istringstream in(line);
  std::string word, joined;
  while (in >> word) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

std::string JobFile(int job, const char* extension) {
  return std::string("Z:") + std::getenv("NORVEL_PRINT_OUTPUT") + "/job-" + std::to_string(job) +
         extension;
}

// The pages text from the printer's job-N.txt: lines trimmed, blanks collapsed, " / " between.
std::vector<std::string> ReadPrintedPages(int job) {
  const std::string path = JobFile(job, ".txt");
  std::ifstream file;
  PumpUntil([&] { file.open(path); return file.is_open(); }, 20000);
  std::vector<std::string> pages;
  std::string page;
  std::getline(file, page, '\f');
  for (; file || !page.empty(); page.clear(), std::getline(file, page, '\f')) {
    std::string line, text;
    for (std::istringstream lines(page); std::getline(lines, line);) {
      if (!Collapsed(line).empty()) text += (text.empty() ? "" : " / ") + Collapsed(line);
    }
    if (!text.empty()) pages.push_back(text);
  }
  return pages;
}

std::tm FixedTime() {
  std::tm time = {};
  time.tm_year = 98, time.tm_mon = 8, time.tm_mday = 30, time.tm_wday = 3, time.tm_hour = 21;
  return time;
}

class PrintTest : public DocumentFixture {
 protected:
  void TearDown() override {
    SetJobCalls(nullptr);
    ClearJobFailures();
    SetTimestampClock(nullptr);
    DocumentFixture::TearDown();
  }
  // Prints `document` into a metafile referring to the test printer; `result` is PrintToDevice's.
  Pages PrintToMetafile(HWND document, int copies, int* result) {
    HDC printer = CreateDCA(nullptr, "PDF Folder Printer", nullptr, nullptr);
    HDC dc = CreateEnhMetaFileA(printer, nullptr, nullptr, nullptr);
    DeleteDC(printer);
    SetJobCalls(&kMarkers);
    *result = PrintToDevice(dc, document, "New1", "Norvel - New1", copies, AppOptions.PageSetup,
                            OptionRecords.PrinterFontRecord.Font);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    Pages pages;
    EnumEnhMetaFile(nullptr, metafile, Collect, &pages, nullptr);
    DeleteEnhMetaFile(metafile);
    return pages;
  }
};

}  // namespace

// Header, body and footer where the page setup puts them; lines cut at the right margin, never
// wrapped; pages broken after the lines that fit; every copy numbered from 1.
TEST_F(PrintTest, LayoutOnTheMetafile) {
  PageSetupRecord& setup = AppOptions.PageSetup;
  setup.CenterFooter = 0;
  lstrcpyA(setup.Header, "&Head && $P");
  lstrcpyA(setup.Footer, "$f|$F");
  HWND document = New();
  const std::string body = "a&b\tc\r\n" + std::string(300, 'W') + "\r\nnext";
  SetEditText(DocEditControl(document), body.c_str(), body.size());
  int result = 0;
  const Pages pages = PrintToMetafile(document, 2, &result);
  ASSERT_EQ(1, result);
  ASSERT_EQ(2u, pages.size());
  ASSERT_EQ(6u, pages[0].size());
  // Printer units: 300 dpi on US Letter (2550 x 3300), margins of half an inch (150); the
  // font's 10 points are 41 pixels.
  EXPECT_EQ(-41, fontHeight);
  const LONG lh = pages[0][3].y - pages[0][1].y;
  for (const auto& page : pages) {
    std::vector<std::string> seen;
    for (const Drawn& d : page) {
      seen.push_back(d.text.substr(0, 12) + " " + std::to_string(d.text.size()) + " " +
                     (d.x > 150 ? "mid" : std::to_string(d.x)) + "," + std::to_string(d.y) + " " +
                     std::to_string(d.clip.left) + "-" + std::to_string(d.clip.right) + "," +
                     std::to_string(d.clip.bottom - d.clip.top));
    }
    const std::string band = " 150-2400," + std::to_string(lh);
    EXPECT_EQ((std::vector<std::string>{"Head & 1 8 mid,0" + band, "a&b 3 150,150" + band,
                                         "c 1 mid,150" + band, "WWWWWWWWWWWW 300 150,198" + band,
                                         "next 4 150," + std::to_string(150 + 2 * lh) + band,
                                         "|New1 5 150," + std::to_string(3300 - lh) + band}),
              seen);
  }
  AppOptions.PageSetup.ShowHeader = AppOptions.PageSetup.ShowFooter = 0;
  EXPECT_EQ(4u, PrintToMetafile(document, 1, &result).at(0).size());

  // With word wrap, the lines as the control wraps them, one to a band.
  ToggleWordWrap(document, 1, AppOptions);
  std::string words;
  for (int n = 0; n < 100; ++n) words += "word" + std::to_string(n) + " ";
  SetEditText(DocEditControl(document), words.c_str(), words.size());
  const auto wrapped = SendMessageA(DocEditControl(document), EM_GETLINECOUNT, 0, 0);
  std::string joined;
  const Pages lines = PrintToMetafile(document, 1, &result);
  for (const Drawn& d : lines.at(0)) joined += d.text + "|";
  EXPECT_GT(wrapped, 2);
  EXPECT_EQ(wrapped, std::count(joined.begin(), joined.end(), '|'));
  joined.erase(std::remove(joined.begin(), joined.end(), '|'), joined.end());
  EXPECT_EQ(words, joined);
}

// Whole jobs through the print dialog to the printer: what the user is told, the status line,
// the document left as it was, and the pages that come out.
TEST_F(PrintTest, JobsOnThePrinter) {
  ASSERT_NE(nullptr, std::getenv("NORVEL_PRINT_OUTPUT")) << "no printer: run through ./test";
  SetTimestampClock(FixedTime);
  HWND document = New();
  int result = 0;
  SetEditText(DocEditControl(document), Numbered(500).c_str(), Numbered(500).size());
  const int n = static_cast<int>(PrintToMetafile(document, 1, &result)[0].size()) - 2;
  SetJobCalls(nullptr);
  const std::string h = Collapsed(std::string("File: New1 - ") + FormatDateText(nullptr, 1, nullptr) +
                                  " - " + FormatTimeText(nullptr, nullptr));
  const std::string f1 = "- Page 1 -", printed = "New1 printed", canceled = "New1 printing canceled";
  const std::string code5 = "\r\rCode 5", file = "File: New1\r\rError detected ";
  const std::string digits = "0123456789012345678901234567890123456789";
  const struct {
    std::string text;
    int copies;  // 0: Cancel in the print dialog; -1: one copy of a text that arrived by paste
    JobStep fail;
    int skip;
    std::function<void(PageSetupRecord&, LOGFONTA&)> setUp;
    std::string message, status;
    std::vector<std::string> pages;
  } rows[] = {
      {"", 1, JobStep::Count, 0, {}, "", printed, {h + " / " + f1}},
      {Numbered(n), 1, JobStep::Count, 0, {}, "", printed, {h + " / " + Lines(1, n) + " / " + f1}},
      {Numbered(n + 1), 1, JobStep::Count, 0, {}, "", printed,
       {h + " / " + Lines(1, n) + " / " + f1, h + " / Line " + std::to_string(n + 1) + " / - Page 2 -"}},
      {"x", 2, JobStep::Count, 0, {}, "", printed, {h + " / x / " + f1, h + " / x / " + f1}},
      {"a&b\tc\r\n" + digits + digits + digits + "\r\nnext", 1, JobStep::Count, 0,
       [](PageSetupRecord& s, LOGFONTA&) { s.RightMargin = 8000 - 500; lstrcpyA(s.Header, "&H && $f|$P"); },
       "", printed, {"H & |1 / a&b c / 01234567 / next / " + f1}},
      {"one\rtwo\nthree", -1, JobStep::Count, 0, {}, "", printed, {h + " / one / two / three / " + f1}},
      {"x", 1, JobStep::Count, 0, [](PageSetupRecord&, LOGFONTA& f) { lstrcpyA(f.lfFaceName, "No Such Face"); },
       "", printed, {h + " / x / " + f1}},
      {"x", 0, JobStep::Count, 0, {}, "", canceled, {}},
      {"x", 1, JobStep::Count, 0, [](PageSetupRecord& s, LOGFONTA&) { s.TopMargin = 6000, s.BottomMargin = 6000; },
       "File: New1\r\rThe page margins leave no room for a line of text.\rNothing was printed.\r\rMake "
       "the margins smaller in Page Setup.", canceled, {}},
      {"x", 1, JobStep::CreateFont, 0, {}, file + "creating MS Sans Serif fonts for printing\r\rCode 8",
       canceled, {}},
      {"x", 1, JobStep::StartDoc, 0, {}, file + "starting the printer job" + code5, canceled, {}},
      {Numbered(n + 1), 1, JobStep::StartPage, 1, {}, file + "opening page 2 for printing" + code5,
       canceled, {h + " / " + Lines(1, n) + " / " + f1}},
      {"x", 1, JobStep::EndPage, 0, {}, file + "closing page 1 after printing" + code5, canceled, {"?"}},
      {"x", 1, JobStep::EndDoc, 0, {}, file + "closing the printer job" + code5, canceled, {}},
  };
  int job = 1;  // the number the printer gives the next job
  while (GetFileAttributesA(JobFile(job, ".ps").c_str()) != INVALID_FILE_ATTRIBUTES) ++job;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message + row.text.substr(0, 20));
    const PageSetupRecord savedSetup = AppOptions.PageSetup;
    const LOGFONTA savedFont = OptionRecords.PrinterFontRecord.Font;
    if (row.setUp) row.setUp(AppOptions.PageSetup, OptionRecords.PrinterFontRecord.Font);
    SetEditText(DocEditControl(document), "", 0);
    if (row.copies < 0) ReplaceEditSelection(DocEditControl(document), row.text.c_str());
    if (row.copies >= 0) SetEditText(DocEditControl(document), row.text.c_str(), row.text.size());
    const std::string before = Text(document);
    if (row.fail != JobStep::Count) InjectJobFailure(row.fail, row.fail == JobStep::CreateFont ? 8 : 5, row.skip);
    DialogAnswerer answerer;
    if (row.copies == 2) {
      answerer.Run([](HWND dialog, DialogAnswerer&) {
        DialogAnswerer::SetControlText(dialog, 0x482, "2");  // the copies field
        DialogAnswerer::Click(dialog, IDOK);
      });
    } else {
      answerer.PressButton(row.copies ? IDOK : IDCANCEL);
    }
    if (!row.message.empty()) answerer.PressButton(IDOK);
    EXPECT_EQ(row.status == printed, PrintDocument(document, AppOptions));
    EXPECT_EQ(row.message.empty() ? "" : row.message, row.message.empty() ? "" : answerer.Last().ControlText(101));
    EXPECT_EQ(row.status, StatusText(0));
    EXPECT_EQ(before, Text(document));
    if (!row.pages.empty()) {
      const std::vector<std::string> pages = ReadPrintedPages(job++);
      if (row.pages[0] != "?") {
        EXPECT_EQ(row.pages, pages);
      }
    }
    AppOptions.PageSetup = savedSetup;
    OptionRecords.PrinterFontRecord.Font = savedFont;
  }
  Sleep(2000);  // a job that should not exist has had time to appear
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(JobFile(job, ".ps").c_str()));
}
