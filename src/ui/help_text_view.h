// The topic pane of the help window: a read-only rich edit 2.0 control (a plain edit where that
// is missing) showing one laid-out topic with its heading, sections, bullets, tables and links.
#pragma once
#include <windows.h>

#include "ui/help_file.h"

struct HelpTextStyle {
  char faceName[LF_FACESIZE] = "";
  BYTE charSet = DEFAULT_CHARSET;
  int bodyPoints = 9;  // headings are larger
};

// Creates the pane as child `id` of `parent` in `font`; *richText tells which control it is.
// The pane takes no Tab, Enter or Escape, so they keep their dialog meaning. Null on failure.
HWND CreateHelpTextView(HWND parent, int id, HFONT font, bool* richText);

// Replaces the pane's text with `layout`, formatted when the pane is a rich edit, and scrolls
// to the top. Link clicks reach the parent as EN_LINK with the layout's character positions.
void ShowHelpLayout(HWND view, bool richText, const HelpLayout& layout, const HelpTextStyle& style);
