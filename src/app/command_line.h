// The command-line grammar: "/setup", the SysEdit switch, "@list", or one document name.
#pragma once

#include "settings/options.h"

enum class CommandLineRequest { None, Setup, SysEdit, List, File };

// Applies the grammar to the raw command line and records the outcome in `options`
// (CreateStartMenu, SysEditRequested, ListRequested + FileSpec, CommandLineFile + FileSpec).
// Pure: opens nothing.
CommandLineRequest ParseCommandLineText(const char* commandLine, AppOptionsRecord& options);

// ParseCommandLineText, then for "/setup" the options sheet at its Explorer page, before the
// frame exists. Always succeeds.
int ParseCommandLine(const char* commandLine, AppOptionsRecord& options);
