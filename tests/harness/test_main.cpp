// The GoogleTest entry point of the test executables, as they run under Wine.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "harness/dialog_answerer.h"
#include "harness/process.h"

namespace {

// A crash must end the process with a message and a failing exit code; left to Wine it would
// start the debugger and its crash dialog, and the test would hang until ctest's timeout.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD* record = exception->ExceptionRecord;
  std::fprintf(stderr, "\nCrash: exception 0x%08lX at %p\n",
               static_cast<unsigned long>(record->ExceptionCode), record->ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

// --norvel-exe=PATH, given by ctest to the process tests; GoogleTest leaves flags not its own.
void TakeNorvelExeArgument(int argc, char** argv) {
  static const char kPrefix[] = "--norvel-exe=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kPrefix, sizeof kPrefix - 1) == 0)
      SetNorvelExePath(argv[i] + sizeof kPrefix - 1);
  }
}

// During every test a dialog that no answerer of the test expects fails it and is cancelled.
class DialogGuard : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    guard_ = std::make_unique<DialogAnswerer>();
  }
  void OnTestEnd(const testing::TestInfo&) override { guard_.reset(); }
  std::unique_ptr<DialogAnswerer> guard_;
};

}  // namespace

int main(int argc, char** argv) {
  // Wine hands the output to a pipe: unbuffered, it appears at once and in order.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  std::setvbuf(stderr, nullptr, _IONBF, 0);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  SetUnhandledExceptionFilter(ReportCrash);

  // As the program itself starts: every common control class, and OLE for the shell and the
  // common dialogs.
  INITCOMMONCONTROLSEX controls = {sizeof controls, 0xFFFF};  // every class
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);

  testing::InitGoogleTest(&argc, argv);
  TakeNorvelExeArgument(argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new DialogGuard);
  return RUN_ALL_TESTS();
}
