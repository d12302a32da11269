// Printing: the exact layout drawn into a metafile, and whole jobs through the print dialog to
// the test prefix's "PDF Folder Printer", whose pages come back as text (tools/printer).
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "document_fixture.h"
#include "editing/timestamp.h"
#include "printing/job_calls.h"
#include "printing/print_document.h"
#include "printing/print_engine.h"

namespace {

using Pages = std::vector<std::vector<std::string>>;  // "text@y" in printer units

// The job calls mark each page's start in the metafile.
const JobCallTable kMarkers = {[](HDC, const DOCINFOA*) { return 1; },
                               [](HDC dc) { return GdiComment(dc, 1, (const BYTE*)"p") ? 1 : 0; },
                               [](HDC) { return 1; }, [](HDC) { return 1; }};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  Pages& pages = *reinterpret_cast<Pages*>(data);
  if (record->iType == EMR_GDICOMMENT) pages.emplace_back();
  if (record->iType != EMR_EXTTEXTOUTW || pages.empty()) return 1;
  const EMRTEXT& t = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
  const auto* text =
      reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(record) + t.offString);
  pages.back().push_back(std::string(text, text + t.nChars) + "@" +
                         std::to_string(t.ptlReference.y));
  return 1;
}

std::string Numbered(int from, int to, const char* between) {  // "Line from<between>...Line to"
  std::string text = "Line " + std::to_string(from);
  while (from < to) text += between + ("Line " + std::to_string(++from));
  return text;
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

// The pages of the printer's job-N.txt, each as its non-empty lines collapsed, " / " between.
std::vector<std::string> ReadPrintedPages(int job) {
  std::ifstream file;
  PumpUntil([&] { return file.open(JobFile(job, ".txt")), file.is_open(); }, 20000);
  std::vector<std::string> pages;
  for (std::string page, line; std::getline(file, page, '\f');) {
    std::string text;
    for (std::istringstream lines(page); std::getline(lines, line);) {
      if (!Collapsed(line).empty()) text += (text.empty() ? "" : " / ") + Collapsed(line);
    }
    if (!text.empty()) pages.push_back(text);
  }
  return pages;
}

class PrintTest : public DocumentFixture {
 protected:
  void TearDown() override {
    ClearJobFailures();
    SetTimestampClock(nullptr);
    DocumentFixture::TearDown();
  }
  static void Put(HWND document, const std::string& text) {
    SetEditText(DocEditControl(document), text.c_str(), text.size());
  }
  // Prints `document` into a metafile with the test printer's metrics.
  static Pages PrintToMetafile(HWND document, int copies) {
    HDC printer = CreateDCA(nullptr, "PDF Folder Printer", nullptr, nullptr);
    HDC dc = CreateEnhMetaFileA(printer, nullptr, nullptr, nullptr);
    DeleteDC(printer);
    SetJobCalls(&kMarkers);
    EXPECT_EQ(1, PrintToDevice(dc, document, "New1", "Norvel - New1", copies, AppOptions.PageSetup,
                               OptionRecords.PrinterFontRecord.Font));
    SetJobCalls(nullptr);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    Pages pages;
    EnumEnhMetaFile(nullptr, metafile, Collect, &pages, nullptr);
    DeleteEnhMetaFile(metafile);
    return pages;
  }
};

}  // namespace

// In printer units, 300 dpi on US Letter (3300 high), margins of half an inch (150), lines of 48:
// the header on the first band, the footer on the last, body lines never wrapped, every copy
// numbered from 1.
TEST_F(PrintTest, LayoutOnTheMetafile) {
  PageSetupRecord& setup = AppOptions.PageSetup;
  lstrcpyA(setup.Header, "&Head && $P");
  lstrcpyA(setup.Footer, "$f|$F");
  HWND document = New();
  Put(document, "a&b\tc\r\n" + std::string(300, 'W') + "\r\nnext");
  const std::vector<std::string> page = {
      "Head & 1@0", "a&b@150", "c@150", std::string(300, 'W') + "@198", "next@246", "|New1@3252"};
  EXPECT_EQ(Pages(2, page), PrintToMetafile(document, 2));
  setup.ShowHeader = setup.ShowFooter = 0;
  EXPECT_EQ(Pages(1, {page.begin() + 1, page.end() - 1}), PrintToMetafile(document, 1));

  // With word wrap: the lines as the control wraps them, one to a band.
  ToggleWordWrap(document, 1, AppOptions);
  Put(document, Numbered(1, 40, " "));
  const std::vector<std::string> wrapped = PrintToMetafile(document, 1).at(0);
  std::string joined;
  for (const std::string& item : wrapped) joined += item.substr(0, item.find('@'));
  EXPECT_GT(wrapped.size(), 2u);
  EXPECT_EQ(static_cast<LRESULT>(wrapped.size()),
            SendMessageA(DocEditControl(document), EM_GETLINECOUNT, 0, 0));
  EXPECT_EQ(Numbered(1, 40, " "), joined);
}

