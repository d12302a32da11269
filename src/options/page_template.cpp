// Shared parts of the options pages that are built in memory.
#include "options/page_template.h"

#include "resources/resource.h"
#include "ui/message_dialogs.h"

namespace {
constexpr UINT kNoMemoryMessage = 60008;  // "Cannot allocate memory for %s ... Size: %d ..."
constexpr DWORD kPageStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION;
}  // namespace

GlobalBlock AllocatePageTemplate() {
  GlobalBlock block = GlobalBlock::Allocate(kPageTemplateSize);
  if (!block) ShowError(kNoMemoryMessage, "Dialog Template", static_cast<int>(kPageTemplateSize));
  return block;
}

int BeginPageTemplate(DialogTemplateBuilder& builder, const char* caption, DWORD pictureStyle) {
  static_assert(IDB_OPTIONS_SIDE == 1999, "the side picture's text below names it");
  return builder.BeginDialog({kPageStyle, 0, 0, 0, 320, 172, caption, 8, "MS Sans Serif"}) &&
         builder.AddItem({WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_SUNKEN | pictureStyle, 0, 7, 7,
                          104, 159, kUnaddressedId, kStaticClassAtom, "#1999"});
}
