// The message dialogs as a user meets them: title, icon, text, buttons, default choice, keys,
// position and owner, plus the beep rules, the splash rule and the no-memory fallback.
#include "harness/harness.h"

#include <functional>
#include <string>
#include <vector>

#include "app/globals.h"
#include "ui/dialog_template.h"
#include "ui/message_dialogs.h"
#include "windows/splash.h"

namespace {

constexpr int kIconControl = 100;
constexpr int kTextControl = 101;

struct Button {
  int id;
  std::string text;
  bool isDefault;
};

// What an open message dialog shows, read while it is up.
struct Snapshot {
  bool taken = false;
  std::string title;
  std::string text;
  HICON icon = nullptr;
  bool topmost = false;
  RECT rect = {};
  HWND owner = nullptr;
  int focusId = 0;
  std::vector<Button> buttons;
  int beepsSoFar = 0;
};

std::vector<UINT> beeps;
void RecordBeep(UINT type) {
  beeps.push_back(type);
}

std::string TextOf(HWND window) {
  char text[2048] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

BOOL CALLBACK AddButton(HWND control, LPARAM param) {
  char name[32] = "";
  GetClassNameA(control, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    reinterpret_cast<std::vector<Button>*>(param)->push_back(
        {GetDlgCtrlID(control), TextOf(control), (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON});
  }
  return TRUE;
}

Snapshot Take(HWND dialog) {
  Snapshot s;
  s.taken = true;
  s.title = TextOf(dialog);
  s.text = TextOf(GetDlgItem(dialog, kTextControl));
  s.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, kIconControl, STM_GETICON, 0, 0));
  s.topmost = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  GetWindowRect(dialog, &s.rect);
  s.owner = GetWindow(dialog, GW_OWNER);
  s.focusId = GetDlgCtrlID(GetFocus());
  EnumChildWindows(dialog, AddButton, reinterpret_cast<LPARAM>(&s.buttons));
  s.beepsSoFar = static_cast<int>(beeps.size());
  return s;
}

// Reads the dialog, then answers it with `answer`.
DialogAnswerer::Action Capture(
    Snapshot& snapshot,
    std::function<void(HWND)> answer = [](HWND dialog) { DialogAnswerer::Click(dialog, IDOK); }) {
  return [&snapshot, answer](HWND dialog, DialogAnswerer&) {
    snapshot = Take(dialog);
    answer(dialog);
  };
}

std::function<void(HWND)> Press(int id) {
  return [id](HWND dialog) { DialogAnswerer::Click(dialog, id); };
}
std::function<void(HWND)> Key(UINT vk) {
  return [vk](HWND dialog) { DialogAnswerer::SendKey(dialog, vk); };
}
void CloseBox(HWND dialog) {
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

HWND MakeWindow(const char* title) {
  return CreateWindowExA(0, "Static", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HICON ProgramIcon(int id) {
  return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

class MessageDialogs : public testing::Test {
 protected:
  void SetUp() override {
    beeps.clear();
    SetBeepFunction(RecordBeep);
    BeepFlag = 1;
    ScreenRect = RECT{0, 0, 1101, 901};
    owner_ = MakeWindow("owner");
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override {
    SetBeepFunction(nullptr);
    FailNextGlobalAllocations(0);
    FrameWindow = nullptr;
    if (owner_) DestroyWindow(owner_);
  }

  HWND owner_ = nullptr;
};

TEST_F(MessageDialogs, EachKindShowsItsTitleIconTextAndButtons) {
  HWND frame = MakeWindow("frame");
  ASSERT_NE(frame, nullptr);
  FrameWindow = frame;
  struct Case {
    const char* name;
    std::function<int()> call;
    const char* title;
    const char* text;
    int iconId;
    std::vector<Button> buttons;
    HWND owner;
    int pressId;
    int result;
  } const cases[] = {
      {"error",
       [] { return ShowErrorText("Plain(Ctx): text %d", 7); },
       "Error",
       "Plain(Ctx)\r\rtext 7",
       5500,
       {{1, "OK", true}},
       frame,
       IDOK,
       0},
      {"notice",
       [this] { return ShowMessageText(owner_, "Notice title", "Line %s", "x"); },
       "Notice title",
       "Line x",
       5300,
       {{1, "OK", true}},
       owner_,
       IDOK,
       0},
      {"question",
       [this] { return AskYesNoText(owner_, 1, "Question", "Sure %d?", 3); },
       "Question",
       "Sure 3?",
       5400,
       {{6, "&Yes", true}, {7, "&No", false}},
       owner_,
       IDYES,
       1},
      {"file modified",
       [this] {
         return AskSaveChanges(owner_,
                               "File: %s\r\rThis document has been edited.\rDo you want to save "
                               "the changes?",
                               "C:\\a.txt");
       },
       "File Modified",
       "File: C:\\a.txt\r\rThis document has been edited.\rDo you want to save the changes?",
       1002,
       {{6, "&Yes", true}, {7, "&No", false}, {2, "&Cancel", false}},
       owner_,
       IDCANCEL,
       IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, Press(c.pressId)));
    EXPECT_EQ(c.call(), c.result);
    ASSERT_TRUE(s.taken);
    EXPECT_EQ(s.title, c.title);
    EXPECT_EQ(s.text, c.text);
    ASSERT_NE(ProgramIcon(c.iconId), nullptr);
    EXPECT_EQ(s.icon, ProgramIcon(c.iconId));
    ASSERT_EQ(s.buttons.size(), c.buttons.size());
    for (size_t i = 0; i < c.buttons.size(); ++i) {
      EXPECT_EQ(s.buttons[i].id, c.buttons[i].id);
      EXPECT_EQ(s.buttons[i].text, c.buttons[i].text);
      EXPECT_EQ(s.buttons[i].isDefault, c.buttons[i].isDefault) << c.buttons[i].text;
    }
    EXPECT_EQ(s.focusId, c.buttons[0].id);
    EXPECT_TRUE(s.topmost);
    EXPECT_EQ(s.owner, c.owner);
    const LONG width = s.rect.right - s.rect.left;
    const LONG height = s.rect.bottom - s.rect.top;
    EXPECT_EQ(s.rect.left, (1101 - width) / 2);
    EXPECT_EQ(s.rect.top, (901 - height) / 2);
    // The owner was disabled only while the dialog was up.
    EXPECT_TRUE(IsWindowEnabled(c.owner));
  }
  DestroyWindow(frame);
}

TEST_F(MessageDialogs, ErrorsWithoutAFrameHaveNoOwner) {
  Snapshot s;
  DialogAnswerer answerer;
  answerer.Run(Capture(s));
  EXPECT_EQ(ShowErrorText("no frame yet"), 0);
  ASSERT_TRUE(s.taken);
  EXPECT_EQ(s.owner, nullptr);
  EXPECT_EQ(s.text, "no frame yet");
}

TEST_F(MessageDialogs, OnlyErrorsTurnTheFirstColonIntoAHeadingLine) {
  struct Case {
    std::function<int(HWND)> call;
    const char* text;
  } const cases[] = {
      {[](HWND) { return ShowError(60009, "MakeFontStyle", 5); },
       "MakeFontStyle(GetDC)\r\rError detected reading screen device context\r\rCode 5"},
      {[](HWND owner) { return ShowMessage(owner, 60020, 60009, "MakeFontStyle", 5); },
       "MakeFontStyle(GetDC): Error detected reading screen device context\r\rCode 5"},
      {[](HWND) { return ShowErrorText("A(b): c(d): e"); }, "A(b)\r\rc(d): e"},
      {[](HWND) { return ShowError(60003, "NorvelAppClass", 1410); },
       "\rError detected creating NorvelAppClass window class\r\rCode 1410"},
      // The rule looks at the formatted text: an argument can bring the mark.
      {[](HWND) { return ShowErrorText("%s", "Name(x): y"); }, "Name(x)\r\ry"},
      {[](HWND) { return ShowErrorText("Trailing():"); }, "Trailing():"},
      {[](HWND owner) { return AskYesNoText(owner, 0, "T", "Ask(x): y"); }, "Ask(x): y"},
  };
  for (const Case& c : cases) {
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, [](HWND dialog) { DialogAnswerer::SendKey(dialog, VK_ESCAPE); }));
    EXPECT_EQ(c.call(owner_), 0);
    ASSERT_TRUE(s.taken);
    EXPECT_EQ(s.text, c.text);
  }
}

TEST_F(MessageDialogs, ArgumentsAreShownLiterallyAndLongTextsAreCut) {
  const char* name = "C:\\100%s%d%n%%.txt";
  const std::string longText(600, 'a');
  struct Case {
    std::function<int(HWND)> call;
    std::string text;
    int result;  // when closed with the close box
  } const cases[] = {
      {[name](HWND owner) { return ShowMessage(owner, 1000, 60021, name); },
       std::string("File: ") + name + "\r\rFile not found.", 0},
      {[name](HWND) { return ShowError(60021, name); },
       std::string("File: ") + name + "\r\rFile not found.", 0},
      {[name](HWND owner) { return AskYesNo(owner, 0, 1000, 60024, name); },
       std::string("File: ") + name +
           "\r\rThis disk file is write protected on the drive\rWould you like to open it as "
           "Read-Only?",
       0},
      {[&longText](HWND owner) { return ShowMessageText(owner, "T", "%s", longText.c_str()); },
       longText.substr(0, 511), 0},
      {[&longText](HWND) { return ShowErrorText("x%s", longText.c_str()); },
       ("x" + longText).substr(0, 511), 0},
      {[&longText](HWND owner) { return AskYesNoText(owner, 1, "T", "%s", longText.c_str()); },
       longText.substr(0, 511), 0},
      {[&longText](HWND owner) { return AskSaveChanges(owner, "%s!", longText.c_str()); },
       longText.substr(0, 511), IDCANCEL},
  };
  for (const Case& c : cases) {
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, CloseBox));
    EXPECT_EQ(c.call(owner_), c.result);
    ASSERT_TRUE(s.taken);
    EXPECT_EQ(s.text, c.text);
  }
}

TEST_F(MessageDialogs, QuestionDefaultChoiceDecidesEnter) {
  struct Case {
    int defaultIsYes;
    std::function<void(HWND)> answer;
    int result;
  } const cases[] = {
      {0, Key(VK_RETURN), 0}, {0, Key(VK_ESCAPE), 0}, {1, Key(VK_RETURN), 1},
      {1, Key(VK_ESCAPE), 0}, {5, Key(VK_RETURN), 1}, {0, Press(IDYES), 1},
      {1, Press(IDNO), 0},    {1, CloseBox, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("default " + std::to_string(c.defaultIsYes));
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, c.answer));
    EXPECT_EQ(AskYesNoText(owner_, c.defaultIsYes, "Question", "Go?"), c.result);
    ASSERT_TRUE(s.taken);
    ASSERT_EQ(s.buttons.size(), 2u);
    const int defaultId = c.defaultIsYes ? IDYES : IDNO;
    EXPECT_EQ(s.focusId, defaultId);
    for (const Button& button : s.buttons) {
      EXPECT_EQ(button.isDefault, button.id == defaultId) << button.text;
    }
  }
}