// Whole jobs through the print dialog to the printer: what the user is told, the status line,
// the document left as it was, and the pages that come out.
TEST_F(PrintTest, JobsOnThePrinter) {
  ASSERT_NE(nullptr, std::getenv("NORVEL_PRINT_OUTPUT")) << "no printer: run through ./test";
  SetTimestampClock([] {
    std::tm time = {};
    time.tm_year = 98, time.tm_mon = 8, time.tm_mday = 30, time.tm_wday = 3, time.tm_hour = 21;
    return time;
  });
  HWND document = New();
  Put(document, Numbered(1, 500, "\r\n"));
  const int n = static_cast<int>(PrintToMetafile(document, 1)[0].size()) - 2;  // lines per page
  const std::string h =
      Collapsed(std::string("File: New1 - ") + FormatDateText(nullptr, 1, nullptr) + " - " +
                FormatTimeText(nullptr, nullptr)) +
      " / ";
  const std::string f1 = " / - Page 1 -", ok = "New1 printed", no = "New1 printing canceled";
  const std::string e = "File: New1\r\rError detected ", code5 = "\r\rCode 5";
  const std::string page1 = h + Numbered(1, n, " / ") + f1;
  constexpr JobStep None = JobStep::Count;
  const struct {
    std::string text;
    int copies;    // 0: Cancel in the print dialog; -1: a text that arrived by paste
    JobStep fail;  // StartPage fails for the second page
    bool noRoom;   // margins that leave no room for a line
    std::string message, status;
    std::vector<std::string> pages;
  } rows[] = {
      // clang-format off
      {"", 1, None, false, "", ok, {h + "- Page 1 -"}},
      {Numbered(1, n, "\r\n"), 1, None, false, "", ok, {page1}},
      {"one\rtwo\nthree", -1, None, false, "", ok, {h + "one / two / three" + f1}},
      {"x", 0, None, false, "", no, {}},
      {"x", 1, None, true,
       "File: New1\r\rThe page margins leave no room for a line of text.\rNothing was printed.\r\r"
       "Make the margins smaller in Page Setup.", no, {}},
      {"x", 1, JobStep::CreateFont, false,
       e + "creating MS Sans Serif fonts for printing\r\rCode 8", no, {}},
      {Numbered(1, n + 1, "\r\n"), 1, JobStep::StartPage, false,
       e + "opening page 2 for printing" + code5, no, {page1}},
      {"x", 1, JobStep::EndDoc, false, e + "closing the printer job" + code5, no, {}},
      // clang-format on
  };
  int job = 1;  // the number the printer gives the next job
  while (GetFileAttributesA(JobFile(job, ".ps").c_str()) != INVALID_FILE_ATTRIBUTES) ++job;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message + row.text.substr(0, 20));
    const PageSetupRecord saved = AppOptions.PageSetup;
    if (row.noRoom) AppOptions.PageSetup.TopMargin = AppOptions.PageSetup.BottomMargin = 6000;
    Put(document, row.copies < 0 ? "" : row.text);
    if (row.copies < 0) ReplaceEditSelection(DocEditControl(document), row.text.c_str());
    const std::string before = Text(document);
    if (row.fail != None)
      InjectJobFailure(row.fail, row.fail == JobStep::CreateFont ? 8 : 5,
                       row.fail == JobStep::StartPage);
    DialogAnswerer answerer;
    answerer.Run([&](HWND dialog, DialogAnswerer&) {
      DialogAnswerer::Click(dialog, row.copies ? IDOK : IDCANCEL);
    });
    if (!row.message.empty()) answerer.PressButton(IDOK);
    EXPECT_EQ(row.status == ok, PrintDocument(document, AppOptions));
    EXPECT_EQ(row.message, row.message.empty() ? "" : answerer.Last().ControlText(101));
    EXPECT_EQ(row.status, StatusText(0));
    EXPECT_EQ(before, Text(document));
    EXPECT_EQ(row.pages, row.pages.empty() ? row.pages : ReadPrintedPages(job++));
    AppOptions.PageSetup = saved;
  }
  Sleep(2000);  // a job that should not exist has had time to appear
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(JobFile(job, ".ps").c_str()));
}
