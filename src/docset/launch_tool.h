// Running an external tool (Tools menu items 1-9, Ctrl+1 ... Ctrl+9).
#pragma once
#include <windows.h>

#include <string>

#include "settings/options.h"

// The parameters handed to a tool: its Command, a blank, then the command tail. A tail holding
// a blank is put in double quotes, so that a path such as C:\My Notes\a.txt reaches the tool as
// one argument.
std::string ToolParameters(const char* command, const char* tail);

// Starts `tool` through the shell with the active `document` (or none) as its command tail,
// saving the document first when the tool asks for it. Non-zero once the shell was asked; 0
// after the beep for a tool that cannot run, or when the save before launch did not succeed.
int LaunchTool(HWND frame, HWND document, const ToolRecord& tool, AppOptionsRecord& options);
