// The help commands with the real help file: every context number opens its topic, the
// contents and the keyword index, links and Back, the window's keyboard, and the messages for a
// missing file, an unknown topic and an unknown help item.
#include "harness/harness.h"

#include <richedit.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "ui/help.h"
#include "ui/help_file.h"
#include "ui/help_window.h"

namespace {

constexpr int kMessageText = 101;  // the text control of the program's message dialogs

std::string Folder(const std::string& path) {
  return path.substr(0, path.find_last_of('\\'));
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The help file of the source tree: the build copies it beside norvel.exe (the folder above the
// tests); the source folder lies above the build folder.
std::string SourceHelpFile() {
  char exe[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  const std::string tests = Folder(exe);
  const std::string build = Folder(tests);
  for (const std::string& candidate :
       {Folder(build) + "\\help\\norvel.hlp", build + "\\norvel.hlp"}) {
    if (IsFile(candidate)) return candidate;
  }
  return std::string();
}

std::string ReadAll(const std::string& path) {
  std::string text;
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return text;
  text.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!text.empty()) ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &read, nullptr);
  text.resize(read);
  CloseHandle(file);
  return text;
}

bool WriteAll(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

std::string WindowText(HWND window) {
  std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 2, '\0');
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

std::string FirstLine(HWND window) {
  const std::string text = WindowText(window);
  return text.substr(0, text.find_first_of("\r\n"));
}

HWND Control(int id) {
  return GetDlgItem(HelpWindow(), id);
}

std::string ShownTitle() {
  return FirstLine(Control(kHelpTextId));
}

std::vector<std::string> ListTexts(HWND list) {
  std::vector<std::string> texts;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::vector<char> text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1);
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    texts.push_back(text.data());
  }
  return texts;
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
  char text[256] = "";
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof text;
  if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return "";
  return text;
}

std::string SelectedContents() {
  HWND tree = Control(kHelpContentsId);
  return TreeItemText(
      tree, reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

BOOL CALLBACK CountHelpWindow(HWND window, LPARAM count) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, kHelpWindowClass) == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int HelpWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountHelpWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Queues an OK for the next dialog, reading what it shows once it is fully up.
void ReadAndConfirm(DialogAnswerer& answerer, DialogRecord* shown) {
  answerer.Run(
      [shown](HWND dialog, DialogAnswerer&) {
        *shown = DialogAnswerer::Read(dialog);
        DialogAnswerer::Click(dialog, IDOK);
      },
      "read, then OK");
}

// A key press as the keyboard delivers it: posted to the focus and taken through the thread's
// message queue (where the help window's keyboard handling sits).
void PressKey(UINT key) {
  HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
  PumpMessages();
}

class HelpTest : public testing::Test {
 protected:
  void SetUp() override {
    lstrcpynA(savedHelpPath_, HelpPath, sizeof savedHelpPath_);
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "norvel-help-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    const std::string source = SourceHelpFile();
    ASSERT_FALSE(source.empty()) << "help\\norvel.hlp not found above the test program";
    helpText_ = ReadAll(source);
    ASSERT_FALSE(helpText_.empty());
    UseHelpFile("norvel.hlp", helpText_);
  }

  void TearDown() override {
    if (HelpWindow()) DestroyWindow(HelpWindow());
    PumpMessages();
    EXPECT_EQ(HelpWindowCount(), 0);
    for (const std::string& file : files_) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder_.c_str());
    lstrcpynA(HelpPath, savedHelpPath_, sizeof HelpPath);
  }

  // Writes `text` as the help file `name` in the test folder and makes it the help path.
  void UseHelpFile(const std::string& name, const std::string& text) {
    const std::string path = folder_ + "\\" + name;
    ASSERT_TRUE(WriteAll(path, text));
    files_.push_back(path);
    lstrcpynA(HelpPath, path.c_str(), sizeof HelpPath);
  }

  std::string folder_;
  std::string helpText_;
  std::vector<std::string> files_;
  char savedHelpPath_[256] = "";
};

TEST_F(HelpTest, EveryContextNumberOpensItsTopicInOneWindow) {
  const struct {
    UINT id;
    const char* title;
  } cases[] = {
      {100, "Editor options"},
      {105, "Time Stamp options"},
      {120, "SysEdit options"},
      {200, "Explorer options and shell integration"},
      {300, "Tools options"},
      {500, "Filters options"},
      {550, "Customizing the toolbar"},
      {800, "Version information"},
      {900, "Page Setup"},
      {1000, "Macros options"},
      {903, "How to Use Help"},
  };
  HWND first = nullptr;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    ASSERT_EQ(ContextHelp(nullptr, c.id), 1);
    PumpMessages();
    ASSERT_NE(HelpWindow(), nullptr);
    if (!first) first = HelpWindow();
    EXPECT_EQ(HelpWindow(), first) << "the open window is reused";
    EXPECT_TRUE(IsWindowVisible(HelpWindow()));
    EXPECT_EQ(WindowText(HelpWindow()), "Norvel Help");
    EXPECT_EQ(ShownTitle(), c.title);
    EXPECT_EQ(SelectedContents(), c.title) << "the contents follow the topic shown";
  }
  EXPECT_EQ(HelpWindowCount(), 1);
}

