// Loading text files: conventions byte for byte, limits, access rules and failures.
#include <algorithm>
#include <string>
#include <vector>

#include "document_fixture.h"
#include "files/line_format.h"
#include "files/load_document.h"

namespace {

using LoadDocument = DocumentFixture;

TEST_F(LoadDocument, EachConventionIsDetectedAndShownWithCrLf) {
  const struct {
    const char* name;
    std::string bytes;
    std::string shown;
    int format;
  } cases[] = {
      {"windows.txt", "a\r\nb\rc\n", "a\r\nb\rc\n", kWindowsFormat},
      {"mac.txt", "a\rb\nc", "a\r\nb\nc", kMacintoshFormat},
      {"unix.txt", "a\nb\n", "a\r\nb\r\n", kUnixFormat},
      {"plain.txt", "no line end", "no line end", kWindowsFormat},
      {"empty.txt", "", "", kWindowsFormat},
      {"zero-byte.txt", std::string("ab\nc\0hidden\n", 12), "ab\r\nc", kUnixFormat},
      {"100%s %d.txt", "x", "x", kWindowsFormat},  // shown literally
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder_.Write(c.name, c.bytes);
    HWND document = Open(path);
    EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 viewing 0 format " +
                                     std::to_string(c.format) + " | " + c.shown);
    EXPECT_EQ(StatusText(0), path + " opened");
    EXPECT_EQ(StatusText(1), "Ln 1");
    EXPECT_EQ(Selection(document), std::make_pair(0L, 0L));
    EXPECT_STREQ(AppOptions.FileSpec, path.c_str());
    EXPECT_STREQ(AppOptions.RecentFiles[0], path.c_str());
  }
  EXPECT_TRUE(beeps_.empty());
}

TEST_F(LoadDocument, TheSizeLimitRefusesTenMegabytesLessOneByteAndMore) {
  std::string big(10485759, 'x');
  const std::string tooBig = folder_.Write("too-big.txt", big);
  answerer_.PressButton(IDOK);
  EXPECT_EQ(Open(tooBig), nullptr);
  EXPECT_EQ(answerer_.Last().title, "Norvel");
  EXPECT_EQ(Said(),
            "File: " + tooBig + "\r\rThis disk file is too large to load\r\rSize: 10485759 Bytes");
  EXPECT_EQ(DocumentCount(), 0);

  // One byte less loads whole, though its CR LF text passes the control's usual limit (long
  // lines keep the control quick).
  big.resize(10485758);
  for (size_t i = 999; i < big.size(); i += 1000) big[i] = '\n';
  HWND document = WriteAndOpen("largest.txt", big);
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), kUnixFormat);
  const int length = static_cast<int>(big.size() + big.size() / 1000);
  EXPECT_EQ(GetWindowTextLengthA(DocEditControl(document)), length);
  EXPECT_GE(SendMessageA(DocEditControl(document), EM_GETLIMITTEXT, 0, 0), length);
}

TEST_F(LoadDocument, AReadOnlyFileOpensForViewingOrAsksFirst) {
  const std::string path = folder_.Write("locked.txt", "read me\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);

  AppOptions.ReadOnly = 1;  // view without asking
  HWND document = Open(path);
  EXPECT_EQ(StateOf(document),
            path + " | modified 0 saved 1 viewing 1 read-only format 2 | read me\r\n");
  EXPECT_EQ(StatusText(0), path + " opened for viewing");
  Close(document);

  AppOptions.ReadOnly = 0;
  answerer_.PressButton(IDNO).PressKey(VK_RETURN);  // then Yes, the default
  EXPECT_EQ(Open(path), nullptr);
  EXPECT_EQ(Said(), "File: " + path +
                        "\r\rThis disk file is write protected on the drive\rWould you like to "
                        "open it as Read-Only?");
  EXPECT_EQ(DocumentCount(), 0);
  document = Open(path);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(LoadDocument, FailuresShowTheirMessageAndLeaveNoWindow) {
  const std::string path = folder_.Write("busy.txt", "text\n");
  const auto fails = [&](const std::string& file, int viewing, const std::string& title,
                         const std::string& message) {
    answerer_.PressButton(IDOK);
    EXPECT_EQ(Open(file, viewing), nullptr);
    EXPECT_EQ(answerer_.Last().title, title);
    EXPECT_EQ(Said(), "File: " + file + "\r\r" + message);
  };
  // Another program holds the file open without sharing: editing and viewing both fail.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  for (int viewing : {0, 1})
    fails(path, viewing, "File I/O Error", "Error detected opening this disk file\r\rCode 32");
  CloseHandle(held);

  InjectFileFailure(FileStep::Read, ERROR_CRC);
  fails(path, 0, "File I/O Error", "Error detected reading data from this disk file\r\rCode 23");
  InjectFileFailure(FileStep::Close, ERROR_INVALID_HANDLE);
  fails(path, 0, "File I/O Error", "Error detected closing this disk file\r\rCode 6");
  fails(folder_.File("missing.txt"), 0, "Norvel", "File not found.");

  // A name that is found but whose size cannot be read fails at the open (no attributes
  // either: first the "write protected" question).
  const std::string pattern = folder_.File("*.txt");
  answerer_.PressButton(IDYES).PressButton(IDOK);
  EXPECT_EQ(Open(pattern), nullptr);
  EXPECT_EQ(answerer_.Last().title, "File I/O Error");
  EXPECT_EQ(
      Said().rfind("File: " + pattern + "\r\rError detected opening this disk file\r\rCode ", 0),
      0u);

  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  // The file was closed after each failure: it can be opened without sharing again.
  HANDLE again = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
}

TEST_F(LoadDocument, SysEditFilesStayOutOfTheRecentList) {
  AppOptions.SysEditRequested = 1;
  lstrcpyA(AppOptions.FileSpec, "before");
  ASSERT_NE(WriteAndOpen("system.ini", "[boot]\r\n"), nullptr);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  EXPECT_STREQ(AppOptions.FileSpec, "before");
}

std::vector<std::string> statusTexts;  // status part 0, as set while RecordStatus is hooked
LRESULT CALLBACK RecordStatus(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (call->hwnd == StatusBar && call->message == SB_SETTEXTA && LOBYTE(call->wParam) == 0)
    statusTexts.push_back(reinterpret_cast<const char*>(call->lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
TEST_F(LoadDocument, AFileOverOneMegabyteCountsItsReadingOut) {
  for (const size_t size : {size_t{1048576}, size_t{1048577}}) {
    std::string bytes(size, 'x');
    for (size_t i = 99; i < size; i += 100) bytes[i] = '\n';
    const std::string path = folder_.Write("big.txt", bytes), counting = "Reading " + path + ": ";
    statusTexts.clear();
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordStatus, nullptr, GetCurrentThreadId());
    Close(Open(path));
    UnhookWindowsHookEx(hook);
    std::vector<int> shares;  // the counts shown, in order
    for (const std::string& text : statusTexts)
      if (text.rfind(counting, 0) == 0) shares.push_back(std::stoi(text.substr(counting.size())));
    EXPECT_EQ(shares.size() >= 10 && std::is_sorted(shares.begin(), shares.end()) && shares.back() == 100,
              size > 1048576);
    EXPECT_EQ(statusTexts.back(), path + " opened");
  }
}

}  // namespace
