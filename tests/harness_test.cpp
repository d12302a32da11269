// Tests of the test harness itself: dialogs of every kind answered, recorded and, when nothing
// was queued for them, dismissed and reported; message pumping.
#include "harness/harness.h"
#include "temp_folder.h"

#include <commdlg.h>
#include <prsht.h>
#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

namespace {

// A dialog template built in memory, texts widened byte by byte.
class DialogTemplate {
 public:
  DialogTemplate(DWORD style, const char* title, short cx, short cy) {
    AddDword(style);
    AddDword(0);
    count_ = words_.size();
    words_.push_back(0);  // item count, filled in by Add
    words_.insert(words_.end(), {0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy), 0, 0});
    AddString(title);
  }

  // atom: 0x0080 button, 0x0082 static.
  void Add(WORD atom, DWORD style, int id, const char* text, short x, short y, short cx, short cy) {
    if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    words_.insert(words_.end(), {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx),
                                 static_cast<WORD>(cy), static_cast<WORD>(id), 0xFFFF, atom});
    AddString(text);
    words_.push_back(0);  // no creation data
    ++words_[count_];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddString(const char* text) {
    while (*text) words_.push_back(static_cast<unsigned char>(*text++));
    words_.push_back(0);
  }

  std::vector<WORD> words_;
  std::size_t count_ = 0;
};

constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;

INT_PTR CALLBACK EndOnCommand(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

DialogTemplate MessageTemplate() {
  DialogTemplate message(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, "Notice", 200, 80);
  message.Add(kStatic, SS_LEFT, 101, "Message text", 10, 10, 180, 20);
  message.Add(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "OK", 20, 50, 50, 14);
  message.Add(kButton, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 3, "Later", 80, 50, 50, 14);
  message.Add(kButton, BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, "Cancel", 140, 50, 50, 14);
  return message;
}

}  // namespace

TEST(Harness, MessageBoxAnsweredByButtonOrKeyIsRecorded) {
  {
    DialogAnswerer answerer;
    answerer.PressButton(IDNO);
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Body text", "Title", MB_YESNO));
    ASSERT_EQ(1u, answerer.Count());
    EXPECT_EQ("Title", answerer.Last().title);
    EXPECT_TRUE(answerer.Last().HasText("Body text")) << answerer.Last().Describe();
  }
  // Keys go through the dialog's own keyboard handling: the default button, Esc.
  const struct {
    UINT type;
    UINT vk;
    int expected;
  } cases[] = {
      {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
      {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
  };
  for (const auto& c : cases) {
    DialogAnswerer answerer;
    answerer.PressKey(c.vk);
    EXPECT_EQ(c.expected, MessageBoxA(nullptr, "Key?", "Keys", c.type)) << c.vk;
  }
}

TEST(Harness, TemplateDialogIsRecordedAndADisabledButtonFailsAndCancels) {
  DialogTemplate message = MessageTemplate();
  DialogAnswerer answerer;
  answerer.PressButton(3);
  INT_PTR result = 0;
  EXPECT_NONFATAL_FAILURE(result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), message.Get(),
                                                           nullptr, EndOnCommand, 0),
                          "(\"Later\") of dialog \"Notice\" is disabled");
  EXPECT_EQ(IDCANCEL, result);
  const DialogRecord& record = answerer.Last();
  EXPECT_EQ((std::vector<std::string>{"Message text", "OK", "Later", "Cancel"}), record.texts);
  ASSERT_NE(nullptr, record.Control(IDOK));
  EXPECT_EQ("Button", record.Control(IDOK)->className);
  EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), record.Control(IDOK)->style & BS_TYPEMASK);
}