TEST_F(HelpTest, ContentsShowChaptersAndTheFirstTopic) {
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  ASSERT_NE(HelpWindow(), nullptr);
  char className[64] = "";
  GetClassNameA(HelpWindow(), className, sizeof className);
  EXPECT_STREQ(className, kHelpWindowClass);
  const DWORD style = static_cast<DWORD>(GetWindowLongA(HelpWindow(), GWL_STYLE));
  EXPECT_TRUE(style & WS_THICKFRAME) << "the window can be resized";
  EXPECT_EQ(SendMessageA(Control(kHelpTabsId), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(IsWindowVisible(Control(kHelpContentsId)));
  EXPECT_FALSE(IsWindowVisible(Control(kHelpKeywordEditId)));
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");
  EXPECT_EQ(GetFocus(), Control(kHelpContentsId));

  // The tree holds the loose topics and the chapters in file order, chapters with their topics.
  const HelpFile file = ParseHelpText(helpText_);
  HWND tree = Control(kHelpContentsId);
  std::vector<std::string> roots;
  for (HTREEITEM item =
           reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
       item; item = reinterpret_cast<HTREEITEM>(
                 SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
    roots.push_back(TreeItemText(tree, item));
  std::vector<std::string> expected = {file.topics[0].title, file.topics[1].title};
  expected.insert(expected.end(), file.chapters.begin(), file.chapters.end());
  EXPECT_EQ(roots, expected);
  EXPECT_EQ(SendMessageA(tree, TVM_GETCOUNT, 0, 0),
            static_cast<LRESULT>(file.topics.size() + file.chapters.size()));

  // A second request brings the same window back.
  HWND window = HelpWindow();
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  EXPECT_EQ(HelpWindow(), window);
  EXPECT_FALSE(IsIconic(window));
}

TEST_F(HelpTest, KeywordSearchFindsTopics) {
  const struct {
    const char* key;
    const char* keyword;  // the first keyword listed
    const char* topic;    // the topic shown
  } cases[] = {
      {"sort", "sort", "Sort Selection"},
      {"BACKUP", "backup", "Line ends and backup copies"},
      {"  tray", "tray", "Tray icon and Always on Top"},
      {"find", "Find", "Find and Replace"},
      {"$P", "$P", "Page Setup"},
      {"command tail", "command tail", "Tools menu"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    ASSERT_EQ(UserHelp(nullptr, 902, c.key), 1);
    PumpMessages();
    EXPECT_EQ(SendMessageA(Control(kHelpTabsId), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Control(kHelpKeywordListId)));
    EXPECT_EQ(WindowText(Control(kHelpKeywordEditId)), c.key);
    const std::vector<std::string> keywords = ListTexts(Control(kHelpKeywordListId));
    ASSERT_FALSE(keywords.empty());
    EXPECT_EQ(keywords.front(), c.keyword);
    const std::vector<std::string> found = ListTexts(Control(kHelpFoundListId));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.front(), c.topic);
    EXPECT_EQ(ShownTitle(), c.topic);
    EXPECT_EQ(GetFocus(), Control(kHelpKeywordEditId));
  }
}

TEST_F(HelpTest, TypingInTheKeywordBoxFiltersTheIndex) {
  ASSERT_EQ(UserHelp(nullptr, 902, nullptr), 1);  // no key: every keyword, the first topic
  PumpMessages();
  const HelpFile file = ParseHelpText(helpText_);
  HWND edit = Control(kHelpKeywordEditId);
  EXPECT_EQ(WindowText(edit), "");
  const std::vector<std::string> all = ListTexts(Control(kHelpKeywordListId));
  ASSERT_EQ(all.size(), file.keywords.size());
  EXPECT_EQ(all.front(), file.keywords.front().text);
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");

  SetWindowTextA(edit, "qqqq");
  PumpMessages();
  EXPECT_TRUE(ListTexts(Control(kHelpKeywordListId)).empty());
  EXPECT_TRUE(ListTexts(Control(kHelpFoundListId)).empty());
  SendMessageA(Control(kHelpDisplayId), BM_CLICK, 0, 0);
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel") << "nothing to display keeps the topic";

  SetWindowTextA(edit, "Indirect");
  PumpMessages();
  const std::vector<std::string> keywords = ListTexts(Control(kHelpKeywordListId));
  ASSERT_FALSE(keywords.empty());
  for (std::string keyword : keywords) {
    CharLowerBuffA(&keyword[0], static_cast<DWORD>(keyword.size()));
    EXPECT_NE(keyword.find("indirect"), std::string::npos) << keyword;
  }
  EXPECT_EQ(keywords.front(), "indirect list");
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel") << "typing alone shows nothing new";
  SetFocus(edit);
  PressKey(VK_RETURN);  // Enter displays the first topic found
  EXPECT_EQ(ShownTitle(), "Indirect file lists");
}

TEST_F(HelpTest, LinksOpenTheirTopicAndBackReturns) {
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  HWND text = Control(kHelpTextId);
  char className[32] = "";
  GetClassNameA(text, className, sizeof className);
  ASSERT_STRCASEEQ(className, "RichEdit20A");

  const HelpFile file = ParseHelpText(helpText_);
  const HelpLayout layout = LayOutHelpTopic(file, 0);
  const HelpSpan* link = nullptr;
  for (const HelpSpan& span : layout.spans) {
    if (span.kind == HelpSpanKind::Link) {
      link = &span;
      break;
    }
  }
  ASSERT_NE(link, nullptr);
  const std::string linkText = layout.text.substr(link->start, link->length);

  // The control's characters line up with the layout, and the link is formatted as one.
  char shown[256] = "";
  TEXTRANGEA range = {
      {static_cast<LONG>(link->start), static_cast<LONG>(link->start + link->length)}, shown};
  SendMessageA(text, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(std::string(shown), linkText);
  SendMessageA(text, EM_SETSEL, static_cast<WPARAM>(link->start),
               static_cast<LPARAM>(link->start + 1));
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  SendMessageA(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  EXPECT_TRUE(format.dwEffects & CFE_LINK);

  // A click on it opens the topic it names.
  POINTL at{};
  SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at),
               static_cast<LPARAM>(link->start + 1));
  const LPARAM point = MAKELPARAM(at.x + 2, at.y + 3);
  SendMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(text, WM_LBUTTONUP, 0, point);
  PumpMessages();
  const std::size_t target = FindHelpTopic(file, link->contextId);
  ASSERT_NE(target, kNoHelpTopic);
  EXPECT_EQ(ShownTitle(), file.topics[target].title);
  EXPECT_EQ(HelpWindowTopic(), target);
  EXPECT_TRUE(IsWindowEnabled(Control(kHelpBackId)));

  ASSERT_EQ(ContextHelp(nullptr, 300), 1);
  EXPECT_EQ(ShownTitle(), "Tools options");
  SendMessageA(Control(kHelpBackId), BM_CLICK, 0, 0);
  EXPECT_EQ(ShownTitle(), file.topics[target].title);
  SendMessageA(Control(kHelpBackId), BM_CLICK, 0, 0);
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");
  EXPECT_FALSE(IsWindowEnabled(Control(kHelpBackId)));
}

TEST_F(HelpTest, TabMovesBetweenControlsAndEscapeCloses) {
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  ASSERT_EQ(GetFocus(), Control(kHelpContentsId));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kHelpDisplayId)) << "Back is disabled, the index hidden";
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kHelpTextId)) << "the topic text lets Tab go on";
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kHelpTabsId));
  PressKey(VK_RIGHT);  // the tab control switches to the index
  EXPECT_TRUE(IsWindowVisible(Control(kHelpKeywordEditId)));
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kHelpKeywordEditId));

  PressKey(VK_ESCAPE);
  PumpMessages();
  EXPECT_EQ(HelpWindow(), nullptr);
  EXPECT_EQ(HelpWindowCount(), 0);
}

