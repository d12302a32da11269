// Find, Replace, Replace All and Sort Selection through their real dialogs.
#include <optional>
#include <string>

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
         std::to_string(end) + "] " + DocumentFixture::StatusText(0) + " " + std::to_string(beeps) +
         (GetDocWord(document, kModifiedWord) ? "*" : "");
}

TEST_F(FindTest, ReplaceDialogButtonsActOnTheActiveDocument) {
  HWND document = New();
  answerer_.Leave();
  Command(IDM_REPLACE);
  Command(IDM_FIND);  // no second dialog while one is open
  HWND dialog = FindReplaceDialog;
  ASSERT_EQ(1u, answerer_.Count());
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
      {"abc", 1, 2, "zz", "y", 0, 1025, "abc [0,0] Cannot find 'zz' 1"},
      // Find Next takes no replacement from the dialog: the last one stays.
      {"Ab ab", 0, 0, "ab", "dog", FR_MATCHCASE, IDOK, "Ab ab [3,5] Replace 'ab' with 'y' 0"},
      {"abc", 3, 3, "c", "dog", 0, IDOK, "abc [3,3] Cannot find 'c' 1"},
      {"ab ab", 0, 0, "ab", "X", 0, 1024, "Xab ab [1,3] Replace 'ab' with 'X' 0*"},
      {a + "b", 1, 1, a, "", 0, 1025, "b [0,0] Replaced '" + a.substr(0, 245) + " 1*"},
  };
  for (const auto& c : cases) {
    Load(document, c.text, c.start, c.end);
    DialogAnswerer::SetControlText(dialog, 1152, c.find);
    DialogAnswerer::SetControlText(dialog, 1153, c.replace);
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
  ASSERT_TRUE(DialogAnswerer::Click(dialog, IDCANCEL));
  PumpMessages();
  EXPECT_EQ(FindReplaceDialog, nullptr);
}

// The new text goes into a new control; when its memory or the control cannot be had, the
// document keeps its old control, its text and its unchanged state.
TEST_F(FindTest, AReplaceAllThatFailsHalfwayChangesNothing) {
  HWND document = New();
  lstrcpyA(AppOptions.FindText, "ab");
  lstrcpyA(AppOptions.ReplaceText, "x");
  FINDREPLACEA request = {};
  request.Flags = FR_REPLACEALL;
  const std::pair<bool, std::string> rows[] = {
      {true, "Cannot create child edit control"},
      {false, "\rCannot allocate memory for text buffer\r\rSize: 20 bytes requested"}};
  for (const auto& [blockControl, said] : rows) {
    Load(document, "abab", 1, 1);
    HWND edit = DocEditControl(document);
    answerer_.PressButton(IDOK);
    {
      std::optional<BlockEditControls> blocked;
      if (blockControl) blocked.emplace();
      FailNextGlobalAllocations(blockControl ? 0 : 1);
      EXPECT_EQ(ReplaceAll(document, &request, AppOptions), 0);
      FailNextGlobalAllocations(0);
    }
    EXPECT_EQ(Said(), said);
    EXPECT_EQ(DocEditControl(document), edit);
    EXPECT_EQ(Text(document), "abab");
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
  }
}

// The sort dialog takes the order and the case box; a selection of less than two whole lines is
// refused; Undo takes a sort back; without memory for the text nothing changes.
TEST_F(FindTest, SortSelectionAsksThenReplacesTheLinesAsOneStep) {
  HWND document = New();
  const std::string refused = " Sort Selection Error";
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
      {"b\r\na\r\n", 0, 6, IDCANCEL, false, false, "2 lines selected for sorting  (1 - 2)",
       "b\r\na\r\n [0,6] Sorting canceled by user 0"},
      {"b\r\na\r\n", 1, 6, IDOK, true, true, refused, "b\r\na\r\n [1,6] - 1"},
  };
  for (const auto& c : cases) {
    Load(document, c.text, c.start, c.end);
    if (c.said == refused) {
      answerer_.PressButton(IDOK);
    } else {
      answerer_.Run([&](HWND dialog, DialogAnswerer&) {
        CheckRadioButton(dialog, IDC_SORT_ASCENDING, IDC_SORT_DESCENDING,
                         c.ascending ? IDC_SORT_ASCENDING : IDC_SORT_DESCENDING);
        CheckDlgButton(dialog, IDC_SORT_IGNORECASE, c.ignoreCase ? BST_CHECKED : BST_UNCHECKED);
        DialogAnswerer::Click(dialog, c.button);
      });
    }
    beeps_.clear();
    Command(IDM_SORT);
    EXPECT_EQ(c.seen, Seen(document, beeps_.size()));
    const DialogRecord& dialog = answerer_.Last();
    EXPECT_EQ(c.said, c.said == refused ? dialog.title : dialog.ControlText(IDC_SORT_SELECTED));
    EXPECT_EQ(c.said == refused, dialog.ControlText(101).find("\rPlease select at least two") == 0);
    if (!GetDocWord(document, kModifiedWord)) continue;
    SendMessageA(DocEditControl(document), EM_UNDO, 0, 0);
    EXPECT_EQ(c.text, Text(document));
  }
  Load(document, "b\r\na\r\n", 0, 6);
  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  beeps_.clear();
  Command(IDM_SORT);
  EXPECT_EQ("\rCannot allocate memory for text buffer\r\rSize: 7 bytes requested", Said());
  EXPECT_EQ("b\r\na\r\n [0,6] - 1", Seen(document, beeps_.size()));
}

}  // namespace
