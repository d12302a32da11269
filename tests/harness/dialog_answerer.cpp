// Scripted answers for modal dialogs: the thread hook, the records and the answers.
#include "harness/dialog_answerer.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

constexpr UINT_PTR kAnswerTimer = 0x4E56;
constexpr UINT_PTR kStuckTimer = 0x4E57;
constexpr UINT kAnswerDelayMs = 20;  // the dialog finishes what it posts to itself first
constexpr UINT kStuckAfterMs = 10000;

std::vector<DialogAnswerer*> answerers;  // nested: the newest answers new dialogs
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

BOOL CALLBACK AddControl(HWND control, LPARAM param) {
  reinterpret_cast<DialogRecord*>(param)->controls.push_back(
      ControlInfo{GetDlgCtrlID(control), ClassName(control), WindowText(control),
                  static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE))});
  return TRUE;
}

BOOL CALLBACK MatchControl(HWND control, LPARAM param) {
  auto* search = reinterpret_cast<std::pair<int, HWND>*>(param);
  if (GetDlgCtrlID(control) != search->first) return TRUE;
  search->second = control;
  return FALSE;
}

}  // namespace

std::string DialogRecord::ControlText(int id) const {
  for (const ControlInfo& control : controls) {
    if (control.id == id) return control.text;
  }
  return std::string();
}

bool DialogRecord::HasText(const std::string& text) const {
  return std::any_of(controls.begin(), controls.end(),
                     [&](const ControlInfo& control) { return control.text == text; });
}

std::string DialogRecord::Describe() const {
  std::string description = "\"" + title + "\":";
  for (const ControlInfo& control : controls) {
    if (!control.text.empty()) description += " | " + control.text;
  }
  return description;
}

DialogAnswerer::DialogAnswerer() {
  if (answerers.empty())
    cbtHook = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
  if (!cbtHook) ADD_FAILURE() << "SetWindowsHookExA(WH_CBT) failed, error " << GetLastError();
  answerers.push_back(this);
}

DialogAnswerer::~DialogAnswerer() {
  answerers.erase(std::find(answerers.begin(), answerers.end(), this));
  if (answerers.empty() && cbtHook) UnhookWindowsHookEx(cbtHook);
  if (answerers.empty()) cbtHook = nullptr;
  for (const auto& entry : pending_) KillTimer(entry.first, kAnswerTimer);
  for (const auto& entry : answered_) KillTimer(entry.first, kStuckTimer);
  for (const Answer& answer : queue_) ADD_FAILURE() << "Answer never used: " << answer.description;
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
  return Queue("EnterFileName(" + name + ")", [name](HWND dialog, DialogAnswerer&) {
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
  if (seen_.empty()) ADD_FAILURE() << "No dialog was seen";
  return seen_.empty() ? none : seen_.back();
}

HWND DialogAnswerer::FindControl(HWND dialog, int id) {
  std::pair<int, HWND> search{id, GetDlgItem(dialog, id)};
  if (!search.second) EnumChildWindows(dialog, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

bool DialogAnswerer::Click(HWND dialog, int id) {
  HWND button = FindControl(dialog, id);
  if (!button || !IsWindowEnabled(button)) {
    ADD_FAILURE() << "Dialog \"" << WindowText(dialog) << "\" has no enabled control " << id;
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
  // Posted, as typed keys are: through the modal loop and IsDialogMessage.
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(target, WM_KEYDOWN, vk, scan | 1);
  PostMessageA(target, WM_KEYUP, vk, scan | 1 | (LPARAM{3} << 30));
}

bool DialogAnswerer::SetControlText(HWND dialog, int id, const std::string& text) {
  HWND control = FindControl(dialog, id);
  if (!control) ADD_FAILURE() << "Dialog \"" << WindowText(dialog) << "\" has no control " << id;
  return control && SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogAnswerer::Dismiss(HWND dialog) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  // A message box without Cancel, or a dialog that ignores IDCANCEL.
  if (IsWindow(dialog) && IsWindowVisible(dialog)) SendMessageA(dialog, WM_CLOSE, 0, 0);
  if (IsWindow(dialog) && IsWindowVisible(dialog)) EndDialog(dialog, IDCANCEL);
}

DialogRecord DialogAnswerer::Read(HWND dialog) {
  DialogRecord record;
  record.owner = GetWindow(dialog, GW_OWNER);
  record.title = WindowText(dialog);
  EnumChildWindows(dialog, AddControl, reinterpret_cast<LPARAM>(&record));
  return record;
}

LRESULT CALLBACK DialogAnswerer::CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && !answerers.empty()) answerers.back()->OnActivate(window);
  for (DialogAnswerer* answerer : answerers) {
    if (code != HCBT_DESTROYWND) break;
    answerer->answered_.erase(window);
    auto entry = answerer->pending_.find(window);
    if (entry == answerer->pending_.end()) continue;
    // Closed before its answer was due: an unexpected one still fails the test.
    const DialogRecord& record = answerer->seen_[entry->second.record];
    if (!record.expected) ADD_FAILURE() << "Unexpected dialog " << record.Describe();
    answerer->pending_.erase(entry);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogAnswerer::OnActivate(HWND window) {
  if (GetPropA(window, "NorvelSeen") || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ||
      ClassName(window) != "#32770")
    return;
  SetPropA(window, "NorvelSeen", window);  // later activations are the same dialog
  seen_.push_back(Read(window));
  Answer answer{"Dismiss", [](HWND dialog, DialogAnswerer&) { Dismiss(dialog); }};
  if (queue_.empty()) {
    seen_.back().expected = false;
  } else {
    answer = std::move(queue_.front());
    queue_.pop_front();
  }
  answer.record = seen_.size() - 1;
  pending_[window] = std::move(answer);
  SetTimer(window, kAnswerTimer, kAnswerDelayMs, OnTimer);
}

void DialogAnswerer::OnAnswerTime(HWND dialog) {
  // Taken off first: the action may open further dialogs, which re-enter the answerer.
  Answer answer = std::move(pending_[dialog]);
  pending_.erase(dialog);
  DialogRecord& record = seen_[answer.record];
  const bool expected = record.expected;
  record = Read(dialog);  // the finished dialog, as it is just before the answer
  record.expected = expected;
  if (!expected) ADD_FAILURE() << "Unexpected dialog " << record.Describe() << " (cancelled)";
  answer.action(dialog, *this);
  // Only a modal dialog (disabled owner) can be stuck; a modeless one is left to the test.
  HWND owner = GetWindow(dialog, GW_OWNER);
  if (answer.watch && IsWindow(dialog) && IsWindowVisible(dialog) &&
      (!owner || !IsWindowEnabled(owner))) {
    answered_[dialog] = std::move(answer);
    SetTimer(dialog, kStuckTimer, kStuckAfterMs, OnTimer);
  }
}

void CALLBACK DialogAnswerer::OnTimer(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  for (DialogAnswerer* answerer : answerers) {
    if (id == kAnswerTimer && answerer->pending_.count(dialog))
      return answerer->OnAnswerTime(dialog);
    if (id != kStuckTimer || !answerer->answered_.count(dialog)) continue;
    const std::string answer = answerer->answered_[dialog].description;
    answerer->answered_.erase(dialog);
    if (!IsWindowVisible(dialog)) return;
    ADD_FAILURE() << "Dialog " << Read(dialog).Describe() << " still open after " << answer;
    return Dismiss(dialog);
  }
}
