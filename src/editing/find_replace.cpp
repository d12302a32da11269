// Find and replace: the modeless common dialogs dressed in the program's templates, the
// requests they send, and the searches in the active document.
#include "editing/find_replace.h"

#include <richedit.h>

#include <cstring>
#include <cwctype>

#include "base/globals.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "document/text_limits.h"
#include "resources/resource.h"
#include "settings/placement.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/wait_cursor.h"

namespace {

// The request record lives as long as the program: the open dialog keeps a pointer to it.
FINDREPLACEA Request;

constexpr UINT kFindStatus = 60084;
constexpr UINT kReplaceStatus = 60085;
constexpr UINT kReplacingStatus = 60086;
constexpr UINT kReplacedStatus = 60087;
constexpr UINT kNotFoundStatus = 60088;

AppOptionsRecord& RequestOptions() {
  return *reinterpret_cast<AppOptionsRecord*>(Request.lCustData);
}

// Both dialogs stand where they stood when last closed, above every other window.
UINT_PTR DialogHook(HWND dialog, UINT message, WPARAM wParam, bool replace) {
  PlacementRecord& placement = replace ? RequestOptions().Replace : RequestOptions().Find;
  if (message == WM_INITDIALOG) {
    HICON icon = LoadIconA(AppInstance, MAKEINTRESOURCEA(replace ? IDI_REPLACE : IDI_FIND));
    SendDlgItemMessageA(dialog, replace ? IDC_REPLACE_ICON : IDC_FIND_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(icon), 0);
    MoveToPlacement(dialog, placement, HWND_TOPMOST);
    return TRUE;
  }
  // Close and Escape both arrive as IDCANCEL; the common dialog then closes itself.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) StoreWindowPlacement(dialog, placement);
  return FALSE;
}

UINT_PTR CALLBACK FindHook(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return DialogHook(dialog, message, wParam, false);
}

UINT_PTR CALLBACK ReplaceHook(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  return DialogHook(dialog, message, wParam, true);
}

void TakeSearchFlags(const FINDREPLACEA* request, AppOptionsRecord& options) {
  options.MatchCase = (request->Flags & FR_MATCHCASE) ? 1 : 0;
  options.WholeWords = (request->Flags & FR_WHOLEWORD) ? 1 : 0;
}

int NotFound(const AppOptionsRecord& options) {
  SetStatus(kNotFoundStatus, options.FindText);
  return BeepAndFail();
}

// The control a replacement may change: none while the document is only viewed, whichever
// dialog asks (a beep), nor without a document (as a failed search).
HWND ReplaceableControl(HWND document, const AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  if (!edit) {
    NotFound(options);
    return nullptr;
  }
  if (!GetDocWord(document, kViewingWord)) return edit;
  BeepAndFail();
  return nullptr;
}

LONG TextLimit(HWND edit) {
  const LRESULT limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
  return limit > kEditTextLimit ? static_cast<LONG>(limit) : static_cast<LONG>(kEditTextLimit);
}

}  // namespace

SearchRules ControlSearchRules(bool matchCase) {
  // The control holds each byte as the ANSI code page's character, compares characters after
  // towupper unless the case must match, and takes a character as part of a word when
  // iswalnum says so. Asking the same runtime the same questions keeps both in step: under
  // the runtime's default locale towupper folds only a-z, and the word characters are the
  // letters and digits: A-Z, a-z, 0-9 and the accented letters (and the ordinal and micro
  // signs) of the code page. The underscore, the apostrophe, the hyphen, every other
  // punctuation mark, blanks and line ends all end a word.
  SearchRules rules{};
  for (int byte = 0; byte < 256; ++byte) {
    const char narrow = static_cast<char>(byte);
    wchar_t wide = 0;
    MultiByteToWideChar(CP_ACP, 0, &narrow, 1, &wide, 1);
    rules.compared[byte] = static_cast<unsigned short>(matchCase ? wide : std::towupper(wide));
    rules.word[byte] = std::iswalnum(wide) != 0;
  }
  return rules;
}

LONG SearchForward(HWND edit, LONG start, const char* text, int matchCase, int wholeWords,
                   LONG* foundStart, LONG* foundEnd) {
  if (!edit) return -1;
  FINDTEXTEXA find = {{start, -1}, text, {-1, -1}};
  const WPARAM flags = (matchCase ? FR_MATCHCASE : 0) | (wholeWords ? FR_WHOLEWORD : 0);
  const LONG hit =
      static_cast<LONG>(SendMessageA(edit, EM_FINDTEXTEX, flags, reinterpret_cast<LPARAM>(&find)));
  if (hit >= 0) SetEditSelection(edit, find.chrgText.cpMin, find.chrgText.cpMax);
  if (foundStart) *foundStart = find.chrgText.cpMin;
  if (foundEnd) *foundEnd = find.chrgText.cpMax;
  return hit;
}

