// The document window: an MDI child holding one rich-edit control and six window words.
#pragma once
#include <windows.h>

#include <cstddef>

#include "settings/options.h"

constexpr ATOM kDocWindowClass = 1000;  // an integer class name, not a string
constexpr int kDocWindowWords = 24;
constexpr int kEditControlId = 4000;

// Byte offsets of the six 32-bit window words.
enum DocWord : int {
  kEditWord = 0,        // the rich-edit control
  kModifiedWord = 4,    // 1 once the text changed since it was loaded or saved
  kWrapWord = 8,        // 1 when lines wrap at the window edge
  kViewingWord = 12,    // 1 when the document is only viewed (read-only)
  kSavedWord = 16,      // 1 when the document belongs to a file on disk
  kLineFormatWord = 20  // the file's line-end convention (files/line_format.h)
};

LONG GetDocWord(HWND document, DocWord word);
void SetDocWord(HWND document, DocWord word, LONG value);

// Creates an untitled document (null or empty name) or one for a file; null after a reported
// failure.
HWND CreateDocWindow(HWND owner, const char* fileName, int openReadOnly, AppOptionsRecord& options);

// The document window procedure.
LRESULT CALLBACK DocWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces the edit control by one with or without word wrap, keeping text, "*" and read-only.
int ToggleWordWrap(HWND document, int wrap, AppOptionsRecord& options);

// Puts `text` into a new edit control (with or without wrap) that takes the place of the
// document's current one, with the same font, background, read-only state and window words.
// Under Wine replacing a large text in place takes seconds; a new control costs nothing. Returns
// the new control, or null after reporting that it could not be made (the old one is kept).
HWND ReplaceEditControl(HWND document, int wrap, const char* text, size_t length, int ltGray);

// Sets the title to `name` (null: the current title without its "*"), with "*" when modified.
int SetDocumentTitle(HWND document, const char* name, int modified);

// The document's name: its title without a trailing "*" (at most 255 characters).
void GetDocumentName(HWND document, char (&name)[256]);

// "Ln %d" for the caret's line in status part 1.
void UpdateLineIndicator(HWND edit);

// The context menu at a point in the document's client coordinates.
void ShowContextMenu(HWND document, POINT point);
