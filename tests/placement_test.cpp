// Window placement records: the restored rectangle and the task bar correction.
#include <windows.h>

#include <vector>

#include "app/topmost.h"
#include "settings/placement.h"
#include "frame_fixture.h"

namespace {

RECT fakeBar = {};
BOOL fakeAnswers = TRUE, fakeAutoHide = FALSE;
const TaskbarQueries kFakeQueries = {[](RECT* rect) {
                                       *rect = fakeBar;
                                       return fakeAnswers;
                                     },
                                     [] { return fakeAutoHide; }};

using PlacementTest = FrameFixture;

// Only a visible bar at the left or top moves the record; a maximized or minimized frame
// records its restored rectangle; an unknown bar gives the record uncorrected, and 0.
TEST_F(PlacementTest, StoredRectangleIsCorrectedForAVisibleBarAtTheLeftOrTop) {
  const struct {
    RECT bar;
    BOOL answers, autoHide;
    int show, edge, result;
    LONG left, top;
  } cases[] = {
      {{0, 0, 30, 1024}, TRUE, FALSE, SW_RESTORE, kTaskbarLeft, 1, 128, 60},
      {{0, 0, 30, 1024}, TRUE, TRUE, SW_RESTORE, kTaskbarLeft, 1, 100, 60},
      {{0, 0, 1280, 26}, TRUE, FALSE, SW_MAXIMIZE, kTaskbarTop, 1, 100, 84},
      {{1250, 0, 1280, 1024}, TRUE, FALSE, SW_MINIMIZE, kTaskbarRight, 1, 100, 60},
      {{1, 0, 30, 1024}, TRUE, FALSE, SW_RESTORE, kTaskbarRight, 1, 100, 60},  // left edge 1
      {{0, 994, 1280, 1024}, TRUE, FALSE, SW_RESTORE, kTaskbarBottom, 1, 100, 60},
      {{0, 0, 40, 40}, TRUE, FALSE, SW_RESTORE, kTaskbarTop, 1, 100, 98},  // square: across
      {{0, 0, 30, 1024}, FALSE, FALSE, SW_RESTORE, kTaskbarUnknown, 0, 100, 60},
  };
  SetTaskbarQueries(&kFakeQueries);
  AppOptions.Window = PlacementRecord{60, 100, 300, 500, 0};
  ASSERT_NE(StartFrame(), nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bar.left * 10000 + c.bar.right);
    fakeBar = c.bar;
    fakeAnswers = c.answers;
    fakeAutoHide = c.autoHide;
    ShowWindow(frame_, c.show);
    PumpMessages();
    EXPECT_EQ(FindTaskbarEdge(nullptr), c.edge);
    PlacementRecord record = {-1, -1, -1, -1, 77};
    EXPECT_EQ(StoreWindowPlacement(frame_, record), c.result);
    // Show is never touched.
    EXPECT_EQ(
        std::vector<LONG>({record.Left, record.Top, record.Width, record.Height, record.Show}),
        std::vector<LONG>({c.left, c.top, 500, 300, 77}));
  }
  SetTaskbarQueries(nullptr);
}

}  // namespace
