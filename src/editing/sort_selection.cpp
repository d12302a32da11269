// Sorting is not built yet: it only beeps.
#include "editing/sort_selection.h"

#include "ui/message_dialogs.h"

int SortSelection(HWND, int, int) {
  return BeepAndFail();
}