TEST_F(MessageDialogs, SaveChangesAnswers) {
  struct Case {
    const char* name;
    std::function<void(HWND)> answer;
    int result;
  } const cases[] = {
      {"Yes", Press(IDYES), IDYES},          {"No", Press(IDNO), IDNO},
      {"Cancel", Press(IDCANCEL), IDCANCEL}, {"Escape", Key(VK_ESCAPE), IDCANCEL},
      {"Enter", Key(VK_RETURN), IDYES},      {"close box", CloseBox, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, c.answer));
    EXPECT_EQ(AskSaveChanges(owner_, "File: %s", "x.txt"), c.result);
    EXPECT_TRUE(s.taken);
  }
}

TEST_F(MessageDialogs, NoticeAndErrorCloseWithEnterEscapeAndCloseBox) {
  const std::function<void(HWND)> answers[] = {Key(VK_RETURN), Key(VK_ESCAPE), CloseBox};
  for (const auto& answer : answers) {
    Snapshot notice, error;
    DialogAnswerer answerer;
    answerer.Run(Capture(notice, answer)).Run(Capture(error, answer));
    EXPECT_EQ(ShowMessage(owner_, 60020, 60066), 0);
    EXPECT_EQ(ShowError(60066), 0);
    EXPECT_EQ(notice.title, "File I/O Error");
    EXPECT_EQ(notice.text, "Options saved");
    EXPECT_EQ(error.title, "Error");
    EXPECT_EQ(answerer.Count(), 2u);
  }
}

