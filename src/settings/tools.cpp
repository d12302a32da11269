// External tools are not built yet: launching one only beeps.
#include "settings/tools.h"

#include "ui/message_dialogs.h"

int LaunchTool(HWND, HWND, const ToolRecord&, AppOptionsRecord&) {
  return BeepAndFail();
}
