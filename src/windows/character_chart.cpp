// The character chart is not built yet: opening it only beeps; it is never open.
#include "windows/character_chart.h"

#include "ui/message_dialogs.h"

int OpenCharacterChart(PlacementRecord*, const char*, int) {
  return BeepAndFail();
}
int RefreshCharacterChart(const char*, int) {
  return 0;
}
int SetChartTopmost(int) {
  return 0;
}
int CloseCharacterChart() {
  return 0;
}
