// Every file access of the program goes through here, so that a test can make any step fail
// and check the message and that no byte of the user's text was lost.
#pragma once
#include <windows.h>

enum class FileStep { Open, Create, Read, Write, SetEnd, Flush, Close, Move, Delete, Count };

// Test seam: the `skip`+1-th call of `step` from now fails with `error` (once).
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
// Read and write access, no sharing, create-always (an existing file is truncated).
bool CreateFileAlways(const char* path, FileHandle& file);
bool ReadFileBytes(FileHandle& file, void* buffer, DWORD bytes, DWORD* bytesRead);
bool WriteFileBytes(FileHandle& file, const void* data, DWORD bytes);
bool SetEndOfFileHere(FileHandle& file);
bool FlushFile(FileHandle& file);
bool CloseFile(FileHandle& file);  // reports the close's own failure
bool MoveFileTo(const char* from, const char* to);
bool DeleteFileAt(const char* path);
