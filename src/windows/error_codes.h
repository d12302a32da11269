// The system error codes window.
#pragma once
#include <windows.h>

#include "settings/options.h"

int OpenErrorCodes(PlacementRecord* placement);
int SetErrorCodesTopmost(int topmost);
int CloseErrorCodes();  // 0 when it was closed
