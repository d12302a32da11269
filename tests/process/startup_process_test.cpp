// norvel.exe as a process: start, single-instance hand-over, exit code.
#include <string>

#include "harness/harness.h"
#include "temp_folder.h"

namespace {

TEST(StartupProcess, LaterStartsHandTheirCommandLineOverAndExitWithZero) {
  ProcessUnderTest norvel;
  ASSERT_TRUE(norvel.Start(NorvelExePath()));
  HWND frame = norvel.FindTopLevelWindow("NorvelAppClass", 15000);
  ASSERT_NE(frame, nullptr);
  // Found while it is still being created: wait until start-up has shown it.
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(frame) != FALSE; }, 15000));

  // A name arrives as a full path, resolved where the later start was made. The running frame
  // comes forward, also from the taskbar.
  TempFolder folder;
  const struct {
    std::string tail, workingFolder, opened;
  } cases[] = {
      {"\"" + folder.Write("handed over.txt", "") + "\"", "", folder.File("handed over.txt")},
      {"relative.txt", folder.path(), folder.Write("relative.txt", "")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tail);
    ShowWindow(frame, SW_MINIMIZE);
    ProcessUnderTest later;
    ASSERT_TRUE(later.Start(NorvelExePath(), c.tail, c.workingFolder));
    EXPECT_EQ(later.WaitForExit(), 0u);
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(frame) && IsWindowVisible(frame); }));
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    EXPECT_TRUE(PumpUntil([&] { return FindWindowExA(client, 0, 0, c.opened.c_str()); }));
  }
  PostMessageA(frame, WM_COMMAND, 199 /* Exit */, 0);
  EXPECT_EQ(norvel.WaitForExit(15000), 0u);
}

}  // namespace
