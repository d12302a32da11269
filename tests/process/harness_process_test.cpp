// Tests of the process side of the harness: exit codes, exact command-line tails, the path of
// the program under test.
#include "harness/harness.h"

struct ExitCodeCase {
  const char* tail;
  DWORD expected;
};

TEST(HarnessProcess, ExitCodeAndCommandLineTailComeThrough) {
  const ExitCodeCase cases[] = {
      {"/c exit 7", 7},
      {"/c exit 0", 0},
      {"/c \"exit 3\"", 3},
  };
  for (const ExitCodeCase& c : cases) {
    ProcessUnderTest process;
    ASSERT_TRUE(process.Start("cmd.exe", c.tail));
    EXPECT_EQ(c.expected, process.WaitForExit(10000)) << c.tail;
    EXPECT_FALSE(process.Running());
  }
}

TEST(HarnessProcess, NorvelExePathIsAWindowsPathToTheProgram) {
  const std::string& path = NorvelExePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(std::string::npos, path.find('/')) << path;
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str())) << path;
}
