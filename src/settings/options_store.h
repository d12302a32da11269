// Loading and saving the options record and the records beside it through the settings store.
#pragma once
#include <windows.h>

#include "settings/options.h"

// One placement record, "Top", "Left", "Width", "Height", "Show" in `section`; reading puts
// a window that would start off the screen back onto ScreenRect.
void ReadPlacement(const char* section, PlacementRecord& placement);
void WritePlacement(const char* section, const PlacementRecord& placement);
// The LOGFONT and colour of "Font\Display" or "Font\Printer".
void ReadFont(const char* section, FontRecord& font);
void WriteFont(const char* section, const FontRecord& font);

// The settings a first start computes (frame centred at 640 x 400, the options sheet centred,
// the SysEdit files of the Windows folder), then a save that creates the store.
void ApplyFirstRunDefaults(AppOptionsRecord& options, SideRecords& records);

// Pure helpers, public for their tests.
// Puts a placement that lies off `screen` back onto it (Top may stay up to 4 pixels above).
void ClampPlacement(PlacementRecord& placement, const RECT& screen);
// The SysEdit file `index` (0-8): the template of string 16000 + index with the drive (first
// two) or the Windows folder put in, lowercased; false when the result does not fit.
bool SysEditDefault(int index, const char* windowsFolder, char (&path)[kPathCapacity]);