TEST_F(MessageDialogs, FailedLookupsShowOnlyTheLookupError) {
  const std::function<int(HWND)> calls[] = {
      [](HWND) { return ShowError(59999, "x"); },
      [](HWND owner) { return ShowMessage(owner, 59999, 60021, "x"); },
      [](HWND owner) { return ShowMessage(owner, 1000, 59999, "x"); },
      [](HWND owner) { return AskYesNo(owner, 1, 59999, 60024, "x"); },
      [](HWND owner) { return AskYesNo(owner, 1, 1000, 60108, "x"); },
  };
  for (const auto& call : calls) {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    EXPECT_EQ(call(owner_), 0);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(answerer.Last().title, "Error");
    EXPECT_EQ(answerer.Last().ControlText(kTextControl).rfind("GetString(LoadString)\r\r", 0), 0u);
  }
}

TEST_F(MessageDialogs, BeepOnlyWhenSoundsAreOnButBeepAndFailAlways) {
  {
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s));
    ShowMessageText(owner_, "T", "with sound");
    EXPECT_EQ(s.beepsSoFar, 1);  // before the dialog appeared
    ASSERT_EQ(beeps.size(), 1u);
    EXPECT_EQ(beeps[0], static_cast<UINT>(MB_ICONASTERISK));
  }
  BeepFlag = 0;
  beeps.clear();
  {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK).PressButton(IDOK).PressButton(IDNO).PressButton(IDNO);
    ShowErrorText("quiet");
    ShowMessageText(owner_, "T", "quiet");
    AskYesNoText(owner_, 1, "T", "quiet");
    AskSaveChanges(owner_, "quiet");
    EXPECT_EQ(answerer.Count(), 4u);
  }
  EXPECT_TRUE(beeps.empty());
  EXPECT_EQ(BeepAndFail(), 0);
  ASSERT_EQ(beeps.size(), 1u);
  EXPECT_EQ(beeps[0], static_cast<UINT>(MB_ICONASTERISK));
}

