// A started frame plus helpers to open documents and read what they show.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <string>

#include "docset/create_document.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "frame_fixture.h"
#include "temp_folder.h"

class DocumentFixture : public FrameFixture {
 public:
  void SetUp() override {
    FrameFixture::SetUp();
    AppOptions.Maximized = 0;
    ASSERT_NE(StartFrame(), nullptr);
  }

  HWND Open(const std::string& path, int readOnly = 0) {
    HWND document = CreateDocWindow(frame_, path.c_str(), readOnly, AppOptions);
    PumpMessages();
    return document;
  }
  HWND New() {
    HWND document = CreateDocWindow(frame_, nullptr, 0, AppOptions);
    PumpMessages();
    return document;
  }

  static std::string Title(HWND window) {
    char title[300] = "";
    GetWindowTextA(window, title, sizeof title);
    return title;
  }
  static std::string Text(HWND document) {
    HWND edit = DocEditControl(document);
    std::string text(GetWindowTextLengthA(edit) + 1, '\0');
    text.resize(GetWindowTextA(edit, text.data(), static_cast<int>(text.size())));
    return text;
  }
  static std::string StatusText(int part) {
    char text[300] = "";
    SendMessageA(StatusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
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

  TempFolder folder_;
};
