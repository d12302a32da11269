// Reading and answering the common Open and Save dialogs in window tests.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

#include "harness/harness.h"

// What an open prompt shows.
struct PromptView {
  std::string title;
  std::vector<std::string> types;
  std::string currentType;
  bool readOnlyShown = false;
  bool readOnlyChecked = false;
  std::string folder;
  std::string name;
  RECT rect = {};
};

inline std::string PromptControlText(HWND control) {
  char text[512] = "";
  GetWindowTextA(control, text, sizeof text);
  return text;
}

inline PromptView Look(HWND dialog) {
  PromptView view;
  view.title = PromptControlText(dialog);
  if (HWND types = DialogAnswerer::FindControl(dialog, cmb1)) {
    const int count = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[300] = "";
      SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      view.types.emplace_back(text);
    }
    const int current = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
    if (current >= 0 && current < count) view.currentType = view.types[current];
  }
  HWND readOnly = DialogAnswerer::FindControl(dialog, chx1);
  view.readOnlyShown = readOnly && IsWindowVisible(readOnly);
  view.readOnlyChecked = readOnly && SendMessageA(readOnly, BM_GETCHECK, 0, 0) == BST_CHECKED;
  char folder[MAX_PATH] = "";
  SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
  view.folder = folder;
  if (HWND name = DialogAnswerer::FindControl(dialog, cmb13)) view.name = PromptControlText(name);
  GetWindowRect(dialog, &view.rect);
  return view;
}

inline void ChooseType(HWND dialog, int index) {
  HWND types = DialogAnswerer::FindControl(dialog, cmb1);
  ASSERT_NE(types, nullptr);
  SendMessageA(types, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(types), WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
               reinterpret_cast<LPARAM>(types));
}

// Looks at the prompt, then cancels it.
inline DialogAnswerer::Action LookAndCancel(PromptView& view) {
  return [&view](HWND dialog, DialogAnswerer&) {
    view = Look(dialog);
    DialogAnswerer::Dismiss(dialog);
  };
}

// Looks, optionally picks a type, enters a name and confirms.
inline DialogAnswerer::Action LookAndEnter(PromptView& view, std::string name, int typeIndex = -1,
                                           std::function<void(HWND)> before = nullptr) {
  return [&view, name, typeIndex, before](HWND dialog, DialogAnswerer&) {
    view = Look(dialog);
    if (before) before(dialog);
    if (typeIndex >= 0) ChooseType(dialog, typeIndex);
    DialogAnswerer::SetControlText(dialog, cmb13, name);
    DialogAnswerer::Click(dialog, IDOK);
  };
}
