// Find, Replace, Replace All and Sort Selection through their real dialogs, and the one-pass
// Replace All and sort against the hit-by-hit and line-by-line ways through the control.
#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "document_fixture.h"
#include "editing/find_replace.h"
#include "resources/resource.h"
#include "ui/global_block.h"
#include "ui/status.h"

namespace {

using FindTest = DocumentFixture;

void Load(HWND document, const std::string& text, LONG start, LONG end) {
  SetEditText(DocEditControl(document), text.data(), text.size());
  SetEditSelection(DocEditControl(document), start, end);
  SetDocWord(document, kModifiedWord, 0);
  SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("-"));
}

// Text, selection, status, beeps and "*" when changed: what the user can tell.
std::string Seen(HWND document, size_t beeps) {
  const auto [start, end] = DocumentFixture::Selection(document);
  return DocumentFixture::Text(document) + " [" + std::to_string(start) + "," +
         std::to_string(end) + "] " + DocumentFixture::StatusText(0) + " " +
         std::to_string(beeps) + (GetDocWord(document, kModifiedWord) ? "*" : "");
}

std::string Pick(std::mt19937& random, const std::vector<std::string>& pieces, size_t count) {
  std::string text;
  while (count-- > 0) text += pieces[random() % pieces.size()];
  return text;
}

TEST_F(FindTest, ReplaceDialogStandsWhereLeftAndItsButtonsActOnTheActiveDocument) {
  HWND document = New();
  AppOptions.Replace = {25, 30000, 0, 0, 0};  // far right: 70 pixels from the screen's edge
  AppOptions.MatchCase = 1;
  answerer_.Leave();
  Command(IDM_REPLACE);
  Command(IDM_FIND);  // no second dialog while one is open
  HWND dialog = FindReplaceDialog;
  ASSERT_EQ(1u, answerer_.Count());
  RECT rect;
  GetWindowRect(dialog, &rect);
  EXPECT_EQ(std::make_pair(ScreenRect.right - 70, 25L), std::make_pair(rect.left, rect.top));
  EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(SendDlgItemMessageA(dialog, 2400, STM_GETICON, 0, 0) && IsDlgButtonChecked(dialog, 1041));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 1038)));
  auto grayed = [&](UINT id) { return GetMenuState(GetMenu(frame_), id, 0) & MF_GRAYED; };
  EXPECT_TRUE(grayed(IDM_FIND) && grayed(IDM_REPLACE));
  const std::string a(255, 'a');
  const struct {
    std::string text;
    LONG start, end;
    std::string find, replace;
    DWORD flags;
    int button;
    std::string seen;
  } cases[] = {
      {"abab", 2, 2, "ab", "xab", 0, 1025, "xabxab [3,6] Replaced 'ab' with 'xab' 2 times 1*"},
      {"one two", 5, 5, "two", "2", 0, 1025, "one 2 [4,5] Replaced 'two' with '2' 1 time 1*"},
      {"abc", 1, 2, "zz", "y", 0, 1025, "abc [0,0] Cannot find 'zz' 1"},
      {"..", 0, 0, ".", "x", FR_WHOLEWORD, 1025, "x. [0,1] Replaced '.' with 'x' 1 time 1*"},
      {"cat concat\r\ncat", 0, 0, "cat", "dog", FR_WHOLEWORD, 1025,
       "dog concat\r\ndog [12,15] Replaced 'cat' with 'dog' 2 times 1*"},
      // Find Next takes no replacement from the dialog: the last one stays.
      {"a a a", 0, 1, "a", "dog", 0, IDOK, "a a a [2,3] Replace 'a' with 'dog' 0"},
      {"xya", 0, 0, "A", "dog", 0, IDOK, "xya [2,3] Replace 'A' with 'dog' 0"},
      {"Ab ab", 0, 0, "ab", "dog", FR_MATCHCASE, IDOK, "Ab ab [3,5] Replace 'ab' with 'dog' 0"},
      {"abc", 3, 3, "c", "dog", 0, IDOK, "abc [3,3] Cannot find 'c' 1"},
      {"ab ab", 0, 0, "ab", "X", 0, 1024, "Xab ab [1,3] Replace 'ab' with 'X' 0*"},
      {a + "b", 1, 1, a, "", 0, 1025, "b [0,0] Replaced '" + a.substr(0, 245) + " 1*"},
  };
  for (const auto& c : cases) {
    Load(document, c.text, c.start, c.end);
    DialogAnswerer::SetControlText(dialog, 1152, c.find);
    DialogAnswerer::SetControlText(dialog, 1153, c.replace);
    CheckDlgButton(dialog, 1040, (c.flags & FR_WHOLEWORD) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, 1041, (c.flags & FR_MATCHCASE) ? BST_CHECKED : BST_UNCHECKED);
    beeps_.clear();
    ASSERT_TRUE(DialogAnswerer::Click(dialog, c.button));
    EXPECT_EQ(c.seen, Seen(document, beeps_.size()));
    EXPECT_EQ((c.flags & FR_MATCHCASE) != 0, AppOptions.MatchCase == 1);
  }
  // A document only viewed keeps its text; with none active every request is a failed search.
  HWND viewed = WriteAndOpen("viewed.txt", "abab", 1);
  DialogAnswerer::SetControlText(dialog, 1152, "ab");
  beeps_.clear();
  ASSERT_TRUE(DialogAnswerer::Click(dialog, 1025) && DialogAnswerer::Click(dialog, 1024));
  EXPECT_EQ("abab", Text(viewed));
  Close(viewed);
  Close(document);
  ASSERT_TRUE(DialogAnswerer::Click(dialog, IDOK));
  EXPECT_EQ("Cannot find 'ab' 3", StatusText(0) + " " + std::to_string(beeps_.size()));
  New();
  SetWindowPos(dialog, nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(DialogAnswerer::Click(dialog, IDCANCEL));
  PumpMessages();
  EXPECT_EQ(std::make_pair(120L, 90L), std::make_pair(AppOptions.Replace.Left, AppOptions.Replace.Top));
  EXPECT_FALSE(FindReplaceDialog || grayed(IDM_FIND) || grayed(IDM_REPLACE));
  AppOptions.Find = {33, 44, 0, 0, 0};
  answerer_.Leave();
  Command(IDM_FIND);
  GetWindowRect(FindReplaceDialog, &rect);
  EXPECT_EQ(std::make_pair(44L, 33L), std::make_pair(rect.left, rect.top));
  EXPECT_TRUE(SendDlgItemMessageA(FindReplaceDialog, 2300, STM_GETICON, 0, 0));
  EXPECT_EQ(" Find | Find 'ab'", Title(FindReplaceDialog) + " | " + StatusText(0));
}

