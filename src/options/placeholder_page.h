// A page whose settings cannot be edited yet: it says so, shows its status text and help, keeps
// the sheet's position and stores nothing else. Its data is the sheet's copy.
#pragma once
#include <windows.h>

#include "options/options_page.h"
#include "ui/global_block.h"

// The common look of every page: 320 by 172 dialog units in 8-point "MS Sans Serif", the side
// bitmap 1999 at 7, 7.
constexpr size_t kPlaceholderTemplateSize = 1024;

// The template: the side bitmap and the "nothing is configurable here yet" line; an empty block
// after the out-of-memory message.
GlobalBlock BuildPlaceholderTemplate();

INT_PTR RunPlaceholderPage(UINT statusId, UINT helpTopic, HWND page, UINT message, WPARAM wParam,
                           LPARAM lParam);
template <UINT StatusId, UINT HelpTopic>
INT_PTR CALLBACK PlaceholderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunPlaceholderPage(StatusId, HelpTopic, page, message, wParam, lParam);
}
