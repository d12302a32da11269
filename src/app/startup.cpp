// Start-up in its fixed order, the message loop, and the clean-up after it.
#include "app/startup.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "app/command_line.h"
#include "app/frame.h"
#include "app/frame_layout.h"
#include "app/menu_state.h"
#include "app/single_instance.h"
#include "app/tray.h"
#include "base/file_checks.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "docset/doc_commands.h"
#include "docset/document_set.h"
#include "document/doc_window.h"
#include "docset/document_lists.h"
#include "settings/settings_store.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "windows/character_chart.h"
#include "windows/error_codes.h"
#include "windows/splash.h"

namespace {

constexpr const char* kRichEditLibrary = "RichEd32.dll";

// Replaces everything from the last "." of `path` with `extension`, bounded by 255 characters.
void ReplaceExtension(const char* path, const char* extension, char (&result)[256]) {
  lstrcpynA(result, path, sizeof result);
  char* dot = std::strrchr(result, '.');
  char* lastSlash = std::strrchr(result, '\\');
  if (dot && (!lastSlash || dot > lastSlash)) *dot = '\0';
  const size_t room = sizeof result - std::strlen(result);
  lstrcpynA(result + std::strlen(result), extension, static_cast<int>(room));
}

int RegisterFrameClass() {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = FrameWindowProc;
  windowClass.hInstance = AppInstance;
  windowClass.hIcon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_APPLICATION_LARGE));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_APPLICATION_SMALL), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAINMENU);
  windowClass.lpszClassName = kFrameClassName;
  if (RegisterClassExA(&windowClass)) return 1;
  return ShowError(60003, kFrameClassName, static_cast<int>(GetLastError()));
}

int RegisterDocumentClass() {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = DocWindowProc;
  windowClass.cbWndExtra = kDocWindowWords;
  windowClass.hInstance = AppInstance;
  windowClass.hIcon = LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_DOCUMENT));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.lpszClassName = MAKEINTATOM(kDocWindowClass);
  if (RegisterClassExA(&windowClass)) return 1;
  return ShowError(60003, "MDI Child", static_cast<int>(GetLastError()));
}

// The first documents: the first rule that applies wins.
void OpenFirstDocuments(HWND frame, AppOptionsRecord& options) {
  if (options.CommandLineFile && FileExists(options.FileSpec)) {
    CreateDocWindow(frame, options.FileSpec, 0, options);
  } else if (options.SysEditRequested) {
    LoadSysEditFiles(frame, options);
  } else if (options.ListRequested) {
    OpenIndirectList(frame, options);
  } else if (options.LoadLast && FileExists(options.FileSpec)) {
    CreateDocWindow(frame, options.FileSpec, 0, options);
  } else if (options.NewDoc) {
    CreateDocWindow(frame, nullptr, 0, options);
  }
}

}  // namespace

int InitGlobals(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  AppInstance = instance;

  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  lstrcpynA(ProgramPath, path, sizeof ProgramPath);
  CharLowerA(ProgramPath);
  ReplaceExtension(ProgramPath, ".ini", IniPath);
  ReplaceExtension(ProgramPath, ".hlp", HelpPath);

  GetClientRect(GetDesktopWindow(), &ScreenRect);

  ToolbarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS | CCS_TOP;
  StatusBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_BOTTOM | SBARS_SIZEGRIP;

  std::memset(&PrintDialogRecord, 0, sizeof PrintDialogRecord);
  return 1;
}

namespace {

// The document window is a lower layer than the document set and the shell: it reaches them
// through these.
void ConnectDocumentWindows() {
  DocWindowCallbacks callbacks;
  callbacks.close = CloseDocument;
  callbacks.command = RunDocumentCommand;
  callbacks.afterMessage = [](AppOptionsRecord& options) {
    RefreshCommandState(FrameWindow, options);
  };
  callbacks.layoutFrame = [] {
    if (FrameWindow) LayoutFrame(FrameWindow);
  };
  SetDocWindowCallbacks(callbacks);
}

}  // namespace

int InitApplication(AppOptionsRecord& options) {
  // A portable copy keeps every setting in the INI file beside it: no product key at all.
  ChooseSettingsStore();

  Accelerators = LoadAcceleratorsA(AppInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  if (!Accelerators) return ShowError(60002, static_cast<int>(GetLastError()));

  // Read ahead of the other settings, because the splash box shows before they are loaded.
  options.Splash = ReadFlag("Options", "Splash", 1);
  // The splash box shows while the rest of start-up runs.
  if (!RegisterSplash(AppInstance, options.Splash)) return 0;

  if (!RegisterErrorCodesClass() || !RegisterCharacterChartClass() || !RegisterFrameClass() ||
      !RegisterDocumentClass()) {
    return 0;
  }
  ConnectDocumentWindows();

  // The rich-edit library stays loaded for the life of the process.
  if (!LoadLibraryA(kRichEditLibrary)) {
    return ShowError(60101, kRichEditLibrary, static_cast<int>(GetLastError()));
  }
  return 1;
}

HWND CreateFrameWindow(int showCommand, AppOptionsRecord& options) {
  const PlacementRecord& place = options.Window;
  HWND frame = CreateWindowExA(options.TopMost ? WS_EX_TOPMOST : 0, kFrameClassName, kProductName,
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, place.Left, place.Top,
                               place.Width, place.Height, nullptr, nullptr, AppInstance, &options);
  if (!frame || !MdiClient) {
    const DWORD error = GetLastError();
    // A failed creation ran the shutdown routine, which posted the quit message; it must not
    // end the message box below before the user has read it.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ShowError(60004, kProductName, static_cast<int>(error));
    return nullptr;
  }
  ShowWindow(frame, showCommand);
  UpdateWindow(frame);

  options.ZoomChildren = options.Maximized;
  OpenFirstDocuments(frame, options);
  RefreshCommandState(frame, options);
  DragAcceptFiles(frame, TRUE);
  if (options.TaskTray) AddTrayIcon(frame, kProductName);
  return frame;
}

bool TranslateFrameMessage(MSG& message) {
  if (FindReplaceDialog && IsDialogMessageA(FindReplaceDialog, &message)) return true;
  if (MdiClient && TranslateMDISysAccel(MdiClient, &message)) return true;
  return FrameWindow && TranslateAcceleratorA(FrameWindow, Accelerators, &message);
}

int RunMessageLoop() {
  MSG message;
  BOOL got;
  while ((got = GetMessageA(&message, nullptr, 0, 0)) == 1) {
    if (TranslateFrameMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : -1;
}

void ReleaseStartupResources() {
  SetDisplayFont(FontOwner());
  if (PrintDialogRecord.hDevMode) GlobalFree(PrintDialogRecord.hDevMode);
  if (PrintDialogRecord.hDevNames) GlobalFree(PrintDialogRecord.hDevNames);
  PrintDialogRecord.hDevMode = PrintDialogRecord.hDevNames = nullptr;
}

int RunNorvel(HINSTANCE instance, const char* commandLine, int showCommand) {
  if (HandOverToRunningInstance(commandLine)) return 0;
  InitGlobals(instance);
  if (!InitApplication(AppOptions)) return 0;
  LoadOptions(AppOptions, OptionRecords);
  ParseCommandLine(commandLine, AppOptions);
  if (!CreateFrameWindow(showCommand, AppOptions)) return 0;
  CloseSplash();

  int exitCode = RunMessageLoop();
  SaveOptions(AppOptions, OptionRecords);
  ReleaseStartupResources();
  return exitCode < 0 ? 0 : exitCode;
}
