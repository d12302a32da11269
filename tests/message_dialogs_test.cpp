// The message dialogs as a user meets them: title, icon, text, buttons, default choice, keys,
// position and owner, plus the beep rules, the splash rule and the no-memory fallback.
#include "harness/harness.h"

#include <functional>
#include <string>
#include <vector>

#include "base/globals.h"
#include "ui/dialog_template.h"
#include "ui/message_dialogs.h"
#include "windows/splash.h"

namespace {

constexpr int kIconControl = 100;
constexpr int kTextControl = 101;

std::vector<UINT> beeps;
void RecordBeep(UINT type) {
  beeps.push_back(type);
}

// What an open message dialog shows, read while it is up.
struct Snapshot {
  bool taken = false;
  DialogRecord record;
  std::vector<const ControlInfo*> buttons;
  std::string text;
  HICON icon = nullptr;
  bool topmost = false;
  RECT rect = {};
  int focusId = 0;
  int beepsSoFar = 0;
};

using Answer = std::function<void(HWND)>;

// Reads the dialog, then answers it with `answer` (OK by default).
DialogAnswerer::Action Capture(Snapshot& s, Answer answer = nullptr) {
  return [&s, answer](HWND dialog, DialogAnswerer&) {
    s.taken = true;
    s.record = DialogAnswerer::Read(dialog);
    for (const ControlInfo& control : s.record.controls) {
      if (lstrcmpiA(control.className.c_str(), "Button") == 0) s.buttons.push_back(&control);
    }
    s.text = s.record.ControlText(kTextControl);
    s.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, kIconControl, STM_GETICON, 0, 0));
    s.topmost = (GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    GetWindowRect(dialog, &s.rect);
    s.focusId = GetDlgCtrlID(GetFocus());
    s.beepsSoFar = static_cast<int>(beeps.size());
    if (answer) {
      answer(dialog);
    } else {
      DialogAnswerer::Click(dialog, IDOK);
    }
  };
}

Answer Press(int id) {
  return [id](HWND dialog) { DialogAnswerer::Click(dialog, id); };
}
Answer Key(UINT vk) {
  return [vk](HWND dialog) { DialogAnswerer::SendKey(dialog, vk); };
}
void CloseBox(HWND dialog) {
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

HWND MakeWindow(const char* title) {
  return CreateWindowExA(0, "Static", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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
    const char* title;
    const char* text;
    int iconId;
    std::vector<int> ids;  // the first is the default
    std::vector<std::string> texts;
    int pressId, result;
  } const cases[] = {
      {"Error", "Plain(Ctx)\r\rtext 7", 5500, {1}, {"OK"}, IDOK, 0},
      {"Notice title", "Line x", 5300, {1}, {"OK"}, IDOK, 0},
      {"Question", "Sure 3?", 5400, {6, 7}, {"&Yes", "&No"}, IDYES, 1},
      {"File Modified",
       "File: C:\\a.txt\r\rEdited.",
       1002,
       {6, 7, 2},
       {"&Yes", "&No", "&Cancel"},
       IDCANCEL,
       IDCANCEL},
  };
  const std::function<int()> calls[] = {
      [] { return ShowErrorText("Plain(Ctx): text %d", 7); },
      [this] { return ShowMessageText(owner_, "Notice title", "Line %s", "x"); },
      [this] { return AskYesNoText(owner_, 1, "Question", "Sure %d?", 3); },
      [this] { return AskSaveChanges(owner_, "File: %s\r\rEdited.", "C:\\a.txt"); },
  };
  for (size_t k = 0; k < 4; ++k) {
    const Case& c = cases[k];
    SCOPED_TRACE(c.title);
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, Press(c.pressId)));
    EXPECT_EQ(calls[k](), c.result);
    ASSERT_TRUE(s.taken);
    EXPECT_EQ(s.record.title, c.title);
    EXPECT_EQ(s.text, c.text);
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.iconId));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(s.icon, icon);
    ASSERT_EQ(s.buttons.size(), c.ids.size());
    for (size_t i = 0; i < c.ids.size(); ++i) {
      EXPECT_EQ(s.buttons[i]->id, c.ids[i]);
      EXPECT_EQ(s.buttons[i]->text, c.texts[i]);
      EXPECT_EQ((s.buttons[i]->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, i == 0) << i;
    }
    EXPECT_EQ(s.focusId, c.ids[0]);
    EXPECT_TRUE(s.topmost);
    HWND owner = k == 0 ? frame : owner_;  // an error belongs to the frame
    EXPECT_EQ(s.record.owner, owner);
    EXPECT_EQ(s.rect.left, (1101 - (s.rect.right - s.rect.left)) / 2);
    EXPECT_EQ(s.rect.top, (901 - (s.rect.bottom - s.rect.top)) / 2);
    EXPECT_TRUE(IsWindowEnabled(owner));  // disabled only while the dialog was up
  }
  DestroyWindow(frame);
}

