// Writing a file through a temporary file beside it (see safe_write.h).
#include "files/safe_write.h"

#include <utility>

#include "files/backup_name.h"
#include "base/file_io.h"

namespace {

// Attributes a file can be given by name; the others belong to how it is stored.
// (A read-only file is never replaced.)
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                                  FILE_ATTRIBUTE_OFFLINE;
constexpr int kTemporaryNameTries = 16;

WriteFailure Failed(WriteFailure failure, DWORD* error) {
  *error = GetLastError();
  return failure;
}

bool Exists(const char* path) {
  return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// Write, set the end and flush (each when `fill`; the end also when `truncate`), then give the
// file the creation time `created` (when given) and close it. The handle is closed on every
// path by the time this returns, so that a failed file can be deleted.
WriteFailure WriteAndClose(FileHandle file, const char* data, DWORD length, bool fill,
                           bool truncate, const FILETIME* created, DWORD* error) {
  if (fill && !WriteFileBytes(file, data, length)) return Failed(kWriteFailed, error);
  if ((fill || truncate) && !SetEndOfFileHere(file)) return Failed(kSetEndFailed, error);
  if (fill && !FlushFile(file)) return Failed(kFlushFailed, error);
  if (created && !SetCreationTime(file, *created)) return Failed(kCreateFailed, error);
  if (!CloseFile(file)) return Failed(kCloseFailed, error);
  return kWritten;
}

// A new file under a free temporary name in `path`'s folder. False with the system's code set;
// ERROR_FILENAME_EXCED_RANGE when no such name fits.
bool CreateTemporaryBeside(const char* path, char (&temp)[MAX_PATH], FileHandle& file) {
  const unsigned salt = GetTickCount() ^ (GetCurrentProcessId() << 8);
  for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
    if (!TemporaryPathFor(path, salt + static_cast<unsigned>(attempt) * 7919u, temp, sizeof temp)) {
      SetLastError(ERROR_FILENAME_EXCED_RANGE);
      return false;
    }
    if (CreateNewFile(temp, file)) return true;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
  }
  return false;  // the last ERROR_FILE_EXISTS stays set
}

// The classic sequence for a file that a new file must not replace: copy to the backup first, then
// open the file itself and write it over.
WriteFailure WriteInPlace(const char* path, const char* data, DWORD length, bool fill,
                          bool keepBackup, DWORD* error) {
  // A failed backup is not reported: the save goes on, as it always has.
  if (keepBackup) MakeBackupFile(path);
  FileHandle file;
  if (!OpenOrCreateFile(path, file)) return Failed(kCreateFailed, error);
  return WriteAndClose(std::move(file), data, length, fill, true, nullptr, error);
}

// Puts the finished temporary file in `path`'s place, with the attributes of the file it
// replaces.
WriteFailure PutInPlace(const char* path, const char* temp, bool exists, const FileFacts& facts,
                        bool keepBackup, DWORD* error) {
  if (exists) {
    const DWORD attributes = facts.attributes & kKeptAttributes;
    if (!SetAttributesOf(temp, attributes ? attributes : FILE_ATTRIBUTE_NORMAL))
      return Failed(kCreateFailed, error);
  }
  char backup[MAX_PATH];
  if (!exists || !keepBackup || !BackupPathFor(path, backup, sizeof backup)) {
    if (!MoveFileTo(temp, path, true)) return Failed(kCreateFailed, error);
    return kWritten;
  }
  if (ReplaceWithBackup(path, temp, backup)) return kWritten;
  const WriteFailure failure = Failed(kCreateFailed, error);
  // Some failures come after the previous file became the backup: it goes back.
  if (!Exists(path) && Exists(backup)) MoveFileTo(backup, path, false);
  return failure;
}

}  // namespace

int MakeBackupFile(const char* path) {
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return 1;  // nothing to keep
  if (attributes & FILE_ATTRIBUTE_READONLY) return 0;
  char backup[MAX_PATH];
  if (!BackupPathFor(path, backup, sizeof backup)) return 0;
  return CopyFileOver(path, backup) ? 1 : 0;
}

WriteFailure WriteFileSafely(const char* path, const char* data, size_t length, bool fill,
                             bool keepBackup, DWORD* error) {
  *error = 0;
  if (length > MAXDWORD) {
    SetLastError(ERROR_FILE_TOO_LARGE);
    return Failed(kWriteFailed, error);
  }
  const DWORD bytes = static_cast<DWORD>(length);

  // The file as it is: writable (the create step of an in-place save would fail here), and
  // what of it must be kept.
  FileFacts facts;
  bool exists = false;
  {
    FileHandle target;
    if (OpenExistingFile(path, true, target)) {
      exists = true;
      if (!QueryFileFacts(target, path, &facts)) return Failed(kCreateFailed, error);
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
      return Failed(kCreateFailed, error);
    }
  }
  if (exists && (facts.attributes & FILE_ATTRIBUTE_READONLY)) {
    // Windows refuses to open it for writing; Wine lets an administrator, so refuse it here.
    SetLastError(ERROR_ACCESS_DENIED);
    return Failed(kCreateFailed, error);
  }

  // A new file would cut a hard link or replace a symbolic link with a plain file.
  bool inPlace = exists && (facts.links > 1 || facts.link);
  char temp[MAX_PATH];
  FileHandle file;
  if (!inPlace && !CreateTemporaryBeside(path, temp, file)) {
    const DWORD reason = GetLastError();
    // A folder where files may be written but none created, or no room for the name.
    if (reason != ERROR_ACCESS_DENIED && reason != ERROR_FILENAME_EXCED_RANGE)
      return Failed(kCreateFailed, error);
    inPlace = true;
  }
  if (inPlace) return WriteInPlace(path, data, bytes, fill, keepBackup && exists, error);

  const WriteFailure failure = WriteAndClose(std::move(file), data, bytes, fill, false,
                                             exists ? &facts.created : nullptr, error);
  if (failure != kWritten) {
    DeleteFileAt(temp);
    return failure;
  }
  const WriteFailure placed = PutInPlace(path, temp, exists, facts, keepBackup, error);
  if (placed != kWritten) DeleteFileAt(temp);
  return placed;
}
