// The commands the frame forwards to the active document: one line per command id or range.
#include "docset/doc_commands.h"

#include "docset/document_set.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "editing/edit_commands.h"
#include "editing/sort_selection.h"
#include "editing/timestamp.h"
#include "files/file_properties.h"
#include "files/insert_file.h"
#include "files/save_document.h"
#include "files/save_prompts.h"
#include "printing/print_document.h"
#include "resources/resource.h"

namespace {

using DocumentHandler = void (*)(HWND document, UINT id, AppOptionsRecord& options);

struct DocumentCommand {
  UINT first;
  UINT last;
  DocumentHandler handler;
};

// Macro n replaces the selection with its text, as one undoable step.
void OnMacro(HWND document, UINT id, AppOptionsRecord& options) {
  InsertMacroText(document, options.Macros[id - IDM_MACRO_FIRST].Text);
}

#define ON(action)                        \
  [](HWND d, UINT, AppOptionsRecord& o) { \
    (void)o;                              \
    action;                               \
  }

const DocumentCommand kDocumentCommands[] = {
    {IDM_PROPERTIES, IDM_PROPERTIES, ON(FileProperties(d, o))},
    {IDM_CLOSE, IDM_CLOSE, ON(CloseDocument(d, o))},
    {IDM_SAVE, IDM_SAVE, ON(SaveOrSaveAs(d, o))},
    {IDM_SAVEAS, IDM_SAVEAS, ON(SaveDocumentAs(d, o))},
    {IDM_SAVESELECTION, IDM_SAVESELECTION, ON(SaveSelectionAs(d, o))},
    {IDM_DISCARD, IDM_DISCARD, ON(DiscardChanges(d, o))},
    {IDM_PRINT, IDM_PRINT, ON(PrintDocument(d, o))},
    {IDM_INSERTFILE, IDM_INSERTFILE, ON(InsertTextFile(d, o))},
    {IDM_UNDO, IDM_UNDO, ON(UndoEdit(d))},
    {IDM_CUT, IDM_CUT, ON(CutSelection(d))},
    {IDM_COPY, IDM_COPY, ON(CopySelection(d))},
    {IDM_PASTE, IDM_PASTE, ON(PasteText(d))},
    {IDM_DELETE, IDM_DELETE, ON(DeleteSelection(d))},
    {IDM_SELECTALL, IDM_SELECTALL, ON(SelectAll(d))},
    {IDM_DUPLICATE, IDM_DUPLICATE, ON(DuplicateDocument(d, o))},
    {IDM_LOWERCASE, IDM_LOWERCASE, ON(ConvertCase(d, 0))},
    {IDM_UPPERCASE, IDM_UPPERCASE, ON(ConvertCase(d, 1))},
    {IDM_READONLY, IDM_READONLY, ON(ToggleViewing(d, o))},
    {IDM_REFRESH, IDM_REFRESH, ON(RefreshDocument(d, o))},
    {IDM_GOTOLINE, IDM_GOTOLINE, ON(GoToLine(d, o))},
    {IDM_WORDWRAP, IDM_WORDWRAP, ON(ToggleWordWrap(d, !GetDocWord(d, kWrapWord), o))},
    {IDM_INSERTDATE, IDM_INSERTDATE, ON(InsertTimestamp(d, o))},
    {IDM_OEMTOANSI, IDM_OEMTOANSI, ON(ConvertCharacterSet(d, 0, o))},
    {IDM_ANSITOOEM, IDM_ANSITOOEM, ON(ConvertCharacterSet(d, 1, o))},
    {IDM_MACRO_FIRST, IDM_MACRO_LAST, OnMacro},
    {IDM_SORT, IDM_SORT, ON(SortSelection(d, o))},
};

#undef ON

}  // namespace

bool IsDocumentCommand(UINT id) {
  for (const DocumentCommand& command : kDocumentCommands) {
    if (id >= command.first && id <= command.last) return true;
  }
  return false;
}

bool RunDocumentCommand(HWND document, UINT id, AppOptionsRecord& options) {
  for (const DocumentCommand& command : kDocumentCommands) {
    if (id >= command.first && id <= command.last) {
      command.handler(document, id, options);
      return true;
    }
  }
  return false;
}
