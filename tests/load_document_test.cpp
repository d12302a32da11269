// Loading text files: conventions byte for byte, limits, access rules and failures.
#include <string>

#include "base/file_io.h"
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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = folder_.Write(c.name, c.bytes);
    HWND document = Open(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Text(document), c.shown);
    EXPECT_EQ(GetDocWord(document, kLineFormatWord), c.format);
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
    EXPECT_EQ(GetDocWord(document, kSavedWord), 1);
    EXPECT_EQ(GetDocWord(document, kViewingWord), 0);
    EXPECT_EQ(Title(document), path);
    EXPECT_EQ(StatusText(0), path + " opened");
    EXPECT_EQ(StatusText(1), "Ln 1");
    LONG start = -1, end = -1;
    GetEditSelection(DocEditControl(document), &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
    EXPECT_STREQ(AppOptions.FileSpec, path.c_str());
    EXPECT_STREQ(AppOptions.RecentFiles[0], path.c_str());
  }
  EXPECT_TRUE(beeps_.empty());
}

TEST_F(LoadDocument, TheSizeLimitRefusesTenMegabytesLessOneByteAndMore) {
  DialogAnswerer answerer;
  std::string big(10485759, 'x');
  const std::string tooBig = folder_.Write("too-big.txt", big);
  answerer.PressButton(IDOK);
  EXPECT_EQ(Open(tooBig), nullptr);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Last().title, "Norvel");
  EXPECT_EQ(answerer.Last().ControlText(101),
            "File: " + tooBig + "\r\rThis disk file is too large to load\r\rSize: 10485759 Bytes");
  EXPECT_EQ(DocumentCount(), 0);

  // One byte less loads (long lines keep the control quick).
  big.resize(10485758);
  for (size_t i = 999; i < big.size(); i += 1000) big[i] = '\n';
  const std::string largest = folder_.Write("largest.txt", big);
  HWND document = Open(largest);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), kUnixFormat);
  EXPECT_EQ(GetWindowTextLengthA(DocEditControl(document)),
            static_cast<int>(big.size() + big.size() / 1000));
}

TEST_F(LoadDocument, AReadOnlyFileOpensForViewingOrAsksFirst) {
  const std::string path = folder_.Write("locked.txt", "read me\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);

  AppOptions.ReadOnly = 1;  // view without asking
  HWND document = Open(path);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  EXPECT_NE(GetWindowLongA(DocEditControl(document), GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(StatusText(0), path + " opened for viewing");
  SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);

  AppOptions.ReadOnly = 0;
  DialogAnswerer answerer;
  answerer.PressButton(7 /* No */);
  EXPECT_EQ(Open(path), nullptr);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Last().ControlText(101),
            "File: " + path +
                "\r\rThis disk file is write protected on the drive\rWould you like to open it as "
                "Read-Only?");
  EXPECT_EQ(DocumentCount(), 0);

  answerer.PressKey(VK_RETURN);  // Yes is the default
  document = Open(path);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(LoadDocument, FailuresShowTheirMessageAndLeaveNoWindow) {
  const std::string path = folder_.Write("busy.txt", "text\n");
  DialogAnswerer answerer;
  const std::string file = "File: " + path;

  // Another program holds the file open without sharing: editing and viewing both fail.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  for (int viewing : {0, 1}) {
    answerer.PressButton(IDOK);
    EXPECT_EQ(Open(path, viewing), nullptr);
    EXPECT_EQ(answerer.Last().title, "File I/O Error");
    EXPECT_EQ(answerer.Last().ControlText(101),
              file + "\r\rError detected opening this disk file\r\rCode 32");
  }
  CloseHandle(held);

  InjectFileFailure(FileStep::Read, ERROR_CRC);
  answerer.PressButton(IDOK);
  EXPECT_EQ(Open(path), nullptr);
  EXPECT_EQ(answerer.Last().ControlText(101),
            file + "\r\rError detected reading data from this disk file\r\rCode 23");

  InjectFileFailure(FileStep::Close, ERROR_INVALID_HANDLE);
  answerer.PressButton(IDOK);
  EXPECT_EQ(Open(path), nullptr);
  EXPECT_EQ(answerer.Last().ControlText(101),
            file + "\r\rError detected closing this disk file\r\rCode 6");

  const std::string missing = folder_.File("missing.txt");
  answerer.PressButton(IDOK);
  EXPECT_EQ(Open(missing), nullptr);
  EXPECT_EQ(answerer.Last().title, "Norvel");
  EXPECT_EQ(answerer.Last().ControlText(101), "File: " + missing + "\r\rFile not found.");

  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  // The file was closed after each failure: it can be opened without sharing again.
  HANDLE again = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
}

TEST_F(LoadDocument, APercentSignInTheNameIsShownLiterally) {
  const std::string path = folder_.Write("100%s %d.txt", "x");
  HWND document = Open(path);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(Title(document), path);
  EXPECT_EQ(StatusText(0), path + " opened");
}

TEST_F(LoadDocument, SysEditFilesStayOutOfTheRecentList) {
  const std::string path = folder_.Write("system.ini", "[boot]\r\n");
  AppOptions.SysEditRequested = 1;
  lstrcpyA(AppOptions.FileSpec, "before");
  ASSERT_NE(Open(path), nullptr);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  EXPECT_STREQ(AppOptions.FileSpec, "before");
}

}  // namespace
