// Process-wide state: one instance each, set up at start-up and read everywhere.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "base/owned_handle.h"

extern HINSTANCE AppInstance;
extern HWND FrameWindow;             // "NorvelAppClass"; null until created
extern HWND MdiClient;               // the "mdiclient" child of the frame
extern HWND StatusBar;               // null when creation failed
extern HWND ToolbarWindow;           // null when creation failed
extern HACCEL Accelerators;          // accelerator table 1000
extern HWND SplashWindow;            // the splash box while it is shown, null otherwise
extern HWND FindReplaceDialog;       // the modeless find/replace dialog, null when closed
extern HWND ActiveDocWindow;         // the active document window, null when none
extern HWND LoadingDocWindow;        // the document whose text is streaming in, null otherwise
extern BOOL BulkOperation;           // set while many documents open or close in one operation
extern UINT FindReplaceMessage;      // id of the registered "commdlg_FindReplace" message
extern HFONT DisplayFont;            // the font of every edit control, owned by SetDisplayFont
extern PRINTDLGA PrintDialogRecord;  // shared by Printer Setup and printing
extern RECT ScreenRect;              // the desktop's client rectangle, taken once at start-up
extern char IniPath[256];            // the program's path, lower-cased, with ".ini"
extern char HelpPath[256];           // ... and with ".hlp"
extern char ProgramPath[256];        // the program's path, lower-cased
extern char ProductKeyPath[256];     // the key of all settings below HKEY_CURRENT_USER; "": INI file
extern unsigned UntitledCounter;     // numbers untitled documents New1, New2, ...
extern DWORD ToolbarStyle;           // window styles of the toolbar and status bar
extern DWORD StatusBarStyle;

constexpr const char* kFrameClassName = "NorvelAppClass";
constexpr const char* kProductKey = "Software\\Veldmark\\Norvel for Windows 95/NT";
constexpr const char* kProductName = "Norvel";

// Makes `font` the display font, freeing the one before; an empty owner frees it.
void SetDisplayFont(FontOwner font);

// Private frame messages.
constexpr UINT TrayMessage = WM_APP + 200;      // tray icon callback
constexpr UINT OpenFileMessage = WM_APP + 300;  // open the frame's pending hand-overs

// Destroys the splash box if it is shown; called before every dialog of the program.
void CloseSplash();
