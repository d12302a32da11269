// The command-line grammar. Quotes are removed, not parsed: the line is never split into
// arguments, so a path with blanks needs no quoting and quotes anywhere simply vanish.
#include "app/command_line.h"

#include <cstring>
#include <initializer_list>
#include <string>

#include "base/file_checks.h"
#include "resources/resource.h"
#include "app/options_command.h"
#include "ui/message_dialogs.h"

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

// `line` without its double quotes; the switch test looks at the first 255 characters only.
std::string WithoutQuotes(const char* line, size_t count) {
  std::string copy;
  for (const char* p = line; *p && count > 0; ++p, --count) {
    if (*p != '"') copy += *p;
  }
  return copy;
}

}  // namespace

CommandLineRequest ParseCommandLineText(const char* commandLine, AppOptionsRecord& options,
                                        ExistingFileTest isExistingFile) {
  if (!commandLine || !*commandLine) return CommandLineRequest::None;
  if (IsSetupSwitch(commandLine)) {
    options.ShellRequests.CreateStartMenu = 1;
    return CommandLineRequest::Setup;
  }
  // The name is the whole line without its quotes; one that does not fit is refused, never
  // cut to what could be another file's name.
  const std::string name = WithoutQuotes(commandLine, std::string::npos);
  const bool existingFile = isExistingFile && !name.empty() && isExistingFile(name.c_str());
  if (!existingFile && HasSysEditSwitch(WithoutQuotes(commandLine, kLineCapacity - 1).c_str())) {
    options.SysEditRequested = 1;
    return CommandLineRequest::SysEdit;
  }
  if (name.size() >= kLineCapacity) return CommandLineRequest::TooLong;
  const char* copy = name.c_str();
  if (existingFile) {
    lstrcpynA(options.FileSpec, copy, sizeof options.FileSpec);
    options.CommandLineFile = 1;
    return CommandLineRequest::File;
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
  switch (ParseCommandLineText(commandLine, options, IsExistingFile)) {
    case CommandLineRequest::Setup:
      OpenOptions(nullptr, options, kExplorerPage);
      break;
    case CommandLineRequest::TooLong:
      ShowPathTooLong(nullptr, WithoutQuotes(commandLine, std::string::npos));
      break;
    default:
      break;
  }
  return 1;
}