int OpenFindDialog(HWND frame, int replace, AppOptionsRecord& options) {
  if (FindReplaceDialog) return 0;
  // The record's size is the platform's own: 40 bytes for a 32-bit program.
  std::memset(&Request, 0, sizeof Request);
  Request.lStructSize = sizeof Request;
  Request.hwndOwner = frame;
  Request.hInstance = AppInstance;
  Request.lpstrFindWhat = options.FindText;
  Request.wFindWhatLen = sizeof options.FindText;
  if (replace) {
    Request.lpstrReplaceWith = options.ReplaceText;
    Request.wReplaceWithLen = sizeof options.ReplaceText;
  }
  Request.lpfnHook = replace ? ReplaceHook : FindHook;
  Request.lpTemplateName = MAKEINTRESOURCEA(replace ? IDD_REPLACE : IDD_FIND);
  Request.Flags = FR_ENABLEHOOK | FR_ENABLETEMPLATE | FR_HIDEUPDOWN |
                  (options.MatchCase ? FR_MATCHCASE : 0) | (options.WholeWords ? FR_WHOLEWORD : 0);
  Request.lCustData = reinterpret_cast<LPARAM>(&options);
  options.ReplaceMode = replace ? 1 : 0;
  FindReplaceDialog = replace ? ReplaceTextA(&Request) : FindTextA(&Request);
  if (replace) {
    SetStatus(kReplaceStatus, options.FindText, options.ReplaceText);
  } else {
    SetStatus(kFindStatus, options.FindText);
  }
  return 1;
}

LRESULT OnFindReplaceMessage(HWND document, FINDREPLACEA* request, AppOptionsRecord& options) {
  if (!request) return 0;
  if (request->Flags & FR_DIALOGTERM) {
    FindReplaceDialog = nullptr;
    return 0;
  }
  if (request->Flags & FR_FINDNEXT) {
    if (options.ReplaceMode) {
      SetStatus(kReplaceStatus, options.FindText, options.ReplaceText);
    } else {
      SetStatus(kFindStatus, options.FindText);
    }
    return FindNext(document, request, options);
  }
  if (request->Flags & (FR_REPLACE | FR_REPLACEALL)) {
    SetStatus(kReplaceStatus, options.FindText, options.ReplaceText);
    if (request->Flags & FR_REPLACE) return ReplaceOne(document, request, options);
    return ReplaceAll(document, request, options);
  }
  return 0;
}

int FindNext(HWND document, const FINDREPLACEA* request, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  TakeSearchFlags(request, options);
  // From the selection's end: a hit still selected is not found again.
  LONG end = 0;
  GetEditSelection(edit, nullptr, &end);
  if (SearchForward(edit, end, options.FindText, options.MatchCase, options.WholeWords, nullptr,
                    nullptr) < 0) {
    return NotFound(options);
  }
  UpdateLineIndicator(edit);
  if (FindReplaceDialog) SetFocus(FindReplaceDialog);
  return 1;
}

int ReplaceOne(HWND document, const FINDREPLACEA* request, AppOptionsRecord& options) {
  HWND edit = ReplaceableControl(document, options);
  if (!edit) return 0;
  LONG start = 0, end = 0;
  GetEditSelection(edit, &start, &end);
  const LONG length = static_cast<LONG>(std::strlen(options.ReplaceText));
  // The control would cut a replacement that does not fit; nothing is replaced then.
  if (!InsertionFits(GetWindowTextLengthA(edit), end - start, length, TextLimit(edit))) {
    return ShowMessage(document, IDS_APPNAME, IDS_TEXT_FULL);
  }
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(options.ReplaceText));
  SetEditSelection(edit, start, start + length);
  UpdateLineIndicator(edit);
  return FindNext(document, request, options);
}

int ReplaceAll(HWND document, const FINDREPLACEA* request, AppOptionsRecord& options) {
  HWND edit = ReplaceableControl(document, options);
  if (!edit) return 0;
  TakeSearchFlags(request, options);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);
  SetStatus(kReplacingStatus, options.FindText, options.ReplaceText);
  WaitCursor wait;

  // Replacing hit by hit inside the control costs a walk from the text's start for every hit;
  // the same replacements worked out in memory arrive as one new text instead.
  DWORD length = 0;
  GlobalBlock text = GetEditorText(edit, &length);
  if (!text) return 0;
  const SearchRules rules = ControlSearchRules(options.MatchCase != 0);
  const ReplaceAllRequest replace = {options.FindText,    std::strlen(options.FindText),
                                     options.ReplaceText, std::strlen(options.ReplaceText),
                                     options.WholeWords != 0, &rules};
  const ReplaceAllOutcome outcome = ReplaceAllInText(text.data(), length, replace, nullptr);
  if (outcome.count == 0) {
    NotFound(options);
    SetStatus(kNotFoundStatus, options.FindText);
    return 1;
  }
  if (outcome.length > static_cast<unsigned long long>(TextLimit(edit))) {
    return ShowMessage(document, IDS_APPNAME, IDS_TEXT_FULL);
  }
  const size_t size = static_cast<size_t>(outcome.length) + 1;
  GlobalBlock result = GlobalBlock::Allocate(size);
  if (!result) {
    return ShowMessage(document, IDS_APPNAME, 60008, "text buffer", static_cast<int>(size));
  }
  ReplaceAllInText(text.data(), length, replace, result.data());
  text.Reset();
  HWND replaced = ReplaceEditControl(document, GetDocWord(document, kWrapWord), result.data(),
                                     static_cast<size_t>(outcome.length), options.LtGray);
  result.Reset();
  if (!replaced) return 0;
  // What the last pass of a hit-by-hit loop leaves: its replacement selected, the document
  // changed, and its failed search for one more hit.
  const LONG last = static_cast<LONG>(outcome.lastInsert);
  SetEditSelection(replaced, last, last + static_cast<LONG>(replace.replacementLength));
  UpdateLineIndicator(replaced);
  MarkDocumentModified(document);
  NotFound(options);
  SetStatus(kReplacedStatus, options.FindText, options.ReplaceText, static_cast<int>(outcome.count),
            outcome.count == 1 ? "" : "s");
  return 1;
}
