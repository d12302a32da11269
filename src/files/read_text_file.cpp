// Reading a whole text file: one open, one read, one close, one conversion pass in place.
#include "files/read_text_file.h"

#include <cstring>

#include "base/file_io.h"
#include "document/text_limits.h"
#include "files/line_format.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/wait_cursor.h"

namespace {

struct ReadFailure {
  UINT message = 0;  // 0: read
  DWORD error = 0;   // the system's code
  long long size = 0;
};

ReadFailure ReadSteps(const char* path, bool forWriting, TextFileContents& contents) {
  FileHandle file;
  if (!OpenExistingFile(path, forWriting, file)) return {60027, GetLastError()};
  LARGE_INTEGER fileSize = {};
  if (!GetFileSizeEx(file.get(), &fileSize)) return {60033, GetLastError()};
  const long long size = fileSize.QuadPart;
  if (!FileFitsEditor(size)) return {60022, 0, size};
  contents.text = GlobalBlock::Allocate(static_cast<size_t>(ReadBufferSize(size)));
  if (!contents.text) return {60008, 0, ReadBufferSize(size)};
  DWORD read = 0;
  // One byte more than the size: the buffer keeps its terminator whatever happens.
  if (!ReadFileBytes(file, contents.text.data(), static_cast<DWORD>(size) + 1, &read)) {
    return {60033, GetLastError()};  // `file` closes as it goes
  }
  if (!CloseFile(file)) return {60042, GetLastError()};
  char* text = contents.text.data();
  text[read] = '\0';
  contents.format = DetectLineFormatOf(text);
  contents.length =
      static_cast<DWORD>(ConvertToEditorBytesInPlace(text, std::strlen(text), contents.format));
  return {};
}

}  // namespace

unsigned SizeForMessage(long long size) {
  return size > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<unsigned>(size < 0 ? 0 : size);
}

int ReadTextFile(HWND owner, const char* path, bool forWriting, TextFileContents& contents) {
  ReadFailure failure;
  {
    WaitCursor wait;
    SetStatus(60073, path);
    failure = ReadSteps(path, forWriting, contents);
  }
  switch (failure.message) {
    case 0:
      return 1;
    case 60022:
      return ShowMessage(owner, IDS_APPNAME, 60022, path, SizeForMessage(failure.size));
    case 60008:
      contents.text.Reset();
      return ShowMessage(owner, IDS_APPNAME, 60008, "text buffer", static_cast<int>(failure.size));
    default:
      contents.text.Reset();
      return ShowMessage(owner, kFileIoErrorTitle, failure.message, path,
                         static_cast<int>(failure.error));
  }
}
