// The help commands: contents (901), keyword search (902), how to use help (903) and topics by
// context number, read from the help file beside the program and shown in the help window.
#include "ui/help.h"

#include <string>
#include <utility>

#include "base/file_io.h"
#include "base/globals.h"
#include "ui/help_file.h"
#include "ui/help_window.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"

namespace {

constexpr UINT kHelpContentsItem = 901;
constexpr UINT kHelpSearchItem = 902;
constexpr UINT kHowToUseHelpItem = 903;
constexpr unsigned kHowToUseHelpTopic = 903;
constexpr UINT kFileNotFoundMessage = 60021;   // "File: %s\r\rFile not found."
constexpr UINT kOpenErrorMessage = 60027;      // "...Error detected opening this disk file..."
constexpr UINT kReadErrorMessage = 60033;      // "...Error detected reading data..."
constexpr UINT kTopicNotFoundMessage = 60104;  // "Help Topic ID: %u ... Code: %d"
constexpr UINT kProductTitle = 1000;           // "Norvel"
constexpr DWORD kHelpFileLimit = 16u << 20;    // a help file is read up to 16 MB

// The help system's own topic, shown when the help file is missing or lacks it.
const char kBuiltInHelp[] =
    "@title Norvel Help\n"
    "@topic 903 | How to Use Help\n"
    "@keywords help; how to use help; help window; contents; index; keywords; back\n"
    "The help window shows the list of help topics on the left and the text of one topic on "
    "the right. It stays open beside Norvel while you work; choosing help again brings the "
    "same window forward.\n"
    "\n"
    "@section Finding a topic\n"
    "- Contents: the topics grouped by subject. Click a topic, or select it with the arrow "
    "keys, to read it.\n"
    "- Index: type a word into the keyword box. The list below it shows every keyword that "
    "contains what you typed, and Topics found lists the topics of the selected keyword. "
    "Press Enter or click Display to read the first of them.\n"
    "- Underlined words in a topic lead to another topic: click them.\n"
    "- Back returns to the topic you read before.\n"
    "\n"
    "@section Keys\n"
    "Tab\tmoves to the next part of the window (Shift+Tab: back)\n"
    "Ctrl+Tab\tswitches between Contents and Index\n"
    "Enter\tshows the selected topic\n"
    "Escape\tcloses the help window\n"
    "\n"
    "@section Help from Norvel\n"
    "Help Contents (F1) opens the window at the contents, Help Search opens it at the index, "
    "and the Help button of each options page opens the topic that describes that page.\n";

// The help file exists as a file; otherwise *error holds the system's reason.
bool HelpFileExists(DWORD* error) {
  const DWORD attributes = GetFileAttributesA(HelpPath);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    *error = GetLastError();
    return false;
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    *error = ERROR_FILE_NOT_FOUND;
    return false;
  }
  return true;
}

// Reads the whole help file (at most kHelpFileLimit bytes). On failure *error holds the code
// and *message, when asked for, the message that names the failed step.
bool ReadHelpFile(std::string* text, DWORD* error, UINT* message = nullptr) {
  UINT ignored = 0;
  if (!message) message = &ignored;
  *message = kOpenErrorMessage;
  FileHandle file;
  if (!OpenSharedForReading(HelpPath, file)) {
    *error = GetLastError();
    return false;
  }
  *message = kReadErrorMessage;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) {
    *error = GetLastError();
    return false;
  }
  const DWORD wanted =
      size.QuadPart > kHelpFileLimit ? kHelpFileLimit : static_cast<DWORD>(size.QuadPart);
  text->assign(wanted, '\0');
  DWORD read = 0;
  if (wanted > 0 && !ReadFileBytes(file, &(*text)[0], wanted, &read)) {
    *error = GetLastError();
    return false;
  }
  text->resize(read);
  return true;
}

// The help file's topics, with the built-in topic on how to use help when the file lacks it.
HelpFile ParseWithBuiltInTopic(const std::string& text) {
  HelpFile file = ParseHelpText(text);
  if (FindHelpTopic(file, kHowToUseHelpTopic) != kNoHelpTopic) return file;
  return ParseHelpText(text + "\n@chapter\n" + kBuiltInHelp);  // outside any chapter
}

HWND WindowOwner(HWND owner) {
  return FrameWindow ? FrameWindow : owner;
}

// Contents or keyword search: both need the help file.
int OpenHelpFile(HWND owner, const HelpRequest& request) {
  DWORD error = 0;
  if (!HelpFileExists(&error)) return ShowError(kFileNotFoundMessage, HelpPath);
  std::string text;
  UINT message = 0;
  if (!ReadHelpFile(&text, &error, &message))
    return ShowMessage(owner ? owner : FrameWindow, kFileIoErrorTitle, message, HelpPath,
                       static_cast<int>(error));
  return ShowHelpWindow(WindowOwner(owner), ParseWithBuiltInTopic(text), request) ? 1 : 0;
}

int ShowHowToUseHelp(HWND owner) {
  DWORD error = 0;
  std::string text;
  // The topic belongs to the help system itself: a missing or unreadable file is no failure.
  HelpFile file = HelpFileExists(&error) && ReadHelpFile(&text, &error)
                      ? ParseWithBuiltInTopic(text)
                      : ParseHelpText(kBuiltInHelp, sizeof kBuiltInHelp - 1);
  HelpRequest request;
  request.topic = FindHelpTopic(file, kHowToUseHelpTopic);
  return ShowHelpWindow(WindowOwner(owner), std::move(file), request) ? 1 : 0;
}

}  // namespace

int UserHelp(HWND owner, UINT item, const char* searchKey) {
  if (StatusBar && IsWindowVisible(StatusBar)) SetStatus(item);
  switch (item) {
    case kHelpContentsItem:
      return OpenHelpFile(owner, HelpRequest{HelpPane::Contents, kNoHelpTopic, nullptr});
    case kHelpSearchItem:
      return OpenHelpFile(owner,
                          HelpRequest{HelpPane::Index, kNoHelpTopic, searchKey ? searchKey : ""});
    case kHowToUseHelpItem:
      return ShowHowToUseHelp(owner);
    default:
      return ShowErrorText("UserHelp(item): Invalid help item specified (item:%d)",
                           static_cast<int>(item));
  }
}

int ContextHelp(HWND owner, UINT contextId) {
  HWND messageOwner = owner ? owner : FrameWindow;
  DWORD error = 0;
  std::string text;
  if (!HelpFileExists(&error) || !ReadHelpFile(&text, &error))
    return ShowMessage(messageOwner, kProductTitle, kTopicNotFoundMessage, contextId,
                       static_cast<int>(error));
  HelpFile file = ParseWithBuiltInTopic(text);
  HelpRequest request;
  request.topic = FindHelpTopic(file, contextId);
  if (request.topic == kNoHelpTopic)
    return ShowMessage(messageOwner, kProductTitle, kTopicNotFoundMessage, contextId,
                       static_cast<int>(ERROR_NOT_FOUND));
  return ShowHelpWindow(WindowOwner(owner), std::move(file), request) ? 1 : 0;
}
