// Running an external tool: the checks, the command tail, the save before launch and the shell.
#include "docset/launch_tool.h"

#include <shellapi.h>

#include <cstring>

#include "base/file_checks.h"
#include "document/doc_window.h"
#include "document/doc_words.h"
#include "files/save_prompts.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

namespace {

constexpr size_t kTailCapacity = 254;  // the window title taken as the command tail

// A pattern would let the shell pick whichever file matched first: only a real file runs.
bool IsRunnableProgram(const char* program) {
  return *program && !std::strpbrk(program, "*?") && FileExists(program);
}

// The document's name as the tool sees it: its title without the modified mark.
std::string CommandTail(HWND document) {
  char name[kPathCapacity];
  GetDocumentName(document, name);
  if (std::strlen(name) > kTailCapacity) name[kTailCapacity] = '\0';
  return name;
}

}  // namespace

std::string ToolParameters(const char* command, const char* tail) {
  std::string parameters = command ? command : "";
  parameters += ' ';
  if (tail && std::strchr(tail, ' ')) {
    parameters.append("\"").append(tail).append("\"");
  } else if (tail) {
    parameters += tail;
  }
  return parameters;
}

int LaunchTool(HWND frame, HWND document, const ToolRecord& tool, AppOptionsRecord& options) {
  SetStatus(IDM_TOOL_FIRST);
  if (!tool.Active || !IsRunnableProgram(tool.Program)) return BeepAndFail();
  std::string tail;
  if (document) {
    if (tool.Launch) tail = CommandTail(document);
    const bool unsaved = GetDocWord(document, kModifiedWord) && !GetDocWord(document, kViewingWord);
    if (tool.Save && unsaved && !SaveOrSaveAs(document, options)) return 0;
  }
  const std::string parameters = ToolParameters(tool.Command, tail.c_str());
  ShellExecuteA(frame, "Open", tool.Program, parameters.c_str(),
                *tool.Folder ? tool.Folder : nullptr, SW_RESTORE);
  if (tool.Hide) ShowWindow(frame, SW_MINIMIZE);
  return 1;
}
