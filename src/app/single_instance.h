// One Norvel at a time: a second start hands its command line to the running frame.
#pragma once
#include <windows.h>

// The data tag of the WM_COPYDATA that carries a second instance's command line.
constexpr ULONG_PTR kHandOverTag = 0x4E4F5256;  // "NORV"

// When a frame is already running: shows it, brings it forward and hands the command line over
// (when not empty). Returns true when this process should end.
bool HandOverToRunningInstance(const char* commandLine);

// Longest hand-over text kept; the command line is cut there (a document name has 255).
constexpr size_t kHandOverCapacity = MAX_PATH;
// Posted by the frame to itself with a copy of a second instance's command line.
constexpr UINT kHandOverMessage = WM_APP + 301;

// The frame's side: the WM_COPYDATA of a second instance is copied and posted back to the
// frame as kHandOverMessage. Returns true when the data was a hand-over.
bool ReceiveHandOver(HWND frame, const COPYDATASTRUCT* data);
// kHandOverMessage: sends OpenFileMessage with the copied text, then frees the copy.
void OpenHandedOverFile(HWND frame, LPARAM posted);
