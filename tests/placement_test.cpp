// Window placement records: the restored rectangle, the task bar correction and the edge rules.
#include <windows.h>

#include "app/frame.h"
#include "app/tray.h"
#include "settings/placement.h"
#include "frame_fixture.h"

namespace {

// The task bar the shell would report, set by each case.
RECT fakeTaskbar = {};
BOOL fakeAnswers = TRUE;
BOOL fakeAutoHide = FALSE;

BOOL FakeTaskbarRect(RECT* rect) {
  if (!fakeAnswers) return FALSE;
  *rect = fakeTaskbar;
  return TRUE;
}
BOOL FakeAutoHide() {
  return fakeAutoHide;
}
const TaskbarQueries kFakeQueries = {FakeTaskbarRect, FakeAutoHide};

class PlacementTest : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    fakeAnswers = TRUE;
    fakeAutoHide = FALSE;
    SetTaskbarQueries(&kFakeQueries);
  }
  void TearDown() override {
    SetTaskbarQueries(nullptr);
    FrameFixture::TearDown();
  }
  // The frame with its restored rectangle at (left, top), width x height.
  HWND FrameAt(int left, int top, int width, int height) {
    AppOptions.Window = PlacementRecord{top, left, height, width, 0};
    return StartFrame();
  }
};

constexpr RECT kLeftBar = {0, 0, 30, 1024};
constexpr RECT kTopBar = {0, 0, 1280, 26};
constexpr RECT kRightBar = {1250, 0, 1280, 1024};
constexpr RECT kBottomBar = {0, 994, 1280, 1024};

TEST_F(PlacementTest, TaskbarEdgeFollowsTheBarsShapeAndPosition) {
  struct Case {
    RECT bar;
    int edge;
  } const cases[] = {
      {kLeftBar, kTaskbarLeft},          {kTopBar, kTaskbarTop},
      {kRightBar, kTaskbarRight},        {kBottomBar, kTaskbarBottom},
      {{1, 0, 30, 1024}, kTaskbarRight},  // left edge not below 1: the right side
      {{0, 0, 40, 40}, kTaskbarTop},      // square: horizontal
  };
  for (const Case& c : cases) {
    fakeTaskbar = c.bar;
    RECT out = {};
    EXPECT_EQ(FindTaskbarEdge(&out), c.edge) << c.bar.left << "," << c.bar.top;
    EXPECT_TRUE(EqualRect(&out, &c.bar));
    EXPECT_EQ(FindTaskbarEdge(nullptr), c.edge);
  }
  fakeAnswers = FALSE;
  RECT untouched = {1, 2, 3, 4};
  EXPECT_EQ(FindTaskbarEdge(&untouched), kTaskbarUnknown);
  EXPECT_EQ(untouched.left, 1);
}

TEST_F(PlacementTest, StoredRectangleIsCorrectedOnlyForAVisibleBarAtTheLeftOrTop) {
  ASSERT_NE(FrameAt(100, 60, 500, 300), nullptr);
  struct Case {
    const char* what;
    RECT bar;
    BOOL autoHide;
    LONG left, top;
  } const cases[] = {
      {"left, 30 wide", kLeftBar, FALSE, 128, 60}, {"left, auto-hide", kLeftBar, TRUE, 100, 60},
      {"top, 26 high", kTopBar, FALSE, 100, 84},   {"top, auto-hide", kTopBar, TRUE, 100, 60},
      {"right", kRightBar, FALSE, 100, 60},        {"bottom", kBottomBar, FALSE, 100, 60},
  };
  for (const Case& c : cases) {
    fakeTaskbar = c.bar;
    fakeAutoHide = c.autoHide;
    PlacementRecord record = {-1, -1, -1, -1, 77};
    EXPECT_EQ(StoreWindowPlacement(frame_, record), 1) << c.what;
    EXPECT_EQ(record.Left, c.left) << c.what;
    EXPECT_EQ(record.Top, c.top) << c.what;
    EXPECT_EQ(record.Width, 500) << c.what;
    EXPECT_EQ(record.Height, 300) << c.what;
    EXPECT_EQ(record.Show, 77) << c.what;  // never touched
  }
  // An unknown task bar still gives the record, uncorrected, but reports 0.
  fakeAnswers = FALSE;
  PlacementRecord record = {};
  EXPECT_EQ(StoreWindowPlacement(frame_, record), 0);
  EXPECT_EQ(record.Left, 100);
  EXPECT_EQ(record.Width, 500);
}

TEST_F(PlacementTest, MaximizedOrMinimizedFrameStoresItsRestoredRectangle) {
  fakeTaskbar = kLeftBar;
  ASSERT_NE(FrameAt(100, 70, 450, 280), nullptr);
  for (int show : {SW_MAXIMIZE, SW_MINIMIZE}) {
    ShowWindow(frame_, show);
    PumpMessages();
    ASSERT_TRUE(show == SW_MAXIMIZE ? IsZoomed(frame_) : IsIconic(frame_));
    PlacementRecord record = {};
    EXPECT_EQ(StoreWindowPlacement(frame_, record), 1);
    EXPECT_EQ(record.Left, 128);
    EXPECT_EQ(record.Top, 70);
    EXPECT_EQ(record.Width, 450);
    EXPECT_EQ(record.Height, 280);
    ShowWindow(frame_, SW_RESTORE);
    PumpMessages();
  }
}

}  // namespace
