// The document window: an MDI child holding one rich-edit control and six window words.
#pragma once
#include <windows.h>

#include <cstddef>

#include "document/doc_words.h"
#include "document/edit_control.h"
#include "settings/options.h"

// What the document window asks of the layers above it, which register these at start-up:
// closing (the save question), the forwarded commands, the menu refresh after every message and
// the frame's layout after a word-wrap switch.
struct DocWindowCallbacks {
  int (*close)(HWND document, AppOptionsRecord& options) = nullptr;
  bool (*command)(HWND document, UINT id, AppOptionsRecord& options) = nullptr;
  void (*afterMessage)(AppOptionsRecord& options) = nullptr;
  void (*layoutFrame)() = nullptr;
};
void SetDocWindowCallbacks(const DocWindowCallbacks& callbacks);

// Makes a hidden document window titled `path` (null or empty: "New%d" with the next number),
// with its edit control and window words, working on `options`; null after its message.
HWND MakeDocWindow(HWND owner, const char* path, AppOptionsRecord& options);
// Shows a made document with the caret at the start and its line in the status bar.
void ShowDocWindow(HWND document);
void DestroyDocWindow(HWND document);

// The document window procedure.
LRESULT CALLBACK DocWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces the edit control by one with or without word wrap, keeping text, "*" and read-only.
int ToggleWordWrap(HWND document, int wrap, AppOptionsRecord& options);

// Puts `text` into a new edit control (with or without wrap) that takes the place of the
// document's current one, with the same font, background, read-only state and window words.
// Under Wine replacing a large text in place takes seconds; a new control costs nothing. Returns
// the new control, or null after reporting that it could not be made (the old one is kept).
HWND ReplaceEditControl(HWND document, int wrap, const char* text, size_t length, int ltGray);

// The same for a large text while the document's control stays on screen: the new control fills
// hidden (a control takes a large text faster so), reporting to `progress`, and takes the old
// one's place only once it holds the whole text. 1 then; 0 when the stream stopped or failed
// and -1 (after its message) when no control could be made, the document keeping its control.
int FillReplacementEditControl(HWND document, const char* text, size_t length, int ltGray,
                               StreamProgress progress, void* context);

// Sets the title to `name` (null: the current title without its "*"), with "*" when modified;
// a title that would not change is left alone.
int SetDocumentTitle(HWND document, const char* name, int modified);

// Marks the document changed: window word and "*" in the title.
void MarkDocumentModified(HWND document);

// The document's name: its title without a trailing "*" (at most 255 characters).
void GetDocumentName(HWND document, char (&name)[256]);

// "Ln %d" for the caret's line in status part 1.
void UpdateLineIndicator(HWND edit);

// The context menu at a point in the document's client coordinates.
void ShowContextMenu(HWND document, POINT point);
