// Questions about files on disk that open nothing.
#pragma once

// True when a find-first-file on the path succeeds (a matching wildcard pattern counts).
bool FileExists(const char* path);
