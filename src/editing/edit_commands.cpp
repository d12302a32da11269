// The Edit menu's commands are not built yet: each only beeps. The edit control's own keys
// Ctrl+Z, Ctrl+X, Ctrl+C and Del work meanwhile; Ctrl+V is the Paste command's key, so it
// beeps too.
#include "editing/edit_commands.h"

#include "ui/message_dialogs.h"

int UndoEdit(HWND) {
  return BeepAndFail();
}
int CutSelection(HWND) {
  return BeepAndFail();
}
int CopySelection(HWND) {
  return BeepAndFail();
}
int PasteText(HWND) {
  return BeepAndFail();
}
int DeleteSelection(HWND) {
  return BeepAndFail();
}
int SelectAll(HWND) {
  return BeepAndFail();
}
int ConvertCase(HWND, int) {
  return BeepAndFail();
}
int ConvertCharacterSet(HWND, int) {
  return BeepAndFail();
}
int GoToLine(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
