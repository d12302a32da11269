// Loading text files: conventions, limits, access rules and failures; the Open command and the
// names its prompt returns; Insert File (its read and failures are those of a load).
#include "document_fixture.h"
#include "files/line_format.h"
#include "files/prompt_text.h"
#include "prompt_view.h"
#include "resources/resource.h"
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
  EXPECT_EQ(GetWindowTextLengthA(edit), static_cast<int>(big.size() + big.size() / 1000));
}

TEST_F(LoadDocument, AReadOnlyFileOpensForViewingOrAsksFirst) {
  const std::string path = folder_.Write("locked.txt", "read me\n");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
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
  const std::string path = folder_.Write("busy.txt", "text\n"), missing = folder_.File("x.txt");
  const std::string io = "File I/O Error|File: " + path + "\r\r";
  // Another program holds the file open without sharing: opening fails.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  const struct {
    std::string name;
    std::function<void()> fail;
    std::string said;
  } cases[] = {
      {path, [] {}, io + "Error detected opening this disk file\r\rCode 32"},
      {path,
       [&] {
         CloseHandle(held);
         InjectFileFailure(FileStep::Read, ERROR_CRC);
       },
       io + "Error detected reading data from this disk file\r\rCode 23"},
      {path, [] { FailNextGlobalAllocations(1); },
       "Norvel|\rCannot allocate memory for text buffer\r\rSize: 28 bytes requested"},
      {missing, [] {}, "Norvel|File: " + missing + "\r\rFile not found."},
  };
  for (const auto& c : cases) {
    c.fail();
    answerer_.PressButton(IDOK);
    EXPECT_EQ(Open(c.name), nullptr);
    EXPECT_EQ(answerer_.Last().title + "|" + Said(), c.said);
  }
  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  // The file was closed after each failure: it can be opened without sharing again.
  HANDLE again = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(again, INVALID_HANDLE_VALUE);
  CloseHandle(again);
}

// The insertion replaces the selection, and one Undo takes the whole of it back; a file that
// would pass the limit is refused before the text changes.
TEST_F(LoadDocument, InsertFileArrivesAsCrLfInPlaceOfTheSelectionAsOneUndo) {
  HWND document = WriteAndOpen("doc.txt", "first REPLACE\rsecond");  // Macintosh
  HWND edit = DocEditControl(document);
  SetEditSelection(edit, 5, 13);
  const std::string inserted = folder_.Write("lines.txt", std::string("1\n2\n\0hidden", 11));
  PromptView view;
  answerer_.Run(LookAndEnter(view, inserted));
  Command(IDM_INSERTFILE);
  EXPECT_EQ(view.title, "Select the Text File to Insert into this Document");
  EXPECT_EQ(StateOf(document), folder_.File("doc.txt") +
                                   "* | modified 1 saved 1 viewing 0 format 1 | first1\r\n2\r\n"
                                   "\r\nsecond");
  EXPECT_EQ(Selection(document), std::make_pair(5L, 11L));
  SendMessageA(edit, EM_UNDO, 0, 0);
  PumpMessages();
  EXPECT_EQ(Text(document), "first REPLACE\r\nsecond");
  // 5,300,000 line ends pass the size rule but double when they become CR LF: refused whole.
  const std::string ends = folder_.Write("ends.txt", std::string(5300000, '\n'));
  answerer_.EnterFileName(ends).PressButton(IDOK);
  Command(IDM_INSERTFILE);
  EXPECT_EQ(Said(),
            "File: " + ends + "\r\rThis disk file is too large to load\r\rSize: 5300000 Bytes");
  EXPECT_EQ(Text(document), "first REPLACE\r\nsecond");
}

// The names an Open prompt returns, split; a buffer without its end is never read past.
TEST(PromptText, SelectedPaths) {
  const std::string longFolder = "C:\\" + std::string(200, 'f'), longName(200, 'n');
  const std::pair<std::string, std::vector<std::string>> selections[] = {
      {std::string("C:\\dir\\a.txt\0\0", 14), {"C:\\dir\\a.txt"}},
      {std::string("C:\\dir\0a.txt\0b.txt\0\0", 20), {"C:\\dir\\a.txt", "C:\\dir\\b.txt"}},
      {std::string("D:\\\0a.txt\0\0", 11), {"D:\\a.txt"}},
      {"C:\\abcde", {}},
      {std::string("C:\\dir\0a.txt\0b.tx", 17), {"C:\\dir\\a.txt"}},
      {longFolder + '\0' + longName + std::string(2, '\0'),
       {(longFolder + "\\" + longName).substr(0, 255)}},
  };
  for (const auto& [buffer, expected] : selections) {
    std::vector<std::string> paths;
    ForEachSelectedPath(buffer.data(), buffer.size(), [&](const char* p) { paths.push_back(p); });
    EXPECT_EQ(paths, expected);
  }
}

TEST_F(LoadDocument, OpenCommandOpensTheChosenFilesOnceEach) {
  const std::string a = folder_.Write("a.txt", "alpha"), b = folder_.Write("b.txt", "beta\nline");
  answerer_.Run([this](HWND dialog, DialogAnswerer&) {
    DialogAnswerer::SetControlText(dialog, cmb13, folder_.path());
    DialogAnswerer::Click(dialog, IDOK);
    DialogAnswerer::Click(dialog, chx1);  // read-only: for viewing
    DialogAnswerer::SetControlText(dialog, cmb13, "\"a.txt\" \"b.txt\"");
    DialogAnswerer::Click(dialog, IDOK);
  });
  Command(IDM_OPEN);
  ASSERT_EQ(DocumentCount(), 2);
  EXPECT_EQ(Text(FindOpenDocument(a.c_str())), "alpha");
  EXPECT_EQ(Text(FindOpenDocument(b.c_str())), "beta\r\nline");
  EXPECT_EQ(GetDocWord(FindOpenDocument(b.c_str()), kViewingWord), 1);
  EXPECT_FALSE(BulkOperation);
}

}  // namespace
