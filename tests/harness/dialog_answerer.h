// Scripted answers for the modal dialogs that the code under test opens on the test thread.
//
// A DialogAnswerer lives for one test. It hooks the test thread (WH_CBT); at the first activation
// of every top-level dialog window (class "#32770": message boxes, template dialogs, common
// dialogs, property sheets, modeless dialogs) it records what the dialog shows and carries out
// the next queued answer. Answers run from a timer shortly after the activation, inside the
// dialog's own modal loop, once the dialog is fully up (acting inside the activation itself
// hangs property sheets); the record is read again just before, so it shows the finished
// dialog (a property sheet sets its title and creates its page after activation). A dialog
// with nothing queued fails the test and is cancelled, so a test never hangs on it; so is a
// modal dialog still open 10 s after its answer (a key that did not close it, a refused OK).
// Answers left over at the end fail the test too. Answerers nest: the newest answers new
// dialogs. The harness keeps one with no answers in the background of every test, so even a
// test without its own answerer cannot hang on a dialog. Dialogs of other threads are not seen.
#pragma once
#include <windows.h>

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

struct ControlInfo {
  int id = 0;
  std::string className;  // as GetClassNameA gives it: "Button", "Static", "Edit", "RICHEDIT"...
  std::string text;
  DWORD style = 0;
};

struct DialogRecord {
  HWND window = nullptr;
  HWND owner = nullptr;
  std::string title;
  // Non-empty texts of the static and button controls, in z-order (template order), including
  // those of child dialogs such as property sheet pages.
  std::vector<std::string> texts;
  std::vector<ControlInfo> controls;  // every descendant control, in z-order, depth first
  bool expected = true;               // false: nothing was queued for this dialog

  const ControlInfo* Control(int id) const;  // first control with this id, or nullptr
  std::string ControlText(int id) const;     // "" when there is no such control
  bool HasText(const std::string& text) const;
  std::string Describe() const;  // "Title": text | text | ...
};

class DialogAnswerer {
 public:
  using Action = std::function<void(HWND dialog, DialogAnswerer& answerer)>;

  DialogAnswerer();
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Queued answers, used one per dialog in the order the dialogs appear. Each returns *this
  // so that answers can be chained.
  DialogAnswerer& PressButton(int id);  // BM_CLICK; fails the test when missing or disabled
  // Posts a key press to the dialog's focus control, so the dialog's own keyboard handling
  // (default button, Esc) decides.
  DialogAnswerer& PressKey(UINT vk);
  // Open/Save dialogs: sets the file-name field (cmb13, or edt1 in the old style) and presses
  // OK. A follow-up question ("replace?") is a new dialog and takes the next answer.
  DialogAnswerer& EnterFileName(const std::string& name);
  DialogAnswerer& Run(Action action, std::string description = "Run");
  // Records the dialog and leaves it open (a modeless dialog the test then drives itself).
  DialogAnswerer& Leave();

  const std::deque<DialogRecord>& Seen() const { return seen_; }
  const DialogRecord& Last() const;  // fails the test when no dialog was seen
  std::size_t Count() const { return seen_.size(); }
  std::size_t Unused() const { return queue_.size(); }

  // How long a modal dialog may stay open after its answer before it counts as stuck.
  void SetStuckTimeout(UINT ms) { stuckAfterMs_ = ms; }

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
  };
  struct Pending {
    Answer answer;
    std::size_t record = 0;  // index into seen_
  };

  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK AnswerTimer(HWND dialog, UINT message, UINT_PTR id, DWORD time);
  static void CALLBACK StuckTimer(HWND dialog, UINT message, UINT_PTR id, DWORD time);
  void OnActivate(HWND window);
  void OnDestroy(HWND window);
  void OnAnswerTime(HWND dialog);
  void OnStuck(HWND dialog);
  DialogAnswerer& Queue(std::string description, Action action, bool watch = true);

  UINT stuckAfterMs_ = 10000;
  std::deque<Answer> queue_;
  std::deque<DialogRecord> seen_;         // a deque: references stay valid while dialogs are added
  std::set<HWND> handled_;                // dialogs already activated once
  std::map<HWND, Pending> pending_;       // answers waiting for their timer
  std::map<HWND, std::string> answered_;  // modal dialogs answered and watched, with the answer
};
