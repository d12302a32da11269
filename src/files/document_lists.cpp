// Document lists are not built yet: each of these only beeps.
#include "files/document_lists.h"

#include "ui/message_dialogs.h"

int OpenIndirectList(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
int OpenListCommand(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
int BuildIndirectList(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
int LoadSysEditFiles(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
int OpenRecentFile(HWND, int, AppOptionsRecord&) {
  return BeepAndFail();
}
