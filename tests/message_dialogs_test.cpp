// The message dialogs as a user meets them: title, icon, text, buttons and default, owner,
// position, the heading rule, literal arguments, answers, beeps, the splash box and no memory.
#include "harness/harness.h"

#include <functional>
#include <string>
#include <vector>

#include "base/globals.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "windows/splash.h"

namespace {

std::vector<UINT> beeps;

class MessageDialogs : public testing::Test {
 protected:
  void SetUp() override {
    SetBeepFunction([](UINT type) { beeps.push_back(type); });
    BeepFlag = 1;
    ScreenRect = RECT{0, 0, 1101, 901};
    owner_ =
        CreateWindowA("Static", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 9, 9, 300, 200, 0, 0, 0, 0);
  }
  void TearDown() override {
    SetBeepFunction(nullptr);
    FrameWindow = nullptr;
    DestroyWindow(owner_);
  }
  HWND owner_ = nullptr;
};

struct Shown {
  DialogRecord record;
  HICON icon = nullptr;
  RECT rect = {};
  int focus = 0;
  bool topmost = false;
};

// Reads the open dialog, then answers it with `answer`.
DialogAnswerer::Action Look(Shown& shown, std::function<void(HWND)> answer) {
  return [&shown, answer](HWND dialog, DialogAnswerer&) {
    shown.record = DialogAnswerer::Read(dialog);
    shown.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, 100, STM_GETICON, 0, 0));
    GetWindowRect(dialog, &shown.rect);
    shown.focus = GetDlgCtrlID(GetFocus());
    shown.topmost = GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST;
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

TEST_F(MessageDialogs, EachKindShowsItsTitleIconTextButtonsAndAnswers) {
  FrameWindow = owner_;  // an error belongs to the frame, the others to their owner
  const std::string name = "C:\\100%s%d%n.txt", longText(600, 'a');
  const auto ask = [](int yes) {
    return [yes](HWND o) { return AskYesNoText(o, yes, "Q", "Go?"); };
  };
  const auto save = [](HWND o) { return AskSaveChanges(o, "File: %s\r\rEdited.", "C:\\a.txt"); };
  const std::string edited = "File: C:\\a.txt\r\rEdited.";
  const struct {
    std::function<int(HWND)> call;
    std::function<void(HWND)> answer;
    int result;
    const char* title;
    std::string text;
    int icon;
    int defaultId;
    const char* buttons;  // "id:text" in template order
  } cases[] = {
      {[](HWND) { return ShowErrorText("Plain(Ctx): text %d", 7); }, Press(IDOK), 0, "Error",
       "Plain(Ctx)\r\rtext 7", 5500, 1, "1:OK"},
      {[](HWND) { return ShowErrorText("%s", "A(b): c(d): e"); }, Key(VK_ESCAPE), 0, "Error",
       "A(b)\r\rc(d): e", 5500, 1, "1:OK"},  // only errors make a heading of "(...):"
      {[&](HWND) { return ShowError(60021, name.c_str()); }, CloseBox, 0, "Error",
       "File: " + name + "\r\rFile not found.", 5500, 1, "1:OK"},
      {[](HWND o) { return ShowMessage(o, 60020, 60009, "Font", 5); }, Press(IDOK), 0,
       "File I/O Error", "Font(GetDC): Error detected reading screen device context\r\rCode 5",
       5300, 1, "1:OK"},
      {[&](HWND o) { return ShowMessageText(o, "T", "%s", longText.c_str()); }, Key(VK_RETURN), 0,
       "T", longText.substr(0, 511), 5300, 1, "1:OK"},
      {ask(0), Key(VK_RETURN), 0, "Q", "Go?", 5400, 7, "6:&Yes 7:&No"},
      {ask(5), Key(VK_RETURN), 1, "Q", "Go?", 5400, 6, "6:&Yes 7:&No"},
      {ask(1), Key(VK_ESCAPE), 0, "Q", "Go?", 5400, 6, "6:&Yes 7:&No"},
      {ask(0), Press(IDYES), 1, "Q", "Go?", 5400, 7, "6:&Yes 7:&No"},
      {[&](HWND o) { return AskYesNo(o, 0, 1000, 60024, name.c_str()); }, CloseBox, 0, "Norvel",
       "File: " + name +
           "\r\rThis disk file is write protected on the drive\rWould you like to "
           "open it as Read-Only?",
       5400, 7, "6:&Yes 7:&No"},
      {save, Key(VK_RETURN), IDYES, "File Modified", edited, 1002, 6, "6:&Yes 7:&No 2:&Cancel"},
      {save, Press(IDNO), IDNO, "File Modified", edited, 1002, 6, "6:&Yes 7:&No 2:&Cancel"},
      {save, CloseBox, IDCANCEL, "File Modified", edited, 1002, 6, "6:&Yes 7:&No 2:&Cancel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    Shown shown;
    DialogAnswerer answerer;
    answerer.Run(Look(shown, c.answer));
    EXPECT_EQ(c.call(owner_), c.result);
    EXPECT_EQ(shown.record.title, c.title);
    EXPECT_EQ(shown.record.ControlText(101), c.text);
    EXPECT_EQ(shown.icon, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.icon)));
    std::string buttons;
    int defaultId = 0;
    for (const ControlInfo& control : shown.record.controls) {
      if (control.className != "Button") continue;
      if ((control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) defaultId = control.id;
      buttons += (buttons.empty() ? "" : " ") + std::to_string(control.id) + ":" + control.text;
    }
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(defaultId, c.defaultId);
    EXPECT_EQ(shown.focus, c.defaultId);
    EXPECT_EQ(shown.record.owner, owner_);
    EXPECT_TRUE(shown.topmost);
    EXPECT_EQ(shown.rect.left, (1101 - (shown.rect.right - shown.rect.left)) / 2);
    EXPECT_EQ(shown.rect.top, (901 - (shown.rect.bottom - shown.rect.top)) / 2);
    EXPECT_TRUE(IsWindowEnabled(owner_));
  }
}

TEST_F(MessageDialogs, BeepsSplashAndNoMemory) {
  HWND splash = CreateWindowA("Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, 0, 0, 0, 0);
  SplashWindow = splash;
  bool splashGone = false;
  size_t beepsShown = 0;
  DialogAnswerer answerer;
  answerer.Run([&](HWND dialog, DialogAnswerer&) {
    splashGone = !IsWindow(splash);
    beepsShown = beeps.size();
    DialogAnswerer::Click(dialog, IDOK);
  });
  ShowMessageText(owner_, "T", "with sound");
  EXPECT_TRUE(splashGone);
  EXPECT_EQ(beepsShown, 1u);  // the beep comes before the dialog
  EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});

  BeepFlag = 0;
  beeps.clear();
  answerer.PressButton(IDOK).PressButton(IDNO);
  ShowErrorText("quiet");
  AskSaveChanges(owner_, "quiet");
  EXPECT_TRUE(beeps.empty());
  EXPECT_EQ(BeepAndFail(), 0);  // beeps even when sounds are off
  EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONASTERISK});

  // A save question without memory for its template shows the system's box and counts as
  // Cancel: the document and its edits stay.
  FailNextGlobalAllocations(1);
  answerer.PressButton(IDOK);
  EXPECT_EQ(AskSaveChanges(owner_, "lost"), IDCANCEL);
  EXPECT_TRUE(answerer.Last().HasText("Cannot allocate memory for dialog box template"));
  EXPECT_FALSE(answerer.Last().HasText("lost"));
}

}  // namespace
