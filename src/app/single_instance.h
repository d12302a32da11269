// One Norvel at a time: a second start hands its command line to the running frame.
#pragma once
#include <windows.h>

// The data tag of the WM_COPYDATA that carries a second instance's command line.
constexpr ULONG_PTR kHandOverTag = 0x4E4F5256;  // "NORV"

// When a frame is already running: shows it, brings it forward and hands the command line over
// (when not empty). Returns true when this process should end.
bool HandOverToRunningInstance(const char* commandLine);

// The frame's side: the WM_COPYDATA of a second instance becomes an OpenFileMessage with a
// copy of the text that lives in this process. Returns true when the data was a hand-over.
bool ReceiveHandOver(HWND frame, const COPYDATASTRUCT* data);
