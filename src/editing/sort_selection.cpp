// Sort Selection: the selected lines read in one piece, sorted as views into it, and written
// back as one undoable replacement.
#include "editing/sort_selection.h"

#include <cstdlib>
#include <cstring>

#include "base/globals.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "resources/resource.h"
#include "settings/placement.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/wait_cursor.h"
#include "ui/window_text.h"

namespace {

// One line of the selection, with its line end, terminated: the platform's comparisons take
// whole strings. Lines of any length sort whole.
struct LineView {
  const char* text;
  size_t length;
};

// The comparison sees only two lines, so the order it follows is set here before a sort.
bool SortAscending = true;
bool SortIgnoreCase = true;

int __cdecl CompareLines(const void* a, const void* b) {
  const char* first = static_cast<const LineView*>(SortAscending ? a : b)->text;
  const char* second = static_cast<const LineView*>(SortAscending ? b : a)->text;
  return SortIgnoreCase ? lstrcmpiA(first, second) : lstrcmpA(first, second);
}

// The sort settings the dialog works on; copied back only on OK.
struct SortSettings {
  int count;
  int firstLine;
  DWORD ascending;
  DWORD ignoreCase;
  PlacementRecord placement;
};

INT_PTR CALLBACK SortDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    const auto& settings = *reinterpret_cast<SortSettings*>(lParam);
    SetDlgItemTextById(dialog, IDC_SORT_SELECTED, IDS_SORT_SELECTED, settings.count,
                       settings.firstLine + 1, settings.firstLine + settings.count);
    CheckRadioButton(dialog, IDC_SORT_ASCENDING, IDC_SORT_DESCENDING,
                     settings.ascending ? IDC_SORT_ASCENDING : IDC_SORT_DESCENDING);
    CheckDlgButton(dialog, IDC_SORT_IGNORECASE, settings.ignoreCase ? BST_CHECKED : BST_UNCHECKED);
    MoveToPlacement(dialog, settings.placement, HWND_NOTOPMOST);
    return TRUE;
  }
  auto* settings = reinterpret_cast<SortSettings*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (message != WM_COMMAND || !settings) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    settings->ascending = IsDlgButtonChecked(dialog, IDC_SORT_ASCENDING) == BST_CHECKED;
    settings->ignoreCase = IsDlgButtonChecked(dialog, IDC_SORT_IGNORECASE) == BST_CHECKED;
    StoreWindowPlacement(dialog, settings->placement);
    EndDialog(dialog, 1);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return FALSE;
}

// 1 on OK, with the order and the dialog's placement stored in `options`; 0 on Cancel.
int AskSortOptions(HWND document, int count, int firstLine, AppOptionsRecord& options) {
  SetStatus(IDM_SORT);
  SortSettings settings = {count, firstLine, options.Ascending, options.IgnoreCase, options.Sort};
  CloseSplash();
  const INT_PTR chosen = DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_SORT), document,
                                         SortDialogProc, reinterpret_cast<LPARAM>(&settings));
  if (chosen == -1) return ShowError(60004, "Sort", static_cast<int>(GetLastError()));
  if (chosen != 1) return 0;
  options.Ascending = settings.ascending;
  options.IgnoreCase = settings.ignoreCase;
  options.Sort = settings.placement;
  return 1;
}

GlobalBlock AllocateOrSay(HWND document, size_t size) {
  GlobalBlock block = GlobalBlock::Allocate(size);
  if (!block) ShowMessage(document, IDS_APPNAME, 60008, "text buffer", static_cast<int>(size));
  return block;
}

int RefuseSelection(HWND document) {
  return ShowMessage(document, IDS_SORT_ERROR_TITLE, IDS_SORT_NEEDS_LINES);
}

// Cuts `text` after each LF into terminated copies in `lines`, one view each.
void SplitLines(const char* text, size_t length, char* lines, LineView* views) {
  size_t begin = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] != '\n') continue;
    const size_t size = i + 1 - begin;
    std::memcpy(lines, text + begin, size);
    lines[size] = '\0';
    *views++ = {lines, size};
    lines += size + 1;
    begin = i + 1;
  }
}

}  // namespace

int SortSelection(HWND document, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  if (!edit) return 0;
  if (GetDocWord(document, kViewingWord)) return BeepAndFail();
  LONG start = 0, end = 0;
  GetEditSelection(edit, &start, &end);
  // A selection of everything reaches one past the text (the closing paragraph mark).
  const LONG textLength = GetWindowTextLengthA(edit);
  if (end > textLength) end = textLength;
  // Whole lines only: from a line's start to just behind a line end.
  if (start >= end || (start > 0 && CharacterAt(edit, start - 1) != '\n') ||
      CharacterAt(edit, end - 1) != '\n') {
    return RefuseSelection(document);
  }
  const size_t size = static_cast<size_t>(end - start);
  GlobalBlock selected = AllocateOrSay(document, size + 1);
  if (!selected) return 0;
  const size_t copied = static_cast<size_t>(CopyTextRange(edit, start, end, selected.data()));
  // A NUL inside the lines would end the replacement early and lose what follows it.
  if (copied != size || std::memchr(selected.data(), '\0', size)) return BeepAndFail();
  size_t count = 0;
  for (size_t i = 0; i < size; ++i) count += selected.data()[i] == '\n';
  if (count < 2) return RefuseSelection(document);

  GlobalBlock lines = AllocateOrSay(document, size + count);
  if (!lines) return 0;
  GlobalBlock views = AllocateOrSay(document, count * sizeof(LineView));
  if (!views) return 0;
  auto* view = reinterpret_cast<LineView*>(views.data());
  SplitLines(selected.data(), size, lines.data(), view);

  if (!AskSortOptions(document, static_cast<int>(count), LineOfCharacter(edit, start), options)) {
    SetStatus(IDS_SORT_CANCELED);
    return 1;
  }
  SetStatus(IDS_SORT_UNDERWAY);
  WaitCursor wait;
  SortAscending = options.Ascending != 0;
  SortIgnoreCase = options.IgnoreCase != 0;
  // Not stable: lines that compare equal may end in any order.
  std::qsort(view, count, sizeof(LineView), CompareLines);
  char* joined = selected.data();
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(joined, view[i].text, view[i].length);
    joined += view[i].length;
  }
  *joined = '\0';
  // Exactly the lines: a selection of everything also holds the closing paragraph mark.
  SetEditSelection(edit, start, end);
  ReplaceEditSelection(edit, selected.data());
  SetEditSelection(edit, start, end);
  UpdateLineIndicator(edit);
  MarkDocumentModified(document);
  SetStatus(IDS_SORT_DONE, static_cast<int>(count));
  return 1;
}