TEST_F(HelpTest, MissingHelpFileIsReported) {
  const std::string missing = folder_ + "\\absent.hlp";
  lstrcpynA(HelpPath, missing.c_str(), sizeof HelpPath);
  const std::string notFound = "File: " + missing + "\r\rFile not found.";
  const struct {
    const char* name;
    int (*call)();
    const char* title;
    std::string text;
  } cases[] = {
      {"contents", [] { return UserHelp(nullptr, 901, nullptr); }, "Error", notFound},
      {"search", [] { return UserHelp(nullptr, 902, "find"); }, "Error", notFound},
      {"search without key", [] { return UserHelp(nullptr, 902, nullptr); }, "Error", notFound},
      {"context", [] { return ContextHelp(nullptr, 100); }, "Norvel",
       "Help Topic ID: 100\r\rTopic not found in help file.\rCode: 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DialogAnswerer answerer;
    DialogRecord shown;
    ReadAndConfirm(answerer, &shown);
    EXPECT_EQ(c.call(), 0);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.ControlText(kMessageText), c.text);
    EXPECT_EQ(HelpWindow(), nullptr);
  }

  // How to use help needs no file: the help system brings that topic itself.
  DialogAnswerer none;
  EXPECT_EQ(UserHelp(nullptr, 903, nullptr), 1);
  EXPECT_EQ(none.Count(), 0u);
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_EQ(ShownTitle(), "How to Use Help");
  EXPECT_EQ(WindowText(HelpWindow()), "Norvel Help");
}

