// The command-line grammar: "/setup", the SysEdit switch, "@list", or one document name.
#pragma once

#include "settings/options.h"

// TooLong: a document or list name of more than 255 characters, which opens nothing.
enum class CommandLineRequest { None, Setup, SysEdit, List, File, TooLong };

// Applies the grammar to the raw command line and records the outcome in `options`
// (CreateStartMenu, SysEditRequested, ListRequested + FileSpec, CommandLineFile + FileSpec).
// Pure: opens nothing.
CommandLineRequest ParseCommandLineText(const char* commandLine, AppOptionsRecord& options);

// ParseCommandLineText, then for "/setup" the options sheet at its Explorer page, before the
// frame exists, and for a name that is too long its message. Always succeeds.
int ParseCommandLine(const char* commandLine, AppOptionsRecord& options);