TEST(Harness, SaveDialogTakesFileNameAndFollowUpQuestion) {
  TempFolder folder;
  const std::string path = folder.Write("x.txt", "");
  char name[MAX_PATH] = "";
  OPENFILENAMEA save = {};
  save.lStructSize = sizeof save;
  save.lpstrFilter = "Text files (*.txt)\0*.txt\0";
  save.lpstrFile = name;
  save.nMaxFile = sizeof name;
  save.lpstrInitialDir = folder.path().c_str();
  save.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  DialogAnswerer answerer;
  answerer.EnterFileName(path).PressButton(IDYES);
  EXPECT_TRUE(GetSaveFileNameA(&save));
  EXPECT_STREQ(path.c_str(), name);
  ASSERT_EQ(2u, answerer.Count());
  // The "replace?" question is a message box of its own, owned by the Save dialog.
  EXPECT_EQ(answerer.Seen()[0].window, answerer.Seen()[1].owner);
  EXPECT_NE(nullptr, answerer.Seen()[1].Control(IDYES)) << answerer.Last().Describe();
}

namespace {

bool pageApplied = false;

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == PSN_APPLY) {
    pageApplied = true;
    SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

TEST(Harness, PropertySheetIsDrivenByDeferredAction) {
  DialogTemplate pageTemplate(WS_CHILD | WS_CAPTION | DS_CONTROL, "Page", 200, 100);
  pageTemplate.Add(kStatic, SS_LEFT, 1000, "Page text", 10, 10, 180, 20);
  PROPSHEETPAGEA page = {};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DLGINDIRECT;
  page.pResource = pageTemplate.Get();
  page.pfnDlgProc = PageProc;
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.pszCaption = "Sheet";
  header.nPages = 1;
  header.ppsp = &page;

  DialogAnswerer answerer;
  answerer.Run([](HWND sheet, DialogAnswerer&) { PropSheet_PressButton(sheet, PSBTN_OK); },
               "press OK");
  pageApplied = false;
  PropertySheetA(&header);
  EXPECT_TRUE(pageApplied);
  ASSERT_EQ(1u, answerer.Count());
  EXPECT_EQ("Sheet", answerer.Last().title);
  EXPECT_TRUE(answerer.Last().HasText("Page text")) << answerer.Last().Describe();
}

TEST(Harness, UnexpectedDialogIsReportedAndDismissed) {
  DialogAnswerer answerer;
  int result = 0;
  EXPECT_NONFATAL_FAILURE(result = MessageBoxA(nullptr, "Surprise", "Unexpected", MB_YESNOCANCEL),
                          "Unexpected dialog \"Unexpected\"");
  EXPECT_EQ(IDCANCEL, result);
  ASSERT_EQ(1u, answerer.Count());
  EXPECT_FALSE(answerer.Last().expected);
  EXPECT_TRUE(answerer.Last().HasText("Surprise"));
}

TEST(Harness, ModalDialogLeftOpenByItsAnswerFailsAndIsCancelled) {
  HWND owner = CreateWindowA("STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                             nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, owner);
  DialogAnswerer answerer;
  answerer.SetStuckTimeout(300);
  answerer.PressKey(VK_TAB);  // moves the focus and leaves the box open
  int result = 0;
  EXPECT_NONFATAL_FAILURE(result = MessageBoxA(owner, "Tab only", "Stuck", MB_OKCANCEL),
                          "is still open 300 ms after PressKey(9)");
  EXPECT_EQ(IDCANCEL, result);
  DestroyWindow(owner);
}

TEST(Harness, UnusedAnswersFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        DialogAnswerer answerer;
        answerer.PressButton(IDOK).PressKey(VK_ESCAPE);
      },
      "2 queued dialog answer(s) never used: PressButton(1) PressKey(27)");
}

namespace {

int timerTicks = 0;

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) {
  ++timerTicks;
}

}  // namespace

TEST(Harness, PumpRunsTimersAndKeepsQuitFromLaterDialogs) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, CountTick);
  EXPECT_TRUE(PumpUntil([] { return timerTicks >= 2; }, 2000));
  KillTimer(nullptr, timer);
  const DWORD start = GetTickCount();
  EXPECT_FALSE(PumpUntil([] { return false; }, 100));
  EXPECT_GE(GetTickCount() - start, 100u);

  PostQuitMessage(5);
  PumpMessages();
  int code = 0;
  EXPECT_TRUE(QuitReceived(&code));
  EXPECT_EQ(5, code);
  // A quit message left in the queue would end this message box at once with no answer used.
  DialogAnswerer answerer;
  answerer.PressButton(IDNO);
  EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Still here?", "After quit", MB_YESNO));
}
