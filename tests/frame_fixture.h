// Starts the program's shell inside the test process: globals, classes, options and the frame,
// as start-up does, without the message loop (the test pumps). Torn down after each test.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "base/globals.h"
#include "app/startup.h"
#include "app/tray.h"
#include "document/doc_window.h"
#include "docset/document_set.h"
#include "harness/harness.h"
#include "settings/options.h"
#include "ui/message_dialogs.h"

inline std::vector<UINT> beepLog;  // every beep the program made

// A modify of an icon the shell does not hold fails.
inline bool TrayIconExists(HWND frame) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

class FrameFixture : public ::testing::Test {
 public:
  void SetUp() override {
    beepLog.clear();
    SetBeepFunction([](UINT type) { beepLog.push_back(type); });
    InitGlobals(GetModuleHandleA(nullptr));
    // Every test starts from a first run, whatever an earlier one stored.
    RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
    PrepareStore();
    ASSERT_TRUE(InitApplication(AppOptions));
    // A first run shows the start-up splash, topmost over everything the test looks at.
    if (!keepStartupSplash_) CloseSplash();
    LoadOptions(AppOptions, OptionRecords);
    AppOptions.NewDoc = 0;  // documents are the business of their own tests
  }
  void TearDown() override {
    // Edits left by a test are dropped without the save question.
    ForEachDocWindow([](HWND document) { SetDocWord(document, kModifiedWord, 0); });
    if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
    PumpMessages();
    ClearQuit();
    ReleaseStartupResources();
    SetBeepFunction(nullptr);
  }

  // Adjust AppOptions first, then create the frame as start-up does.
  HWND StartFrame(int showCommand = SW_SHOWNORMAL) {
    frame_ = CreateFrameWindow(showCommand, AppOptions);
    PumpMessages();
    return frame_;
  }
  // Sends a command the way a menu item does, then pumps.
  void Command(UINT id) {
    SendMessageA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpMessages();
  }

  HWND frame_ = nullptr;
  std::vector<UINT>& beeps_ = beepLog;

 protected:
  virtual void PrepareStore() {}  // stored values a test starts from, before start-up reads them
  bool keepStartupSplash_ = false;
};
