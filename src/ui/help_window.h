// The help window: a contents tree and a keyword index on the left, the topic text on the
// right, over one parsed help file. One window at a time; asking again reuses it.
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui/help_file.h"

constexpr const char* kHelpWindowClass = "NorvelHelpClass";

// Child control ids.
constexpr int kHelpTabsId = 100;      // "Contents" and "Index" tabs
constexpr int kHelpContentsId = 101;  // tree of chapters and topics
constexpr int kHelpKeywordLabelId = 102;
constexpr int kHelpKeywordEditId = 103;  // the keyword box
constexpr int kHelpKeywordListId = 104;  // keywords that match the box
constexpr int kHelpFoundLabelId = 105;
constexpr int kHelpFoundListId = 106;  // topics of the selected keyword
constexpr int kHelpDisplayId = 107;    // "Display": opens the selected entry (default button)
constexpr int kHelpBackId = 108;       // "Back": the topic shown before
constexpr int kHelpTextId = 109;       // the topic text (read-only rich edit)

enum class HelpPane { Contents, Index };

struct HelpRequest {
  HelpPane pane = HelpPane::Contents;
  std::size_t topic = kNoHelpTopic;  // none: the first topic the key finds, else the current one
  const char* searchKey = nullptr;   // Index only: the text for the keyword box
};

// Shows `file` in the help window, creating it owned by `owner`'s top-level window or reusing
// the open one. Returns the window, or null after reporting why it could not be created.
HWND ShowHelpWindow(HWND owner, HelpFile file, const HelpRequest& request);

// The open help window, or null.
HWND HelpWindow();

// The topic the window shows, or kNoHelpTopic.
std::size_t HelpWindowTopic();
