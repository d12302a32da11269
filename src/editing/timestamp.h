// Date and time stamps: the texts from the "Intl" settings of WIN.INI, and their insertion at
// the caret. Print headers and the options sheet use the same two texts.
#pragma once
#include <windows.h>

#include <ctime>

#include "editing/date_time_text.h"
#include "settings/options.h"

// The "Intl" values of WIN.INI, read at every call, each with its default when missing.
IntlSettings ReadIntlSettings();

// The date (long or short picture) of `time`, or of now when `time` is null. The text stays in
// a process-wide buffer until the next call and is also copied into `out` (kStampCapacity
// bytes) when one is given.
const char* FormatDateText(const std::tm* time, int longDate, char* out);
// The time (hours and minutes) likewise, in a buffer of its own.
const char* FormatTimeText(const std::tm* time, char* out);

// Replaces the selection with the date, the time or both (two blanks between, in the order
// DateFirst says), as one undoable step; the time alone when ShowDate is off. 0 for a document
// that is only viewed.
int InsertTimestamp(HWND document, AppOptionsRecord& options);

// Test seam: where "now" comes from (null: the local clock).
using ClockFunction = std::tm (*)();
void SetTimestampClock(ClockFunction clock);
