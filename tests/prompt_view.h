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
  std::string title, currentType, folder, name;
  std::vector<std::string> types;
  bool readOnlyShown = false;
  RECT rect = {};
};

inline PromptView Look(HWND dialog) {
  PromptView view;
  char text[MAX_PATH] = "";
  GetWindowTextA(dialog, text, sizeof text);
  view.title = text;
  HWND types = DialogAnswerer::FindControl(dialog, cmb1);
  const int count = types ? static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) {
    SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    view.types.emplace_back(text);
  }
  const int current = count ? static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0)) : -1;
  if (current >= 0 && current < count) view.currentType = view.types[current];
  HWND readOnly = DialogAnswerer::FindControl(dialog, chx1);
  view.readOnlyShown = readOnly && IsWindowVisible(readOnly);
  SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof text, reinterpret_cast<LPARAM>(text));
  view.folder = text;
  text[0] = '\0';
  GetWindowTextA(DialogAnswerer::FindControl(dialog, cmb13), text, sizeof text);
  view.name = text;
  GetWindowRect(dialog, &view.rect);
  return view;
}

// Looks at the prompt, then cancels it.
inline DialogAnswerer::Action LookAndCancel(PromptView& view) {
  return [&view](HWND dialog, DialogAnswerer&) {
    view = Look(dialog);
    DialogAnswerer::Dismiss(dialog);
  };
}

// Looks, optionally picks a type (by index) and does `before`, enters a name and confirms.
inline DialogAnswerer::Action LookAndEnter(PromptView& view, std::string name, int typeIndex = -1,
                                           std::function<void(HWND)> before = nullptr) {
  return [&view, name, typeIndex, before](HWND dialog, DialogAnswerer&) {
    view = Look(dialog);
    if (before) before(dialog);
    if (HWND types = DialogAnswerer::FindControl(dialog, cmb1); types && typeIndex >= 0) {
      SendMessageA(types, CB_SETCURSEL, typeIndex, 0);
      SendMessageA(GetParent(types), WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
                   reinterpret_cast<LPARAM>(types));
    }
    DialogAnswerer::SetControlText(dialog, cmb13, name);
    DialogAnswerer::Click(dialog, IDOK);
  };
}
