// Scripted answers for the modal dialogs that the code under test opens on the test thread.
//
// A DialogAnswerer hooks the test thread (WH_CBT). At the first activation of every top-level
// dialog ("#32770": message boxes, template dialogs, common dialogs, property sheets, modeless
// dialogs) it records what the dialog shows and, from a timer inside the dialog's own modal
// loop, carries out the next queued answer (acting inside the activation hangs property
// sheets). A dialog with nothing queued fails the test and is cancelled; so is a modal dialog
// still open 10 s after its answer; answers left over fail the test. Answerers nest: the newest
// answers new dialogs, and the harness keeps one in the background of every test.
#pragma once
#include <windows.h>

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct ControlInfo {
  int id = 0;
  std::string className;  // as GetClassNameA gives it: "Button", "Static", "RICHEDIT"...
  std::string text;
  DWORD style = 0;
};

struct DialogRecord {
  HWND owner = nullptr;
  std::string title;
  std::vector<ControlInfo> controls;  // every descendant control, in z-order, depth first
  bool expected = true;               // false: nothing was queued for this dialog

  std::string ControlText(int id) const;        // "" when there is no such control
  bool HasText(const std::string& text) const;  // any control shows exactly this text
  std::string Describe() const;                 // "Title": text | text | ...
};

class DialogAnswerer {
 public:
  using Action = std::function<void(HWND dialog, DialogAnswerer& answerer)>;

  DialogAnswerer();
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Answers, used one per dialog in the order the dialogs appear; each returns *this.
  DialogAnswerer& PressButton(int id);  // BM_CLICK; fails the test when missing or disabled
  DialogAnswerer& PressKey(UINT vk);    // to the focus control: the dialog's own keys decide
  // Open/Save dialogs: fills the file-name field and presses OK.
  DialogAnswerer& EnterFileName(const std::string& name);
  DialogAnswerer& Run(Action action, std::string description = "Run");
  DialogAnswerer& Leave();  // records a modeless dialog and leaves it to the test

  const std::deque<DialogRecord>& Seen() const { return seen_; }
  const DialogRecord& Last() const;  // fails the test when no dialog was seen
  std::size_t Count() const { return seen_.size(); }

  // Building blocks for Run actions; each fails the test when it cannot do its job.
  static bool Click(HWND dialog, int id);
  static void SendKey(HWND dialog, UINT vk);
  static bool SetControlText(HWND dialog, int id, const std::string& text);
  static void Dismiss(HWND dialog);  // IDCANCEL, then WM_CLOSE, then EndDialog
  static DialogRecord Read(HWND dialog);
  static HWND FindControl(HWND dialog, int id);  // a child or deeper descendant, or nullptr

 private:
  struct Answer {
    std::string description;
    Action action;
    bool watch = true;  // a modal dialog still open long after this answer is stuck
    std::size_t record = 0;
  };

  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OnTimer(HWND dialog, UINT message, UINT_PTR id, DWORD time);
  void OnActivate(HWND window);
  void OnAnswerTime(HWND dialog);
  DialogAnswerer& Queue(std::string description, Action action, bool watch = true);

  std::deque<Answer> queue_;
  std::deque<DialogRecord> seen_;    // a deque: references stay valid while dialogs are added
  std::map<HWND, Answer> pending_;   // answers waiting for their timer
  std::map<HWND, Answer> answered_;  // modal dialogs answered and watched
};