TEST_F(HelpTest, UnknownContextNumberIsReported) {
  for (UINT id : {7u, 99999u, 4294967295u}) {
    SCOPED_TRACE(id);
    DialogAnswerer answerer;
    DialogRecord shown;
    ReadAndConfirm(answerer, &shown);
    EXPECT_EQ(ContextHelp(nullptr, id), 0);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(shown.title, "Norvel");
    EXPECT_EQ(shown.ControlText(kMessageText), "Help Topic ID: " + std::to_string(id) +
                                                   "\r\rTopic not found in help file.\rCode: 1168");
    EXPECT_EQ(HelpWindow(), nullptr);
  }
}

TEST_F(HelpTest, UnknownHelpItemIsReported) {
  for (UINT item : {0u, 900u, 904u}) {
    SCOPED_TRACE(item);
    DialogAnswerer answerer;
    DialogRecord shown;
    ReadAndConfirm(answerer, &shown);
    EXPECT_EQ(UserHelp(nullptr, item, "find"), 0);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(shown.title, "Error");
    EXPECT_EQ(shown.ControlText(kMessageText),
              "UserHelp(item)\r\rInvalid help item specified (item:" + std::to_string(item) + ")");
    EXPECT_EQ(HelpWindow(), nullptr);
  }
}

TEST_F(HelpTest, MalformedHelpFilesStillOpen) {
  std::string garbage(5000, 'x');
  garbage += std::string(10, '\0') + "\r\r\n@topic\n@keywords ;;;\n@topic 12abc | \n" +
             std::string(70000, '@') + "\n{see 1";
  const struct {
    const char* name;
    std::string text;
    std::size_t topics;  // including the built-in topic on how to use help
  } cases[] = {
      {"empty.hlp", "", 1},
      {"no-topics.hlp", "@title Only a title\nsome text\n", 1},
      {"garbage.hlp", garbage, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    UseHelpFile(c.name, c.text);
    ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
    PumpMessages();
    EXPECT_EQ(SendMessageA(Control(kHelpContentsId), TVM_GETCOUNT, 0, 0),
              static_cast<LRESULT>(c.topics));
    ASSERT_EQ(UserHelp(nullptr, 903, nullptr), 1);
    EXPECT_EQ(ShownTitle(), "How to Use Help");
    DialogAnswerer answerer;
    DialogRecord shown;
    ReadAndConfirm(answerer, &shown);
    EXPECT_EQ(ContextHelp(nullptr, 100), 0);
    EXPECT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(shown.ControlText(kMessageText),
              "Help Topic ID: 100\r\rTopic not found in help file.\rCode: 1168");
  }
}

}  // namespace
