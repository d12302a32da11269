// One Norvel at a time: a second start hands its command line to the running frame.
#pragma once
#include <windows.h>

#include <string>

// The data tag of the WM_COPYDATA that carries a second instance's command line.
constexpr ULONG_PTR kHandOverTag = 0x4E4F5256;  // "NORV"

// When a frame is already running: shows it, brings it forward and hands the command line over
// (when not empty). A document name goes over as a full path, resolved here against this
// process's current folder. Returns true when this process should end.
bool HandOverToRunningInstance(const char* commandLine);

// Longest hand-over text kept; anything longer is cut there and then refused as too long.
constexpr size_t kHandOverCapacity = 4096;
// Most hand-overs waiting at once; more are dropped.
constexpr size_t kPendingHandOverLimit = 64;

// The frame's side: the WM_COPYDATA of a second instance is copied into the frame's queue of
// pending hand-overs and OpenFileMessage is posted. Returns true when the data was a hand-over.
bool ReceiveHandOver(HWND frame, const COPYDATASTRUCT* data);
// Takes the oldest pending hand-over; false when none is waiting. No message carries a
// pointer, so another program posting OpenFileMessage only makes the frame look at its queue.
bool TakeHandOver(std::string& commandLine);
