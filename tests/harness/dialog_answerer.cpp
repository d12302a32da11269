// Scripted answers for modal dialogs: the thread hook, the records and the answers.
#include "harness/dialog_answerer.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr UINT_PTR kAnswerTimerId = 0x4E56;
constexpr UINT_PTR kStuckTimerId = 0x4E57;
constexpr char kNoAnswer[] = " (no answer queued; it was cancelled)";
// Long enough for the dialog to finish what it posts to itself while opening.
constexpr UINT kAnswerDelayMs = 20;

// Answerers can nest (the test's own over the harness's background one): the newest answers
// new dialogs; each one finishes what it started. One hook serves them all.
std::vector<DialogAnswerer*> answerers;
HHOOK cbtHook = nullptr;

std::string WindowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassName(HWND window) {
  char name[128] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool IsTopLevelDialog(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0 && ClassName(window) == "#32770";
}

BOOL CALLBACK AddControl(HWND control, LPARAM param) {
  auto* record = reinterpret_cast<DialogRecord*>(param);
  ControlInfo info;
  info.id = GetDlgCtrlID(control);
  info.className = ClassName(control);
  info.text = WindowText(control);
  info.style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
  const bool showsText = lstrcmpiA(info.className.c_str(), "Static") == 0 ||
                         lstrcmpiA(info.className.c_str(), "Button") == 0;
  if (showsText && !info.text.empty()) record->texts.push_back(info.text);
  record->controls.push_back(std::move(info));
  return TRUE;
}

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControl(HWND control, LPARAM param) {
  auto* search = reinterpret_cast<ControlSearch*>(param);
  if (GetDlgCtrlID(control) != search->id) return TRUE;
  search->found = control;
  return FALSE;
}

}  // namespace

