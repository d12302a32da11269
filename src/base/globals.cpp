// The program's process-wide state.
#include "base/globals.h"

#include <utility>

HINSTANCE AppInstance = nullptr;
HWND FrameWindow = nullptr;
HWND MdiClient = nullptr;
HWND StatusBar = nullptr;
HWND ToolbarWindow = nullptr;
HACCEL Accelerators = nullptr;
HWND SplashWindow = nullptr;
HWND FindReplaceDialog = nullptr;
HWND ActiveDocWindow = nullptr;
HWND LoadingDocWindow = nullptr;
BOOL BulkOperation = FALSE;
UINT FindReplaceMessage = 0;
HFONT DisplayFont = nullptr;
PRINTDLGA PrintDialogRecord = {};
RECT ScreenRect = {};
char IniPath[256] = "";
char HelpPath[256] = "";
char ProgramPath[256] = "";
char ProductKeyPath[256] = "";
unsigned UntitledCounter = 0;
DWORD ToolbarStyle = 0;
DWORD StatusBarStyle = 0;

void CloseSplash() {
  if (SplashWindow && IsWindow(SplashWindow)) DestroyWindow(SplashWindow);
  SplashWindow = nullptr;
}

namespace {
FontOwner displayFontOwner;  // DisplayFont is a view of it
}  // namespace

void SetDisplayFont(FontOwner font) {
  displayFontOwner = std::move(font);
  DisplayFont = displayFontOwner.get();
}
