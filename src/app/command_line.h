// The command-line grammar: "/setup", the SysEdit switch, "@list", or one document name.
#pragma once

#include "settings/options.h"

// TooLong: a document or list name of more than 255 characters, which opens nothing.
enum class CommandLineRequest { None, Setup, SysEdit, List, File, TooLong };

// Says whether a name (quotes removed) is an existing file, not a folder.
using ExistingFileTest = bool (*)(const char* name);

// Applies the grammar to the raw command line and records the outcome in `options`
// (CreateStartMenu, SysEditRequested, ListRequested + FileSpec, CommandLineFile + FileSpec).
// A line that names an existing file (as `isExistingFile` says) opens it whatever it holds, so a
// path such as c:\docs\my-letters\a.txt is no SysEdit switch; only a line that names no
// existing file is looked at for the switch. Opens nothing itself.
CommandLineRequest ParseCommandLineText(const char* commandLine, AppOptionsRecord& options,
                                        ExistingFileTest isExistingFile = nullptr);

// ParseCommandLineText, then for "/setup" the options sheet at its Explorer page, before the
// frame exists, and for a name that is too long its message. Always succeeds.
int ParseCommandLine(const char* commandLine, AppOptionsRecord& options);
