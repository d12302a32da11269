// The command-line grammar. Quotes are removed, not parsed: the line is never split into
// arguments, so a path with blanks needs no quoting and quotes anywhere simply vanish.
#include "app/command_line.h"

#include <cstring>
#include <initializer_list>

#include "settings/options_sheet.h"

namespace {

constexpr int kLineCapacity = 256;  // 255 characters are looked at

bool IsSetupSwitch(const char* line) {
  return lstrcmpiA(line, "/setup") == 0 || lstrcmpiA(line, "-setup") == 0;
}

bool HasSysEditSwitch(const char* text) {
  for (const char* sequence : {"/l", "-l", "/L", "-L"}) {
    if (std::strstr(text, sequence)) return true;
  }
  return false;
}

// Copies at most 255 characters of `line`, dropping every double quote.
void CopyWithoutQuotes(const char* line, char (&copy)[kLineCapacity]) {
  char bounded[kLineCapacity];
  lstrcpynA(bounded, line, kLineCapacity);
  int length = 0;
  for (const char* p = bounded; *p; ++p) {
    if (*p != '"') copy[length++] = *p;
  }
  copy[length] = '\0';
}

}  // namespace

CommandLineRequest ParseCommandLineText(const char* commandLine, AppOptionsRecord& options) {
  if (!commandLine || !*commandLine) return CommandLineRequest::None;
  if (IsSetupSwitch(commandLine)) {
    options.ShellRequests.CreateStartMenu = 1;
    return CommandLineRequest::Setup;
  }
  char copy[kLineCapacity];
  CopyWithoutQuotes(commandLine, copy);
  if (HasSysEditSwitch(copy)) {
    options.SysEditRequested = 1;
    return CommandLineRequest::SysEdit;
  }
  if (copy[0] == '@') {
    lstrcpynA(options.FileSpec, copy + 1, sizeof options.FileSpec);
    options.ListRequested = 1;
    return CommandLineRequest::List;
  }
  lstrcpynA(options.FileSpec, copy, sizeof options.FileSpec);
  options.CommandLineFile = 1;
  return CommandLineRequest::File;
}

int ParseCommandLine(const char* commandLine, AppOptionsRecord& options) {
  if (ParseCommandLineText(commandLine, options) == CommandLineRequest::Setup) {
    OpenOptionsSheet(nullptr, options, kExplorerPage);
  }
  return 1;
}
