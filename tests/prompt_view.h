// Reading and answering the common Open and Save dialogs in window tests.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <string>

#include "harness/harness.h"

// What an open prompt shows.
struct PromptView {
  std::string title, currentType, name;
};

inline PromptView Look(HWND dialog) {
  PromptView view;
  char text[MAX_PATH] = "";
  GetWindowTextA(dialog, text, sizeof text);
  view.title = text;
  HWND types = DialogAnswerer::FindControl(dialog, cmb1);
  const LRESULT current = types ? SendMessageA(types, CB_GETCURSEL, 0, 0) : CB_ERR;
  text[0] = '\0';
  if (current != CB_ERR) SendMessageA(types, CB_GETLBTEXT, current, reinterpret_cast<LPARAM>(text));
  view.currentType = text;
  text[0] = '\0';
  GetWindowTextA(DialogAnswerer::FindControl(dialog, cmb13), text, sizeof text);
  view.name = text;
  return view;
}

// Looks, optionally picks a type (by index), enters a name and confirms.
inline DialogAnswerer::Action LookAndEnter(PromptView& view, std::string name, int typeIndex = -1) {
  return [&view, name, typeIndex](HWND dialog, DialogAnswerer&) {
    view = Look(dialog);
    if (HWND types = DialogAnswerer::FindControl(dialog, cmb1); types && typeIndex >= 0) {
      SendMessageA(types, CB_SETCURSEL, typeIndex, 0);
      SendMessageA(GetParent(types), WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
                   reinterpret_cast<LPARAM>(types));
    }
    DialogAnswerer::SetControlText(dialog, cmb13, name);
    DialogAnswerer::Click(dialog, IDOK);
  };
}
