// The ASCII/ANSI character chart window.
#pragma once
#include <windows.h>

#include "settings/options.h"

int OpenCharacterChart(PlacementRecord* placement, const char* faceName, int useFont);
int RefreshCharacterChart(const char* faceName, int useFont);  // 0 when the chart is closed
int SetChartTopmost(int topmost);
int CloseCharacterChart();  // 0 when it was closed
