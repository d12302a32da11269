// Every file access of the program goes through here (see file_io.h).
#include "base/file_io.h"

#include <utility>

namespace {

struct InjectedFailure {
  bool armed = false;
  int skip = 0;
  DWORD error = 0;
};
InjectedFailure injected[static_cast<int>(FileStep::Count)];

// True when this call of `step` is to fail; sets the last error then.
bool Fails(FileStep step) {
  InjectedFailure& failure = injected[static_cast<int>(step)];
  if (!failure.armed) return false;
  if (failure.skip > 0) {
    --failure.skip;
    return false;
  }
  failure.armed = false;
  SetLastError(failure.error);
  return true;
}

}  // namespace

void InjectFileFailure(FileStep step, DWORD error, int skip) {
  injected[static_cast<int>(step)] = InjectedFailure{true, skip, error};
}

void ClearFileFailures() {
  for (InjectedFailure& failure : injected) failure = InjectedFailure{};
}

FileHandle::~FileHandle() {
  if (IsOpen()) CloseHandle(handle_);
}

FileHandle::FileHandle(FileHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    if (IsOpen()) CloseHandle(handle_);
    handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
  }
  return *this;
}

HANDLE FileHandle::release() {
  return std::exchange(handle_, INVALID_HANDLE_VALUE);
}

namespace {

// One CreateFileA through the seam: `step` may be made to fail first.
bool OpenThroughSeam(FileStep step, const char* path, DWORD access, DWORD share, DWORD how,
                     FileHandle& file) {
  if (Fails(step)) return false;
  file = FileHandle(CreateFileA(path, access, share, nullptr, how, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsOpen();
}

constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;

}  // namespace

bool OpenExistingFile(const char* path, bool forWriting, FileHandle& file) {
  const DWORD access = forWriting ? kReadWrite : GENERIC_READ;
  return OpenThroughSeam(FileStep::Open, path, access, 0, OPEN_EXISTING, file);
}

bool OpenSharedForReading(const char* path, FileHandle& file) {
  return OpenThroughSeam(FileStep::Open, path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, file);
}

bool CreateFileAlways(const char* path, FileHandle& file) {
  return OpenThroughSeam(FileStep::Create, path, kReadWrite, 0, CREATE_ALWAYS, file);
}

bool OpenOrCreateFile(const char* path, FileHandle& file) {
  return OpenThroughSeam(FileStep::Create, path, kReadWrite, 0, OPEN_ALWAYS, file);
}

bool CreateNewFile(const char* path, FileHandle& file) {
  return OpenThroughSeam(FileStep::CreateTemp, path, kReadWrite, 0, CREATE_NEW, file);
}

bool QueryFileFacts(FileHandle& file, const char* path, FileFacts* facts) {
  if (Fails(FileStep::Query)) return false;
  BY_HANDLE_FILE_INFORMATION information;
  if (!GetFileInformationByHandle(file.get(), &information)) return false;
  facts->attributes = information.dwFileAttributes;
  facts->created = information.ftCreationTime;
  facts->links = information.nNumberOfLinks;
  // The handle shows the file a link leads to; the name's own attributes show the link.
  const DWORD own = GetFileAttributesA(path);
  facts->link = own != INVALID_FILE_ATTRIBUTES && (own & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return true;
}

bool ReadFileBytes(FileHandle& file, void* buffer, DWORD bytes, DWORD* bytesRead) {
  *bytesRead = 0;
  if (Fails(FileStep::Read)) return false;
  return ReadFile(file.get(), buffer, bytes, bytesRead, nullptr) != FALSE;
}

bool WriteFileBytes(FileHandle& file, const void* data, DWORD bytes) {
  if (Fails(FileStep::Write)) return false;
  DWORD written = 0;
  if (!WriteFile(file.get(), data, bytes, &written, nullptr)) return false;
  if (written != bytes) {
    SetLastError(ERROR_DISK_FULL);
    return false;
  }
  return true;
}

bool SetEndOfFileHere(FileHandle& file) {
  if (Fails(FileStep::SetEnd)) return false;
  return SetEndOfFile(file.get()) != FALSE;
}

bool FlushFile(FileHandle& file) {
  if (Fails(FileStep::Flush)) return false;
  return FlushFileBuffers(file.get()) != FALSE;
}

bool SetCreationTime(FileHandle& file, const FILETIME& created) {
  if (Fails(FileStep::SetTimes)) return false;
  return SetFileTime(file.get(), &created, nullptr, nullptr) != FALSE;
}

bool CloseFile(FileHandle& file) {
  HANDLE handle = file.release();
  const bool closed = CloseHandle(handle) != FALSE;
  // An injected failure still closes the handle: only the report is made to fail.
  if (Fails(FileStep::Close)) return false;
  return closed;
}

bool SetAttributesOf(const char* path, DWORD attributes) {
  if (Fails(FileStep::SetAttributes)) return false;
  return SetFileAttributesA(path, attributes) != FALSE;
}

bool ReplaceWithBackup(const char* replaced, const char* replacement, const char* backup) {
  InjectedFailure& failure = injected[static_cast<int>(FileStep::Replace)];
  if (failure.armed && failure.skip == 0 && failure.error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
    // The system fails this way after it has moved the replaced file to the backup name.
    MoveFileExA(replaced, backup, MOVEFILE_REPLACE_EXISTING);
  }
  if (Fails(FileStep::Replace)) return false;
  return ReplaceFileA(replaced, replacement, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                      nullptr) != FALSE;
}

bool MoveFileTo(const char* from, const char* to, bool replace) {
  if (Fails(FileStep::Move)) return false;
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  return MoveFileExA(from, to, flags) != FALSE;
}

bool CopyFileOver(const char* from, const char* to) {
  if (Fails(FileStep::Copy)) return false;
  return CopyFileA(from, to, FALSE) != FALSE;
}

bool DeleteFileAt(const char* path) {
  if (Fails(FileStep::Delete)) return false;
  return DeleteFileA(path) != FALSE;
}