// The new text goes into a new control; when its memory or the control cannot be had, the
// document keeps its old control, its text and its unchanged state.
TEST_F(FindTest, AReplaceAllThatFailsHalfwayChangesNothing) {
  HWND document = New();
  lstrcpyA(AppOptions.FindText, "ab");
  lstrcpyA(AppOptions.ReplaceText, "x");
  FINDREPLACEA request = {};
  request.lStructSize = sizeof request;
  request.lpstrFindWhat = AppOptions.FindText;
  request.lpstrReplaceWith = AppOptions.ReplaceText;
  request.Flags = FR_REPLACEALL;
  const struct {
    bool blockControl;
    int failedAllocations;
    std::string said;
  } rows[] = {{true, 0, "Cannot create child edit control"},
              {false, 1, "\rCannot allocate memory for text buffer\r\rSize: 20 bytes requested"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.said);
    Load(document, "abab", 1, 1);
    HWND edit = DocEditControl(document);
    answerer_.PressButton(IDOK);
    {
      std::optional<BlockEditControls> blocked;
      if (row.blockControl) blocked.emplace();
      FailNextGlobalAllocations(row.failedAllocations);
      EXPECT_EQ(ReplaceAll(document, &request, AppOptions), 0);
      FailNextGlobalAllocations(0);
    }
    EXPECT_EQ(Said(), row.said);
    EXPECT_EQ(DocEditControl(document), edit);
    EXPECT_EQ(Text(document), "abab");
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
  }
}

