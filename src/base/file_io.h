// Every file access of the program goes through here, so that a test can make any step fail
// and check the message and that no byte of the user's text was lost.
#pragma once
#include <windows.h>

enum class FileStep {
  Open,        // an existing file, for reading or writing
  Query,       // attributes, creation time and link count of an open file
  Create,      // a file written in place (created when missing)
  CreateTemp,  // a new file beside the target, written first and put in place after
  Read,
  Write,
  SetEnd,
  Flush,
  SetTimes,  // the creation time carried over to a new file
  Close,
  SetAttributes,  // the attributes carried over to a new file
  Replace,        // a new file takes an old one's name, the old one becoming the backup
  Move,
  Copy,
  Delete,
  Count
};

// Test seam: the `skip`+1-th call of `step` from now fails with `error` (once). A failed
// Replace leaves the files as the system documents for that error: with
// ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the replaced file has already become the backup.
void InjectFileFailure(FileStep step, DWORD error, int skip = 0);
void ClearFileFailures();

// An open file; closes itself (silently) when a path forgets to. Move-only.
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle();
  FileHandle(FileHandle&& other) noexcept;
  FileHandle& operator=(FileHandle&& other) noexcept;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }
  HANDLE release();

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Each returns true on success; on failure GetLastError() holds the system's code.
// Existing file, no sharing; read access, plus write access when `forWriting`.
bool OpenExistingFile(const char* path, bool forWriting, FileHandle& file);
// Existing file, read access, others may read it meanwhile (the program's own help file).
bool OpenSharedForReading(const char* path, FileHandle& file);
// Read and write access, no sharing, create-always (an existing file is truncated).
bool CreateFileAlways(const char* path, FileHandle& file);
// Read and write access, no sharing; an existing file is opened as it is (its attributes and
// links kept), a missing one created.
bool OpenOrCreateFile(const char* path, FileHandle& file);
// Read and write access, no sharing; fails when the file exists (ERROR_FILE_EXISTS).
bool CreateNewFile(const char* path, FileHandle& file);

// What a save keeps of the file it replaces.
struct FileFacts {
  DWORD attributes = 0;
  FILETIME created = {};
  DWORD links = 1;    // hard links to the file's data
  bool link = false;  // the name itself is a symbolic link or another reparse point
};
// The facts of `file`, opened under `path`.
bool QueryFileFacts(FileHandle& file, const char* path, FileFacts* facts);
bool ReadFileBytes(FileHandle& file, void* buffer, DWORD bytes, DWORD* bytesRead);
bool WriteFileBytes(FileHandle& file, const void* data, DWORD bytes);
bool SetEndOfFileHere(FileHandle& file);
bool FlushFile(FileHandle& file);
bool SetCreationTime(FileHandle& file, const FILETIME& created);
bool CloseFile(FileHandle& file);  // reports the close's own failure
bool SetAttributesOf(const char* path, DWORD attributes);
// `replacement` takes `replaced`'s name; `replaced` becomes `backup` (an older one is replaced).
bool ReplaceWithBackup(const char* replaced, const char* replacement, const char* backup);
// Renames in one step, writing through; `replace` lets it take the name of an existing file.
bool MoveFileTo(const char* from, const char* to, bool replace);
bool CopyFileOver(const char* from, const char* to);  // an existing `to` is overwritten
bool DeleteFileAt(const char* path);
