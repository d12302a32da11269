// The placeholder page: an in-memory template with the side bitmap and one line of text.
#include "options/placeholder_page.h"

#include "resources/resource.h"
#include "ui/dialog_template.h"
#include "ui/message_dialogs.h"

GlobalBlock BuildPlaceholderTemplate() {
  char text[kMessageCapacity] = "";
  GetString(text, IDS_PAGE_NOT_READY);
  GlobalBlock block = GlobalBlock::Allocate(kPlaceholderTemplateSize);
  if (!block) {
    ShowError(60008, "Dialog Template", static_cast<int>(kPlaceholderTemplateSize));
    return block;
  }
  DialogTemplateBuilder builder(block.data(), block.size());
  builder.BeginDialog({DS_SETFONT | WS_CHILD | WS_CAPTION | WS_DISABLED, 0, 0, 0,
                       kOptionsPageWidth, kOptionsPageHeight, "", 8, "MS Sans Serif"});
  // The bitmap goes by its number, which the static control looks up in the program's module.
  builder.AddItem({WS_CHILD | WS_VISIBLE | SS_BITMAP, 0, 7, 7, 0, 0, 0xFFFF, kStaticClassAtom,
                   "#1999"});
  builder.AddItem({WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 120, 20, 190, 20, 0xFFFF, kStaticClassAtom,
                   text});
  if (!builder.End()) block.Reset();
  return block;
}

INT_PTR RunPlaceholderPage(UINT statusId, UINT helpTopic, HWND page, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  const OptionsPageBehaviour behaviour = {statusId, helpTopic, CopyPlacement, nullptr, nullptr,
                                          nullptr, nullptr};
  return RunOptionsPage(behaviour, page, message, wParam, lParam);
}
