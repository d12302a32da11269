// Which commands a user can pick, in the menu bar, on the toolbar and in a document's context
// menu, for each kind of active document.
#include <windows.h>

#include <functional>
#include <string>

#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using MenuState = DocumentFixture;

// One column per command; '1' enabled, '0' greyed; 'c' enabled and checked.
const UINT kCommands[] = {103, 104, 110, 111, 112, 113, 114, 121, 151, 152, 201, 210,
                          211, 212, 213, 214, 220, 230, 231, 236, 237, 280, 309, 320,
                          340, 341, 352, 353, 440, 801, 804, 805, 410, 312};
const UINT kContextCommands[] = {201, 212, 213, 210, 211, 214, 104, 112,
                                 152, 341, 230, 231, 440, 236, 237};

struct Row {
  const char* state;
  std::function<void(MenuState&)> setUp;
  const char* menu;     // kCommands
  const char* context;  // kContextCommands; nullptr without a document
};

HWND OpenSample(MenuState& t, int readOnly = 0) {
  return t.Open(t.folder_.Write("a.txt", "alpha beta"), readOnly);
}
void SelectAll(HWND document) {
  SendMessageA(DocEditControl(document), EM_SETSEL, 0, -1);
}

const Row kRows[] = {
    // clang-format off
    {"no document", [](MenuState&) {},
     "0000000000 0000000000 0000000000 0001", nullptr},
    {"untitled, typed", [](MenuState& t) { t.Type(t.New(), "x"); },
     "0111001111 1001111110 0001111101 1111", "11100 11011 11000"},
    {"saved", [](MenuState& t) { OpenSample(t); },
     "1101001111 1001111110 0111111101 1111", "11100 11011 11000"},
    {"saved, modified", [](MenuState& t) { t.Type(OpenSample(t), "x"); },
     "1111011111 1001111110 0101111101 1111", "11100 11011 11000"},
    {"viewing, selection", [](MenuState& t) { SelectAll(OpenSample(t, 1)); },
     "1101101110 0010011100 0c11100001 1111", "00001 11100 10000"},
    {"selection", [](MenuState& t) { SelectAll(OpenSample(t)); },
     "1101101111 1111111111 1111111111 1111", "11111 11111 11111"},
    {"find dialog open", [](MenuState& t) { OpenSample(t); FindReplaceDialog = t.frame_; },
     "1101001111 1001111000 0111111101 1100", "11100 11011 00000"},
    {"no date, no time", [](MenuState& t) {
       OpenSample(t); AppOptions.ShowDate = AppOptions.ShowTime = 0; },
     "1101001111 1001111110 0111101101 1111", "11100 11010 11000"},
    {"word wrap", [](MenuState& t) { OpenSample(t); t.Command(IDM_WORDWRAP); },
     "1101001111 1001111110 0111c11101 1111", "11100 11011 11000"},
    // clang-format on
};

// The states in groups of five or ten, as the rows write them.
std::string Grouped(const std::string& states, size_t group) {
  std::string out;
  for (size_t i = 0; i < states.size(); ++i)
    out += (i && i % group == 0 ? " " : "") + states.substr(i, 1);
  return out;
}

std::string Read(HMENU menu, const UINT* ids, size_t count) {
  std::string states;
  for (size_t i = 0; i < count; ++i) {
    const UINT state = GetMenuState(menu, ids[i], MF_BYCOMMAND);
    states += (state & MF_GRAYED) ? '0' : (state & MF_CHECKED) ? 'c' : '1';
  }
  return states;
}

// The context menu as TrackPopupMenu shows it, read when it opens and closed at once.
std::string contextShown;
WNDPROC frameProc = nullptr;
LRESULT CALLBACK WatchPopup(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITMENUPOPUP) {
    contextShown =
        Read(reinterpret_cast<HMENU>(wParam), kContextCommands, std::size(kContextCommands));
  }
  if (message == WM_ENTERIDLE) EndMenu();
  return CallWindowProcA(frameProc, window, message, wParam, lParam);
}

TEST_F(MenuState, EveryCommandFollowsTheActiveDocument) {
  AppOptions.Tools[2] = ToolRecord{};
  AppOptions.Tools[2].Active = 1;
  lstrcpyA(AppOptions.Tools[2].Name, "Compiler");
  AppOptions.Macros[0].Active = 1;
  lstrcpyA(AppOptions.Macros[0].Name, "Signature");
  frameProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchPopup)));
  HMENU menu = GetMenu(frame_);
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.state);
    row.setUp(*this);
    SendMessageA(frame_, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    const std::string menuStates = Read(menu, kCommands, std::size(kCommands));
    EXPECT_EQ(Grouped(menuStates, 10), row.menu);
    // A toolbar button, where the command has one, looks as its menu item.
    for (size_t i = 0; i < std::size(kCommands); ++i) {
      if (SendMessageA(ToolbarWindow, TB_COMMANDTOINDEX, kCommands[i], 0) < 0) continue;
      const bool enabled = SendMessageA(ToolbarWindow, TB_ISBUTTONENABLED, kCommands[i], 0);
      EXPECT_EQ(enabled, menuStates[i] != '0') << "button " << kCommands[i];
    }
    if (row.context) {
      contextShown = "not shown";
      ShowContextMenu(ActiveDocWindow, POINT{5, 5});
      EXPECT_EQ(Grouped(contextShown, 5), row.context);
    }
    FindReplaceDialog = nullptr;
    AppOptions.ShowDate = AppOptions.ShowTime = 1;
    ForEachDocWindow([](HWND document) { SetDocWord(document, kModifiedWord, 0); });
    Command(IDM_CLOSEALL);
    ASSERT_EQ(DocumentCount(), 0);
  }
  SetWindowLongPtrA(frame_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameProc));
}

}  // namespace
