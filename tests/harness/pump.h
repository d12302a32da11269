// Message pumping for in-process window tests: the test thread plays the program's message loop.
#pragma once
#include <windows.h>

#include <functional>

// Dispatches every message already queued for this thread (sent, posted, input, paint, timers)
// and returns once the queue is empty. WM_QUIT is taken off the queue and remembered, not
// re-posted: a re-posted quit message would end the next modal loop (a message box, a dialog)
// the test opens. Check it with QuitReceived(). A queue that never empties (the same message to
// the same window a thousand times in a row: a window that does not validate its paint region)
// fails the test instead of hanging it.
void PumpMessages();

// Pumps until condition() is true or timeoutMs has passed; returns the last value of condition().
// Use as ASSERT_TRUE(PumpUntil([&] { return ...; })).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Pumps for ms milliseconds, waiting for messages in between (for timers that must fire).
void PumpFor(DWORD ms);

// True once a pump has taken WM_QUIT off the queue; *exitCode (optional) gets its wParam.
bool QuitReceived(int* exitCode = nullptr);
void ClearQuit();

// Lets a test route each message through the program's own translation first (accelerators,
// modeless dialogs): the filter returns true when it has handled the message. Empty: none.
using MessageFilter = std::function<bool(MSG& message)>;
void SetMessageFilter(MessageFilter filter);