// Only errors turn the first "(...):" into a heading line; arguments are shown literally and
// every kind cuts its text at 511 characters. Without a frame an error has no owner.
TEST_F(MessageDialogs, HeadingRuleLiteralArgumentsAndCut) {
  const char* name = "C:\\100%s%d%n%%.txt";
  const std::string notFound = std::string("File: ") + name + "\r\rFile not found.";
  const std::string longText(600, 'a');
  struct Case {
    std::function<int(HWND)> call;
    std::string text;
    bool error;
    int result = 0;  // when closed with Escape
  } const cases[] = {
      {[](HWND) { return ShowError(60009, "MakeFontStyle", 5); },
       "MakeFontStyle(GetDC)\r\rError detected reading screen device context\r\rCode 5", true},
      {[](HWND owner) { return ShowMessage(owner, 60020, 60009, "MakeFontStyle", 5); },
       "MakeFontStyle(GetDC): Error detected reading screen device context\r\rCode 5", false},
      {[](HWND) { return ShowErrorText("A(b): c(d): e"); }, "A(b)\r\rc(d): e", true},
      {[](HWND) { return ShowErrorText("%s", "Name(x): y"); }, "Name(x)\r\ry", true},
      {[](HWND owner) { return AskYesNoText(owner, 0, "T", "Ask(x): y"); }, "Ask(x): y", false},
      {[name](HWND) { return ShowError(60021, name); }, notFound, true},
      {[name](HWND owner) { return AskYesNo(owner, 0, 1000, 60024, name); },
       std::string("File: ") + name +
           "\r\rThis disk file is write protected on the drive\rWould you like to open it as "
           "Read-Only?",
       false},
      {[&longText](HWND) { return ShowErrorText("x%s", longText.c_str()); },
       ("x" + longText).substr(0, 511), true},
      {[&longText](HWND owner) { return ShowMessageText(owner, "T", "%s", longText.c_str()); },
       longText.substr(0, 511), false},
      {[&longText](HWND owner) { return AskSaveChanges(owner, "%s!", longText.c_str()); },
       longText.substr(0, 511), false, IDCANCEL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, Key(VK_ESCAPE)));
    EXPECT_EQ(c.call(owner_), c.result);
    ASSERT_TRUE(s.taken);
    EXPECT_EQ(s.text, c.text);
    EXPECT_EQ(s.record.owner, c.error ? nullptr : owner_);
  }
}

// The keys, buttons and close box of every kind; a question's default decides Enter.
TEST_F(MessageDialogs, AnswersAndDefaultChoices) {
  const auto ask = [](int defaultIsYes) {
    return [defaultIsYes](HWND owner) { return AskYesNoText(owner, defaultIsYes, "Q", "Go?"); };
  };
  const auto save = [](HWND owner) { return AskSaveChanges(owner, "File: %s", "x.txt"); };
  const auto notice = [](HWND owner) { return ShowMessage(owner, 60020, 60066); };
  struct Case {
    const char* name;
    std::function<int(HWND)> call;
    Answer answer;
    int result;
    int defaultId;
  } const cases[] = {
      {"No default, Enter", ask(0), Key(VK_RETURN), 0, IDNO},
      {"Yes default, Enter", ask(1), Key(VK_RETURN), 1, IDYES},
      {"Yes default, Escape", ask(1), Key(VK_ESCAPE), 0, IDYES},
      {"any non-zero is Yes", ask(5), Key(VK_RETURN), 1, IDYES},
      {"Yes button", ask(0), Press(IDYES), 1, IDNO},
      {"question close box", ask(1), CloseBox, 0, IDYES},
      {"save Yes", save, Press(IDYES), IDYES, IDYES},
      {"save Enter", save, Key(VK_RETURN), IDYES, IDYES},
      {"save Escape", save, Key(VK_ESCAPE), IDCANCEL, IDYES},
      {"save close box", save, CloseBox, IDCANCEL, IDYES},
      {"notice close box", notice, CloseBox, 0, IDOK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Snapshot s;
    DialogAnswerer answerer;
    answerer.Run(Capture(s, c.answer));
    EXPECT_EQ(c.call(owner_), c.result);
    ASSERT_TRUE(s.taken);
    EXPECT_EQ(s.focusId, c.defaultId);
    for (const ControlInfo* button : s.buttons) {
      EXPECT_EQ((button->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON, button->id == c.defaultId)
          << button->text;
    }
  }
}

TEST_F(MessageDialogs, FailedLookupsShowOnlyTheLookupError) {
  const std::function<int(HWND)> calls[] = {
      [](HWND) { return ShowError(59999, "x"); },
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
    EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});
  }
  BeepFlag = 0;
  beeps.clear();
  {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK).PressButton(IDNO);
    ShowErrorText("quiet");
    AskSaveChanges(owner_, "quiet");
    EXPECT_EQ(answerer.Count(), 2u);
  }
  EXPECT_TRUE(beeps.empty());
  EXPECT_EQ(BeepAndFail(), 0);
  EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});
}

TEST_F(MessageDialogs, TemplateAllocationFailureShowsTheSystemBox) {
  struct Case {
    std::function<int(HWND)> call;
    int result;
  } const cases[] = {
      // A save question that cannot be asked counts as No.
      {[](HWND owner) { return AskSaveChanges(owner, "lost"); }, IDCANCEL},
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

}  // namespace