TEST_F(MessageDialogs, TemplateAllocationFailureShowsTheSystemBox) {
  struct Case {
    std::function<int(HWND)> call;
    int result;
  } const cases[] = {
      {[](HWND) { return ShowErrorText("lost"); }, 0},
      {[](HWND owner) { return ShowMessageText(owner, "T", "lost"); }, 0},
      {[](HWND owner) { return AskYesNoText(owner, 1, "T", "lost"); }, 0},
      // A save question that cannot be asked counts as No.
      {[](HWND owner) { return AskSaveChanges(owner, "lost"); }, IDNO},
  };
  for (const Case& c : cases) {
    HICON icon = nullptr;
    DialogAnswerer answerer;
    answerer.Run([&icon](HWND dialog, DialogAnswerer&) {
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        }
      }
      DialogAnswerer::Click(dialog, IDOK);
    });
    FailNextGlobalAllocations(1);
    EXPECT_EQ(c.call(owner_), c.result);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(answerer.Last().title, "Error");
    EXPECT_TRUE(answerer.Last().HasText("Cannot allocate memory for dialog box template"))
        << answerer.Last().Describe();
    EXPECT_FALSE(answerer.Last().HasText("lost"));
    EXPECT_EQ(icon, LoadIconA(nullptr, IDI_HAND));
  }
}

TEST_F(MessageDialogs, SplashBoxClosesBeforeTheDialog) {
  HWND splash = CreateWindowExA(WS_EX_TOPMOST, "Static", "Splash", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                50, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(splash, nullptr);
  SplashWindow = splash;
  bool splashGone = false;
  DialogAnswerer answerer;
  answerer.Run([&](HWND dialog, DialogAnswerer&) {
    splashGone = !IsWindow(splash);
    DialogAnswerer::Click(dialog, IDYES);
  });
  EXPECT_EQ(AskYesNoText(owner_, 0, "T", "splash?"), 1);
  EXPECT_TRUE(splashGone);
  EXPECT_EQ(SplashWindow, nullptr);
}

TEST_F(MessageDialogs, EmptyDesktopRectangleIsReadFromTheSystem) {
  ScreenRect = RECT{};
  Snapshot s;
  DialogAnswerer answerer;
  answerer.Run(Capture(s));
  ShowMessageText(owner_, "T", "centred");
  RECT desktop;
  GetClientRect(GetDesktopWindow(), &desktop);
  EXPECT_TRUE(EqualRect(&ScreenRect, &desktop));
  ASSERT_TRUE(s.taken);
  EXPECT_EQ(s.rect.left, (desktop.right - (s.rect.right - s.rect.left)) / 2);
  EXPECT_EQ(s.rect.top, (desktop.bottom - (s.rect.bottom - s.rect.top)) / 2);
}

}  // namespace
