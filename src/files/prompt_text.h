// Text rules of the file prompts that need no window: type lists, initial folders, the Open
// prompt's selection buffer and the on-screen clamp. No Windows header: built natively too.
#pragma once
#include <cstddef>
#include <functional>

constexpr int kPromptEdgeMargin = 35;  // a prompt keeps this many pixels of itself on screen

// Turns a type list written with a trailing separator ("Text|*.txt|All|*.*|") into the common
// dialogs' NUL-separated, double-NUL-terminated form: every occurrence of the list's last
// character becomes NUL, so the last pair ends in two NULs. Returns the text's length (0 for an
// empty list, which is left alone).
size_t SplitTypeList(char* list);

// The folder a prompt opens on: `path` up to its last backslash, keeping the backslash only
// for a drive root ("C:\"). False (and an empty `folder`) when the path has no backslash.
bool InitialFolderOf(const char* path, char* folder, size_t capacity);

// The folder part of a document's path including its last backslash ("" without one).
void FolderWithBackslash(const char* path, char* folder, size_t capacity);

// A prompt's remembered left or top, kept at most kPromptEdgeMargin pixels from the far edge.
long ClampToScreen(long position, long screenExtent);

// Walks an Open prompt's selection buffer: one full path followed by two NULs, or a folder and
// then each file name, NUL-separated, closed by an extra NUL. `visit` gets every chosen file as
// a full path of at most 255 characters (a longer one is passed cut short). Never reads past
// `bufferSize`. Returns the number of paths visited.
int ForEachSelectedPath(const char* buffer, size_t bufferSize,
                        const std::function<void(const char* path)>& visit);
