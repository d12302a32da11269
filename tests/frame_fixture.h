// Starts the program's shell inside the test process: globals, classes, options and the frame,
// as start-up does, without the message loop (the test pumps). Torn down after each test.
#pragma once
#include <windows.h>

#include <vector>

#include "app/startup.h"
#include "base/globals.h"
#include "docset/document_set.h"
#include "harness/harness.h"
#include "settings/options.h"
#include "ui/message_dialogs.h"

class FrameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adjust AppOptions first, then create the frame as start-up does.
  HWND StartFrame(int showCommand = SW_SHOWNORMAL);
  // Sends a command the way a menu item does, then pumps.
  void Command(UINT id);
  // The frame's client rectangle, and a child's rectangle in the frame's client coordinates.
  RECT ClientRect() const;
  RECT ChildRect(HWND child) const;

  HWND frame_ = nullptr;
  std::vector<UINT> beeps_;  // every beep the program made
};

namespace frame_fixture_detail {
inline std::vector<UINT>* beepLog = nullptr;
inline void RecordBeep(UINT type) {
  if (beepLog) beepLog->push_back(type);
}
}  // namespace frame_fixture_detail

inline void FrameFixture::SetUp() {
  frame_fixture_detail::beepLog = &beeps_;
  SetBeepFunction(frame_fixture_detail::RecordBeep);
  InitGlobals(GetModuleHandleA(nullptr));
  ASSERT_TRUE(InitApplication(AppOptions));
  LoadOptions(AppOptions, OptionRecords);
  AppOptions.NewDoc = 0;  // documents are the business of their own tests
}

inline void FrameFixture::TearDown() {
  // Edits left by a test are dropped without the save question.
  ForEachDocWindow([](HWND document) { SetWindowLongA(document, 4, 0); });
  if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
  PumpMessages();
  ClearQuit();
  ReleaseStartupResources();
  SetBeepFunction(nullptr);
  frame_fixture_detail::beepLog = nullptr;
}

inline HWND FrameFixture::StartFrame(int showCommand) {
  frame_ = CreateFrameWindow(showCommand, AppOptions);
  PumpMessages();
  return frame_;
}

inline void FrameFixture::Command(UINT id) {
  SendMessageA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  PumpMessages();
}

inline RECT FrameFixture::ClientRect() const {
  RECT rect;
  GetClientRect(frame_, &rect);
  return rect;
}

inline RECT FrameFixture::ChildRect(HWND child) const {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}
