// The message dialogs as a user meets them: title, text, buttons and default, owner, the heading
// rule, literal arguments, answers and no memory; the templates they are built from; and
// looked-up texts in the status line.
#include "harness/harness.h"

#include <functional>
#include <string>
#include <vector>

#include "base/globals.h"
#include "ui/dialog_template.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

namespace {

class MessageDialogs : public testing::Test {
 protected:
  void SetUp() override {
    owner_ =
        CreateWindowA("Static", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 9, 9, 300, 200, 0, 0, 0, 0);
  }
  void TearDown() override {
    FrameWindow = nullptr;
    StatusBar = nullptr;
    DestroyWindow(owner_);
  }
  HWND owner_ = nullptr;
};

std::function<void(HWND)> Press(int id) {
  return [id](HWND dialog) { DialogAnswerer::Click(dialog, id); };
}
std::function<void(HWND)> Key(UINT vk) {
  return [vk](HWND dialog) { DialogAnswerer::SendKey(dialog, vk); };
}
void CloseBox(HWND dialog) {
  PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST_F(MessageDialogs, EachKindShowsItsTextsAndAnswersAndTheStatusLineItsLookedUpTexts) {
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
    const char* buttons;  // "id:text" in template order, the default one marked "*"
  } cases[] = {
      {[](HWND) { return ShowErrorText("Plain(Ctx): text %d", 7); }, Press(IDOK), 0, "Error",
       "Plain(Ctx)\r\rtext 7", " *1:OK"},
      {[](HWND) { return ShowErrorText("%s", "A(b): c(d): e"); }, Key(VK_ESCAPE), 0, "Error",
       "A(b)\r\rc(d): e", " *1:OK"},  // only errors make a heading of "(...):"
      {[&](HWND) { return ShowError(60021, name.c_str()); }, CloseBox, 0, "Error",
       "File: " + name + "\r\rFile not found.", " *1:OK"},
      {[](HWND o) { return ShowMessage(o, 60020, 60009, "Font", 5); }, Press(IDOK), 0,
       "File I/O Error", "Font(GetDC): Error detected reading screen device context\r\rCode 5",
       " *1:OK"},
      {[&](HWND o) { return ShowMessageText(o, "T", "%s", longText.c_str()); }, Key(VK_RETURN), 0,
       "T", longText.substr(0, 511), " *1:OK"},
      {ask(0), Key(VK_RETURN), 0, "Q", "Go?", " 6:&Yes *7:&No"},
      {ask(5), Key(VK_RETURN), 1, "Q", "Go?", " *6:&Yes 7:&No"},
      {ask(1), Key(VK_ESCAPE), 0, "Q", "Go?", " *6:&Yes 7:&No"},
      {save, Key(VK_RETURN), IDYES, "File Modified", edited, " *6:&Yes 7:&No 2:&Cancel"},
      {save, Press(IDNO), IDNO, "File Modified", edited, " *6:&Yes 7:&No 2:&Cancel"},
      {save, CloseBox, IDCANCEL, "File Modified", edited, " *6:&Yes 7:&No 2:&Cancel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    DialogRecord shown;
    DialogAnswerer answerer;
    answerer.Run([&](HWND dialog, DialogAnswerer&) {
      shown = DialogAnswerer::Read(dialog);
      c.answer(dialog);
    });
    EXPECT_EQ(c.call(owner_), c.result);
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.ControlText(101), c.text);
    EXPECT_EQ(shown.owner, owner_);
    std::string buttons;
    for (const ControlInfo& control : shown.controls) {
      if (control.className != "Button") continue;
      const bool isDefault = (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
      buttons += (isDefault ? " *" : " ") + std::to_string(control.id) + ":" + control.text;
    }
    EXPECT_EQ(buttons, c.buttons);
  }
  // A save question without memory for its template shows the system's box and counts as
  // Cancel: the document and its edits stay.
  FailNextGlobalAllocations(1);
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  EXPECT_EQ(AskSaveChanges(owner_, "lost"), IDCANCEL);
  EXPECT_TRUE(answerer.Last().HasText("Cannot allocate memory for dialog box template"));
  EXPECT_FALSE(answerer.Last().HasText("lost"));

  // The status line: part 0 shows looked-up texts with the user's own texts as typed, cut to its
  // buffer.
  StatusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, owner_,
                              nullptr, nullptr, nullptr);
  char text[512] = "";
  const auto part0 = [&] {
    SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return std::string(text);
  };
  SetStatus(60087, "ab", "xab", 2, "s");
  EXPECT_EQ(part0(), "Replaced 'ab' with 'xab' 2 times");
  SetStatus(60088, "%s%d%n");  // a search text is shown as typed
  EXPECT_EQ(part0(), "Cannot find '%s%d%n'");
  const std::string longName(400, 'n');
  SetStatus(60073, longName.c_str());
  EXPECT_EQ(part0(), ("Reading " + longName).substr(0, 255));
  // Ids beside the message table are looked up in the resources, where there are none.
  for (UINT id : {59999u, 60108u}) {
    answerer.PressButton(IDOK);
    SetStatus(id);
    const std::string said = answerer.Last().title + ":" + answerer.Last().ControlText(101);
    EXPECT_EQ(said.substr(0, said.rfind("Code ")),
              "Error:GetString(LoadString)\r\rCannot load string resource (ID:" +
                  std::to_string(id) + ")\r\r");
    EXPECT_EQ(part0(), ("Reading " + longName).substr(0, 255));
  }
  ShowWindow(StatusBar, SW_HIDE);
  SetStatus(59999);  // hidden: nothing is looked up, so no dialog
}

// A template too big for its block fails without writing past the block's end.
TEST(DialogTemplate, FailsWithoutWritingPastTheEnd) {
  std::vector<unsigned char> full(kMessageTemplateSize, 0);
  const size_t needed = WriteMessageTemplate(MessageKind::SaveChanges, full.data(), full.size());
  ASSERT_GT(needed, 0u);
  for (size_t capacity = 0; capacity < needed; capacity += 7) {
    std::vector<unsigned char> small(capacity + 16, 0xAB);
    EXPECT_EQ(WriteMessageTemplate(MessageKind::SaveChanges, small.data(), capacity), 0u);
    for (size_t i = capacity; i < small.size(); ++i) ASSERT_EQ(small[i], 0xAB) << i;
  }
  EXPECT_EQ(WriteMessageTemplate(MessageKind::SaveChanges, full.data(), needed), needed);
}

}  // namespace
