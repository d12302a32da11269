// Norvel's own help: a help window over the help file beside the program.
#pragma once
#include <windows.h>

// Items 901 (contents), 902 (keyword search with `searchKey`, may be null) and 903 (how to use
// help).
int UserHelp(HWND owner, UINT item, const char* searchKey);
// Shows the topic with the given context number; 1 on success, 0 after reporting.
int ContextHelp(HWND owner, UINT contextId);
