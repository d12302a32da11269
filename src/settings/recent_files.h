// The recent-file list of the options record: nine paths, the newest first.
#pragma once

#include "settings/options.h"

// Puts the name at the top of the recent-file list; an entry of the same name (ignoring case)
// moves up, otherwise the ninth is dropped.
void AddRecentFile(const char* name, AppOptionsRecord& options);

// Removes entry `index` (0-8): the entries after it move up one place and the ninth is emptied.
void RemoveRecentFile(int index, AppOptionsRecord& options);