const ControlInfo* DialogRecord::Control(int id) const {
  for (const ControlInfo& control : controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

std::string DialogRecord::ControlText(int id) const {
  const ControlInfo* control = Control(id);
  return control ? control->text : std::string();
}

bool DialogRecord::HasText(const std::string& text) const {
  for (const std::string& shown : texts) {
    if (shown == text) return true;
  }
  return false;
}

std::string DialogRecord::Describe() const {
  std::string description = "\"" + title + "\"";
  const char* separator = ": ";
  for (const std::string& text : texts) {
    description += separator + text;
    separator = " | ";
  }
  return description;
}

DialogAnswerer::DialogAnswerer() {
  if (answerers.empty()) {
    cbtHook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
    if (!cbtHook) ADD_FAILURE() << "SetWindowsHookExA(WH_CBT) failed, error " << GetLastError();
  }
  answerers.push_back(this);
}

DialogAnswerer::~DialogAnswerer() {
  answerers.erase(std::find(answerers.begin(), answerers.end(), this));
  if (answerers.empty() && cbtHook) {
    UnhookWindowsHookEx(cbtHook);
    cbtHook = nullptr;
  }
  for (const auto& entry : pending_) KillTimer(entry.first, kAnswerTimerId);
  for (const auto& entry : answered_) KillTimer(entry.first, kStuckTimerId);
  if (!queue_.empty()) {
    std::string unused;
    for (const Answer& answer : queue_) unused += " " + answer.description;
    ADD_FAILURE() << queue_.size() << " queued dialog answer(s) never used:" << unused;
  }
}

DialogAnswerer& DialogAnswerer::Queue(std::string description, Action action, bool watch) {
  queue_.push_back(Answer{std::move(description), std::move(action), watch});
  return *this;
}

DialogAnswerer& DialogAnswerer::PressButton(int id) {
  return Queue("PressButton(" + std::to_string(id) + ")", [id](HWND dialog, DialogAnswerer&) {
    if (!Click(dialog, id)) Dismiss(dialog);
  });
}

DialogAnswerer& DialogAnswerer::PressKey(UINT vk) {
  return Queue("PressKey(" + std::to_string(vk) + ")",
               [vk](HWND dialog, DialogAnswerer&) { SendKey(dialog, vk); });
}

DialogAnswerer& DialogAnswerer::EnterFileName(const std::string& name) {
  return Queue("EnterFileName(\"" + name + "\")", [name](HWND dialog, DialogAnswerer&) {
    const int field = FindControl(dialog, cmb13) ? cmb13 : edt1;
    if (!SetControlText(dialog, field, name) || !Click(dialog, IDOK)) Dismiss(dialog);
  });
}

DialogAnswerer& DialogAnswerer::Run(Action action, std::string description) {
  return Queue(std::move(description), std::move(action));
}

DialogAnswerer& DialogAnswerer::Leave() {
  return Queue(
      "Leave()", [](HWND, DialogAnswerer&) {}, false);
}

const DialogRecord& DialogAnswerer::Last() const {
  static const DialogRecord none;
  if (seen_.empty()) {
    ADD_FAILURE() << "No dialog was seen";
    return none;
  }
  return seen_.back();
}

HWND DialogAnswerer::FindControl(HWND dialog, int id) {
  if (HWND child = GetDlgItem(dialog, id)) return child;
  ControlSearch search{id, nullptr};
  EnumChildWindows(dialog, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool DialogAnswerer::Click(HWND dialog, int id) {
  HWND button = FindControl(dialog, id);
  if (!button) {
    ADD_FAILURE() << "Dialog \"" << WindowText(dialog) << "\" has no control " << id;
    return false;
  }
  if (!IsWindowEnabled(button)) {
    ADD_FAILURE() << "Button " << id << " (\"" << WindowText(button) << "\") of dialog \""
                  << WindowText(dialog) << "\" is disabled";
    return false;
  }
  if (lstrcmpiA(ClassName(button).c_str(), "Button") == 0) {
    SendMessageA(button, BM_CLICK, 0, 0);
  } else {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  return true;
}

void DialogAnswerer::SendKey(HWND dialog, UINT vk) {
  HWND target = GetFocus();
  if (!target || (target != dialog && !IsChild(dialog, target))) target = dialog;
  // Posted, not sent: the key goes through the dialog's modal loop and IsDialogMessage, the
  // way a key typed by a user does.
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(target, WM_KEYDOWN, vk, scan | 1);
  PostMessageA(target, WM_KEYUP, vk, scan | 1 | (LPARAM{3} << 30));
}

bool DialogAnswerer::SetControlText(HWND dialog, int id, const std::string& text) {
  HWND control = FindControl(dialog, id);
  if (!control) {
    ADD_FAILURE() << "Dialog \"" << WindowText(dialog) << "\" has no control " << id;
    return false;
  }
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

void DialogAnswerer::Dismiss(HWND dialog) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  // A message box without a Cancel button, or a dialog that ignores IDCANCEL.
  if (IsWindow(dialog) && IsWindowVisible(dialog)) SendMessageA(dialog, WM_CLOSE, 0, 0);
  if (IsWindow(dialog) && IsWindowVisible(dialog)) EndDialog(dialog, IDCANCEL);
}

DialogRecord DialogAnswerer::Read(HWND dialog) {
  DialogRecord record;
  record.window = dialog;
  record.owner = GetWindow(dialog, GW_OWNER);
  record.title = WindowText(dialog);
  EnumChildWindows(dialog, AddControl, reinterpret_cast<LPARAM>(&record));
  return record;
}

LRESULT CALLBACK DialogAnswerer::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && !answerers.empty()) answerers.back()->OnActivate(window);
  if (code == HCBT_DESTROYWND) {
    for (DialogAnswerer* answerer : answerers) answerer->OnDestroy(window);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::OnActivate(HWND window) {
  if (handled_.count(window) || !IsTopLevelDialog(window)) return;
  handled_.insert(window);
  seen_.push_back(Read(window));
  Pending pending;
  pending.record = seen_.size() - 1;
  if (queue_.empty()) {
    seen_.back().expected = false;
    pending.answer = Answer{"Dismiss", [](HWND dialog, DialogAnswerer&) { Dismiss(dialog); }};
  } else {
    pending.answer = std::move(queue_.front());
    queue_.pop_front();
  }
  pending_[window] = std::move(pending);
  SetTimer(window, kAnswerTimerId, kAnswerDelayMs, AnswerTimer);
}

void DialogAnswerer::OnDestroy(HWND window) {
  handled_.erase(window);
  answered_.erase(window);
  auto entry = pending_.find(window);
  if (entry == pending_.end()) return;
  // Closed before its answer was due: an unexpected one must still fail the test.
  const DialogRecord& record = seen_[entry->second.record];
  if (!record.expected) ADD_FAILURE() << "Unexpected dialog " << record.Describe() << kNoAnswer;
  pending_.erase(entry);
}

void DialogAnswerer::OnAnswerTime(HWND dialog) {
  auto entry = pending_.find(dialog);
  if (entry == pending_.end()) return;
  // Taken off first: the action may open further dialogs, which re-enter the answerer.
  Pending pending = std::move(entry->second);
  pending_.erase(entry);
  DialogRecord& record = seen_[pending.record];
  const bool expected = record.expected;
  record = Read(dialog);
  record.expected = expected;
  if (!expected) ADD_FAILURE() << "Unexpected dialog " << record.Describe() << kNoAnswer;
  pending.answer.action(dialog, *this);
  // Only a modal dialog can be stuck: nothing but a queued answer can reach it while the test
  // waits in its modal loop. A modeless one (enabled owner) stays open for the test to drive.
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (pending.answer.watch && IsWindow(dialog) && IsWindowVisible(dialog) &&
      (!owner || !IsWindowEnabled(owner))) {
    answered_[dialog] = pending.answer.description;
    SetTimer(dialog, kStuckTimerId, stuckAfterMs_, StuckTimer);
  }
}

void DialogAnswerer::OnStuck(HWND dialog) {
  auto entry = answered_.find(dialog);
  if (entry == answered_.end()) return;
  const std::string answer = entry->second;
  answered_.erase(entry);
  if (!IsWindowVisible(dialog)) return;
  ADD_FAILURE() << "Dialog " << Read(dialog).Describe() << " is still open " << stuckAfterMs_
                << " ms after " << answer;
  Dismiss(dialog);
}

void CALLBACK DialogAnswerer::AnswerTimer(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  // The answer may create or end answerers: find the owner first, then stop looking.
  for (DialogAnswerer* answerer : answerers) {
    if (answerer->pending_.count(dialog)) return answerer->OnAnswerTime(dialog);
  }
}

void CALLBACK DialogAnswerer::StuckTimer(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  for (DialogAnswerer* answerer : answerers) {
    if (answerer->answered_.count(dialog)) return answerer->OnStuck(dialog);
  }
}