TEST_F(FindTest, ReplaceAllInOnePassEqualsTheHitByHitLoop) {
  HWND loop = New();
  HWND bulk = New();
  std::mt19937 random(12);
  const std::vector<std::string> pieces = {"a", "b", "A", "\xE9", "\xC9", "_", "1", " ", ".",
                                           "'", "\r\n", "ab", "ba", "aab", "..", ".a"};
  const std::vector<std::string> findPieces = {"a", "b", "A", "\xE9", "\xC9", "_", "1", " ", "."};
  for (int round = 0; round < 120; ++round) {
    const std::string text = Pick(random, pieces, random() % 40);
    const std::string find = Pick(random, findPieces, 1 + random() % 3 / 2);
    std::string replace = Pick(random, findPieces, random() % 3);
    if (random() % 3 == 0) replace = replace + find + Pick(random, findPieces, random() % 2);
    SCOPED_TRACE(text + " | " + find + " | " + replace);
    lstrcpyA(AppOptions.FindText, find.c_str());
    lstrcpyA(AppOptions.ReplaceText, replace.c_str());
    FINDREPLACEA request = {};
    request.Flags = (random() % 2 ? FR_MATCHCASE : 0) | (random() % 2 ? FR_WHOLEWORD : 0);
    Load(loop, text, 0, 0);
    Load(bulk, text, 3, 3);
    beeps_.clear();
    int count = FindNext(loop, &request, AppOptions);
    while (count > 0 && ReplaceOne(loop, &request, AppOptions)) ++count;
    SetStatus(count ? 60087 : 60088, find.c_str(), replace.c_str(), count, count == 1 ? "" : "s");
    const std::string expected = Seen(loop, beeps_.size());
    beeps_.clear();
    EXPECT_EQ(1, ReplaceAll(bulk, &request, AppOptions));
    EXPECT_EQ(expected, Seen(bulk, beeps_.size()));
    EXPECT_EQ(SendMessageA(DocEditControl(loop), EM_CANUNDO, 0, 0),
              SendMessageA(DocEditControl(bulk), EM_CANUNDO, 0, 0));
  }
}

