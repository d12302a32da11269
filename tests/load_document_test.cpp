// Loading text files: conventions, limits, access rules and failures.
#include <algorithm>

#include "document_fixture.h"
#include "files/line_format.h"
#include "ui/global_block.h"

namespace {

using LoadDocument = DocumentFixture;

TEST_F(LoadDocument, EachConventionIsDetectedAndShownWithCrLf) {
  const struct {
    const char* name;
    std::string bytes, shown;
    int format;
  } cases[] = {
      {"mac.txt", "a\rb\nc", "a\r\nb\nc", kMacintoshFormat},
      {"empty.txt", "", "", kWindowsFormat},
      {"zero-byte.txt", std::string("ab\nc\0hidden\n", 12), "ab\r\nc", kUnixFormat},
      {"100%s %d.txt", "x", "x", kWindowsFormat},  // shown literally
  };
  for (const auto& c : cases) {
    const std::string path = folder_.Write(c.name, c.bytes);
    HWND document = Open(path);
    EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 viewing 0 format " +
                                     std::to_string(c.format) + " | " + c.shown);
    EXPECT_EQ(StatusText(0) + "|" + StatusText(1), path + " opened|Ln 1");
    EXPECT_EQ(Selection(document), std::make_pair(0L, 0L));
    EXPECT_EQ(std::string(AppOptions.FileSpec) + "|" + AppOptions.RecentFiles[0],
              path + "|" + path);
  }
}

TEST_F(LoadDocument, TheSizeLimitRefusesTenMegabytesLessOneByteAndMore) {
  std::string big(10485759, 'x');
  const std::string tooBig = folder_.Write("too-big.txt", big);
  answerer_.PressButton(IDOK);
  EXPECT_EQ(Open(tooBig), nullptr);
  EXPECT_EQ(Said(),
            "File: " + tooBig + "\r\rThis disk file is too large to load\r\rSize: 10485759 Bytes");
  // One byte less loads whole, though its CR LF text passes the control's usual limit (long
  // lines keep the control quick).
  big.resize(10485758);
  for (size_t i = 999; i < big.size(); i += 1000) big[i] = '\n';
  HWND edit = DocEditControl(WriteAndOpen("largest.txt", big));
  const int length = static_cast<int>(big.size() + big.size() / 1000);
  EXPECT_EQ(GetWindowTextLengthA(edit), length);
  EXPECT_GE(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), length);
}

TEST_F(LoadDocument, AReadOnlyFileOpensForViewingOrAsksFirst) {
  const std::string path = folder_.Write("locked.txt", "read me\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  AppOptions.ReadOnly = 1;  // view without asking
  Close(Open(path));
  EXPECT_EQ(StatusText(0), path + " opened for viewing");
  AppOptions.ReadOnly = 0;
  answerer_.PressButton(IDNO).PressKey(VK_RETURN);  // then Yes, the default
  EXPECT_EQ(Open(path), nullptr);
  EXPECT_EQ(Said(), "File: " + path +
                        "\r\rThis disk file is write protected on the drive\rWould you like to "
                        "open it as Read-Only?");
  EXPECT_EQ(StateOf(Open(path)),
            path + " | modified 0 saved 1 viewing 1 read-only format 2 | read me\r\n");
}

// Each failure shows its message (title|text) and leaves no window and no recent entry.
TEST_F(LoadDocument, FailuresShowTheirMessageAndLeaveNoWindow) {
  const std::string path = folder_.Write("busy.txt", "text\n"), file = "File: " + path + "\r\r";
  const std::string missing = folder_.File("missing.txt"), io = "File I/O Error|" + file;
  // Another program holds the file open without sharing: editing and viewing both fail.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const struct {
    std::string name;
    int viewing;
    std::function<void()> fail;
    std::string said;
  } cases[] = {
      {path, 0, [] {}, io + "Error detected opening this disk file\r\rCode 32"},
      {path, 1, [] {}, io + "Error detected opening this disk file\r\rCode 32"},
      {path, 0,
       [&] {
         CloseHandle(held);
         InjectFileFailure(FileStep::Read, ERROR_CRC);
       },
       io + "Error detected reading data from this disk file\r\rCode 23"},
      {path, 0, [] { InjectFileFailure(FileStep::Close, ERROR_INVALID_HANDLE); },
       io + "Error detected closing this disk file\r\rCode 6"},
      {path, 0, [] { FailNextGlobalAllocations(1); },
       "Norvel|\rCannot allocate memory for text buffer\r\rSize: 28 bytes requested"},
      {missing, 0, [] {}, "Norvel|File: " + missing + "\r\rFile not found."},
  };
  for (const auto& c : cases) {
    c.fail();
    answerer_.PressButton(IDOK);
    EXPECT_EQ(Open(c.name, c.viewing), nullptr);
    EXPECT_EQ(answerer_.Last().title + "|" + Said(), c.said);
  }
  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  // The file was closed after each failure: it can be opened without sharing again.
  HANDLE again = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
}

std::vector<std::string> statusTexts;  // status part 0, as set while RecordStatus is hooked
LRESULT CALLBACK RecordStatus(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (call->hwnd == StatusBar && call->message == SB_SETTEXTA && LOBYTE(call->wParam) == 0)
    statusTexts.push_back(reinterpret_cast<const char*>(call->lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Over one megabyte the status line counts the reading out, in rising shares up to 100 %.
TEST_F(LoadDocument, AFileOverOneMegabyteCountsItsReadingOut) {
  for (const size_t size : {size_t{1048576}, size_t{1048577}}) {
    std::string bytes(size, 'x');
    for (size_t i = 99; i < size; i += 100) bytes[i] = '\n';
    const std::string path = folder_.Write("big.txt", bytes), counting = "Reading " + path + ": ";
    statusTexts.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordStatus, nullptr, GetCurrentThreadId());
    Close(Open(path));
    UnhookWindowsHookEx(hook);
    std::vector<int> shares;
    for (const std::string& text : statusTexts)
      if (text.rfind(counting, 0) == 0) shares.push_back(std::stoi(text.substr(counting.size())));
    EXPECT_EQ(
        shares.size() >= 10 && std::is_sorted(shares.begin(), shares.end()) && shares.back() == 100,
        size > 1048576);
    EXPECT_EQ(statusTexts.back(), path + " opened");
  }
}

}  // namespace
