// File name prompts are not built yet: the Open prompt only beeps.
#include "files/file_prompts.h"

#include "ui/message_dialogs.h"

int PromptOpenDocuments(HWND, UINT, UINT, AppOptionsRecord&) {
  return BeepAndFail();
}