// The sort dialog's answer: the order, the case box and a new place, then the button.
DialogAnswerer::Action SortAnswer(bool ascending, bool ignoreCase, int button, LONG left) {
  return [=](HWND dialog, DialogAnswerer&) {
    CheckRadioButton(dialog, IDC_SORT_ASCENDING, IDC_SORT_DESCENDING,
                     ascending ? IDC_SORT_ASCENDING : IDC_SORT_DESCENDING);
    CheckDlgButton(dialog, IDC_SORT_IGNORECASE, ignoreCase ? BST_CHECKED : BST_UNCHECKED);
    SetWindowPos(dialog, nullptr, left, 66, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DialogAnswerer::Click(dialog, button);
  };
}

TEST_F(FindTest, SortSelectionAsksThenReplacesTheLinesAsOneStep) {
  HWND document = New();
  const std::string x(5000, 'x'), y(5000, 'y'), refused = " Sort Selection Error";
  const struct {
    std::string text;
    LONG start, end;
    int button;
    bool ascending, ignoreCase;
    std::string said, seen;
  } cases[] = {
      {"b\r\na\r\nc\r\nz", 0, 9, IDOK, true, true, "3 lines selected for sorting  (1 - 3)",
       "a\r\nb\r\nc\r\nz [0,9] Sorting of 3 lines completed 0*"},
      {"q\r\napple\r\nBanana\r\ncherry\r\n", 3, -1, IDOK, false, true,
       "3 lines selected for sorting  (2 - 4)",
       "q\r\ncherry\r\nBanana\r\napple\r\n [3,26] Sorting of 3 lines completed 0*"},
      {"B\r\nb\r\n", 0, -1, IDOK, true, false, "2 lines selected for sorting  (1 - 2)",
       "b\r\nB\r\n [0,6] Sorting of 2 lines completed 0*"},
      {y + "\r\n" + x + "\r\n", 0, -1, IDOK, true, true, "2 lines selected for sorting  (1 - 2)",
       x + "\r\n" + y + "\r\n [0,10004] Sorting of 2 lines completed 0*"},
      {"b\r\na\r\n", 0, 6, IDCANCEL, false, false, "2 lines selected for sorting  (1 - 2)",
       "b\r\na\r\n [0,6] Sorting canceled by user 0"},
      {"b\r\na", 0, 4, IDOK, true, true, refused, "b\r\na [0,4] - 1"},
      {"b\r\na\r\n", 1, 6, IDOK, true, true, refused, "b\r\na\r\n [1,6] - 1"},
      {"b\r\na\r\n", 0, 3, IDOK, true, true, refused, "b\r\na\r\n [0,3] - 1"},
  };
  AppOptions.Sort.Left = 44;
  LONG storedLeft = 44;
  for (const auto& c : cases) {
    Load(document, c.text, c.start, c.end);
    const LONG left = storedLeft + 10;
    if (c.said == refused) {
      answerer_.PressButton(IDOK);
    } else {
      answerer_.Run([&](HWND dialog, DialogAnswerer& answerer) {
        RECT rect;
        GetWindowRect(dialog, &rect);
        EXPECT_EQ(storedLeft, rect.left);
        EXPECT_EQ("Sort text selection", StatusText(0));
        SortAnswer(c.ascending, c.ignoreCase, c.button, left)(dialog, answerer);
      });
    }
    beeps_.clear();
    Command(IDM_SORT);
    EXPECT_EQ(c.seen, Seen(document, beeps_.size()));
    const DialogRecord& dialog = answerer_.Last();
    EXPECT_EQ(c.said, c.said == refused ? dialog.title : dialog.ControlText(IDC_SORT_SELECTED));
    EXPECT_EQ(c.said == refused, dialog.ControlText(101).find("\rPlease select at least two") == 0);
    if (!GetDocWord(document, kModifiedWord)) continue;
    storedLeft = left;
    EXPECT_EQ(c.ascending, AppOptions.Ascending == 1);
    SendMessageA(DocEditControl(document), EM_UNDO, 0, 0);
    EXPECT_EQ(c.text, Text(document));
  }
  EXPECT_EQ(storedLeft, AppOptions.Sort.Left);
  Load(document, "b\r\na\r\n", 0, 6);
  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  beeps_.clear();
  Command(IDM_SORT);
  EXPECT_EQ("\rCannot allocate memory for text buffer\r\rSize: 7 bytes requested",
            answerer_.Last().ControlText(101));
  EXPECT_EQ("b\r\na\r\n [0,6] - 1", Seen(document, beeps_.size()));
}

TEST_F(FindTest, SortOfLineViewsEqualsTheLineByLineSort) {
  HWND document = New();
  std::mt19937 random(5);
  const std::vector<std::string> pieces = {"a", "b", "A", "B", "\xE9", "\xC9", " ", "-", "1", "'"};
  for (int round = 0; round < 30; ++round) {
    std::vector<std::string> expected(2 + random() % 20);
    std::string text;
    for (auto& line : expected) text += line = Pick(random, pieces, random() % 6) + "\r\n";
    const bool ascending = random() % 2, ignoreCase = random() % 2;
    Load(document, text + "end", 0, static_cast<LONG>(text.size()));
    // Line by line: each line as the control gives it into a 2048-byte slot.
    for (size_t i = 0; i < expected.size(); ++i) {
      char slot[2048] = {};
      *reinterpret_cast<WORD*>(slot) = sizeof slot;
      expected[i].assign(slot, SendMessageA(DocEditControl(document), EM_GETLINE, i,
                                            reinterpret_cast<LPARAM>(slot)));
    }
    auto compare = [&](const std::string& a, const std::string& b) {
      const char* first = (ascending ? a : b).c_str();
      const char* second = (ascending ? b : a).c_str();
      return ignoreCase ? lstrcmpiA(first, second) : lstrcmpA(first, second);
    };
    std::stable_sort(expected.begin(), expected.end(),
                     [&](const std::string& a, const std::string& b) { return compare(a, b) < 0; });
    answerer_.Run(SortAnswer(ascending, ignoreCase, IDOK, 50));
    Command(IDM_SORT);
    std::vector<std::string> got;
    const std::string sorted = Text(document);
    for (size_t at = 0; got.size() < expected.size(); at = sorted.find('\n', at) + 1) {
      got.push_back(sorted.substr(at, sorted.find('\n', at) + 1 - at));
    }
    // Lines that compare equal may stand in any order: such runs are compared as multisets.
    for (size_t i = 0; i < got.size(); ++i) EXPECT_EQ(0, compare(got[i], expected[i])) << i;
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, got);
  }
}

}  // namespace
