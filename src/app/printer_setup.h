// The Printer Setup command.
#pragma once
#include <windows.h>

// Runs the system print dialog in setup mode on the shared print-dialog record, which keeps the
// chosen printer's blocks until the program ends.
void PrinterSetup(HWND frame);
