// Message pumping for in-process window tests: the test thread plays the program's message loop.
#pragma once
#include <windows.h>

#include <functional>

// Dispatches every message already queued for this thread and returns once the queue is empty.
// WM_QUIT is taken off and remembered (QuitReceived), not re-posted: a waiting quit message
// would end the next modal loop the test opens.
void PumpMessages();

// Pumps until condition() is true or timeoutMs has passed; returns the last value of condition().
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// True once a pump has taken WM_QUIT off the queue; *exitCode (optional) gets its wParam.
bool QuitReceived(int* exitCode = nullptr);
void ClearQuit();
