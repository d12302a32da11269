// Reading a text file into a document: one read, one conversion pass, one stream into the
// control (a large text shows its first screen before the whole text streams in).
#include "files/load_document.h"

#include "base/file_checks.h"
#include "base/globals.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "document/text_limits.h"
#include "files/read_text_file.h"
#include "resources/resource.h"
#include "settings/recent_files.h"
#include "ui/busy_loop.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/wait_cursor.h"

namespace {

// Texts over a quarter megabyte take the control a noticeable time to take in (a tenth of a
// second and more under Wine): their first screen shows at once. Over a megabyte (half a second
// and more) the status line also counts out the rest.
constexpr long kFirstScreenFrom = 262144;   // bytes of the file
constexpr long kProgressFrom = 1048576;     // bytes of the file
constexpr DWORD kFirstScreenBytes = 16384;  // more lines than a maximised window shows
// A round of status text, painting and the stop check costs a few milliseconds (a status text
// paints at once); ten rounds a second are enough for the eye and for Escape.
constexpr DWORD kRoundGapMs = 100;

struct LargeLoad {
  HWND document;
  const char* path;
  bool countOut;
  bool stopped;
  DWORD lastRound;  // when the last round ran
};

// Between pieces of a large text: the share so far in the status line, the program painted and
// the user's wish to stop heard (other input waits until the text is whole). The first and the
// last share always have their round (the load starts a round's gap after the last one).
bool KeepLoading(void* context, int percent) {
  auto* load = static_cast<LargeLoad*>(context);
  const DWORD now = GetTickCount();
  if (percent < 100 && now - load->lastRound < kRoundGapMs) return true;
  load->lastRound = now;
  if (load->countOut) SetStatus(IDS_READING_PROGRESS, load->path, percent);
  PaintWaitingWindows();
  load->stopped = StopRequested(load->document);
  return !load->stopped;
}

// The lines that fill the first screen, cut after a line end where there is one.
DWORD FirstScreenLength(const char* text, DWORD length) {
  if (length <= kFirstScreenBytes) return length;
  for (DWORD end = kFirstScreenBytes; end > 0; --end) {
    if (text[end - 1] == '\n') return end;
  }
  return kFirstScreenBytes;
}

// The first screen goes into the document's control and shows; then the whole text streams
// into a second, hidden control, which takes the first one's place once it holds it all (one
// stream over the first screen in the shown control made a 10 MB open up to half as slow again).
// 1 when the whole text is in; otherwise the caller drops the document, so no part of a text can
// ever be saved.
int StreamLargeText(HWND document, const TextFileContents& file, const char* path, bool countOut,
                    int ltGray, bool* stopped) {
  HWND edit = DocEditControl(document);
  const char* text = file.text.data();
  SetEditText(edit, text, FirstScreenLength(text, file.length));
  ShowWindow(document, SW_SHOW);
  ShowWindow(edit, SW_SHOW);
  PaintWaitingWindows();
  LargeLoad load = {document, path, countOut, false, GetTickCount() - kRoundGapMs};
  LoadingDocWindow = document;
  const int whole =
      FillReplacementEditControl(document, text, file.length, ltGray, KeepLoading, &load);
  LoadingDocWindow = nullptr;
  *stopped = load.stopped;
  return whole;
}

}  // namespace

int LoadDocumentFile(HWND document, const char* path, int viewing, AppOptionsRecord& options) {
  if (!FileExists(path)) return ShowMessage(document, IDS_APPNAME, 60021, path);
  const long size = FileSizeOf(path);
  if (!FileFitsEditor(size)) {
    return ShowMessage(document, IDS_APPNAME, 60022, path, SizeForMessage(size));
  }

  bool forViewing = viewing != 0;
  if (!forViewing && !IsFileWritable(path)) {
    if (!options.ReadOnly && !AskYesNo(document, 1, IDS_APPNAME, 60024, path)) return 0;
    forViewing = true;
  }

  TextFileContents file;
  if (!ReadTextFile(document, path, !forViewing, file)) return 0;
  WaitCursor wait;

  HWND edit = DocEditControl(document);
  if (GetDocWord(document, kSavedWord) || GetWindowTextLengthA(edit) > 0) {
    // A reload: a new control takes the text (replacing a large text in place is slow), and
    // when it cannot be made the document keeps its text and state.
    edit = ReplaceEditControl(document, GetDocWord(document, kWrapWord), file.text.data(),
                              file.length, options.LtGray);
    if (!edit) return 0;
  } else if (size > kFirstScreenFrom) {
    bool stopped = false;
    const int whole =
        StreamLargeText(document, file, path, size > kProgressFrom, options.LtGray, &stopped);
    if (whole < 0) return 0;  // no control for the text: its message has been shown
    if (!whole) {
      if (!stopped) {
        return ShowMessage(document, IDS_APPNAME, 60008, path, static_cast<int>(file.length));
      }
      SetStatus(60000);
      return 0;
    }
    edit = DocEditControl(document);
  } else if (!SetEditText(edit, file.text.data(), file.length)) {
    return ShowMessage(document, IDS_APPNAME, 60008, path, static_cast<int>(file.length));
  }
  file.text.Reset();
  ShowWindow(edit, SW_SHOW);
  SendMessageA(edit, EM_SETREADONLY, forViewing ? TRUE : FALSE, 0);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);

  SetDocumentTitle(document, path, 0);  // a reload clears the modified mark
  SetStatus(forViewing ? 60069 : 60068, path);
  SetDocWord(document, kLineFormatWord, file.format);
  SetDocWord(document, kModifiedWord, 0);
  SetDocWord(document, kViewingWord, forViewing ? 1 : 0);
  SetDocWord(document, kSavedWord, 1);
  SetFocus(edit);
  if (!options.SysEditRequested) AddRecentFile(path, options);
  return 1;
}
