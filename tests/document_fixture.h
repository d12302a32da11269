// A started frame plus helpers to open documents and read what they show.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <utility>

#include "base/file_io.h"
#include "docset/create_document.h"
#include "document/edit_control.h"
#include "frame_fixture.h"
#include "temp_folder.h"

// While it lives, no rich-edit control can be created on this thread.
class BlockEditControls {
 public:
  BlockEditControls() { hook_ = SetWindowsHookExA(WH_CBT, Refuse, nullptr, GetCurrentThreadId()); }
  ~BlockEditControls() { UnhookWindowsHookEx(hook_); }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    char name[32] = "";
    if (code == HCBT_CREATEWND) GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
    if (lstrcmpiA(name, "RichEdit") == 0) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

class DocumentFixture : public FrameFixture {
 public:
  void SetUp() override {
    FrameFixture::SetUp();
    AppOptions.Maximized = 0;
    ASSERT_NE(StartFrame(), nullptr);
  }
  void TearDown() override {
    ClearFileFailures();
    FrameFixture::TearDown();
  }

  HWND Open(const std::string& path, int readOnly = 0) {
    HWND document = CreateDocWindow(frame_, path.c_str(), readOnly, AppOptions);
    PumpMessages();
    return document;
  }
  // Writes `bytes` to `name` in the test folder and opens it.
  HWND WriteAndOpen(const std::string& name, const std::string& bytes, int readOnly = 0) {
    return Open(folder_.Write(name, bytes), readOnly);
  }
  HWND New() {
    HWND document = CreateDocWindow(frame_, nullptr, 0, AppOptions);
    PumpMessages();
    return document;
  }

  static std::string Title(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
  }
  static std::string Text(HWND document) { return Title(DocEditControl(document)); }
  static std::string StatusText(int part) {
    char text[300] = "";
    SendMessageA(StatusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  static std::pair<LONG, LONG> Selection(HWND document) {
    LONG start = -1, end = -1;
    GetEditSelection(DocEditControl(document), &start, &end);
    return {start, end};
  }
  // Everything a user can tell about a document, in one line.
  static std::string StateOf(HWND document) {
    const bool readOnly = GetWindowLongA(DocEditControl(document), GWL_STYLE) & ES_READONLY;
    return Title(document) + " | modified " + std::to_string(GetDocWord(document, kModifiedWord)) +
           " saved " + std::to_string(GetDocWord(document, kSavedWord)) + " viewing " +
           std::to_string(GetDocWord(document, kViewingWord)) + (readOnly ? " read-only" : "") +
           " format " + std::to_string(GetDocWord(document, kLineFormatWord)) + " | " +
           Text(document);
  }
  // The text of the last message box.
  std::string Said() const { return answerer_.Last().ControlText(101); }
  static int DocumentCount() {
    int count = 0;
    for (HWND child = GetWindow(MdiClient, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      if (!GetWindow(child, GW_OWNER)) ++count;
    }
    return count;
  }
  // Types characters into the document's control as the keyboard would.
  static void Type(HWND document, const std::string& text) {
    HWND edit = DocEditControl(document);
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    PumpMessages();
  }

  // Closes the document, dropping its edits without the save question.
  static void Close(HWND document) {
    SetDocWord(document, kModifiedWord, 0);
    SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
    PumpMessages();
  }

  TempFolder folder_;
  DialogAnswerer answerer_;
};
