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

bool OpenExistingFile(const char* path, bool forWriting, FileHandle& file) {
  if (Fails(FileStep::Open)) return false;
  const DWORD access = GENERIC_READ | (forWriting ? GENERIC_WRITE : 0);
  file = FileHandle(
      CreateFileA(path, access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsOpen();
}

bool CreateFileAlways(const char* path, FileHandle& file) {
  if (Fails(FileStep::Create)) return false;
  file = FileHandle(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.IsOpen();
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

bool CloseFile(FileHandle& file) {
  HANDLE handle = file.release();
  const bool closed = CloseHandle(handle) != FALSE;
  // An injected failure still closes the handle: only the report is made to fail.
  if (Fails(FileStep::Close)) return false;
  return closed;
}

bool MoveFileTo(const char* from, const char* to) {
  if (Fails(FileStep::Move)) return false;
  return MoveFileA(from, to) != FALSE;
}

bool DeleteFileAt(const char* path) {
  if (Fails(FileStep::Delete)) return false;
  return DeleteFileA(path) != FALSE;
}
