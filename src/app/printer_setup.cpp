// The Printer Setup command.
#include "app/printer_setup.h"

#include "base/globals.h"
#include "resources/resource.h"
#include "ui/status.h"

void PrinterSetup(HWND frame) {
  SetStatus(IDM_PRINTERSETUP);
  PrintDialogRecord.lStructSize = sizeof PrintDialogRecord;
  PrintDialogRecord.hwndOwner = frame;
  PrintDialogRecord.Flags = PD_PRINTSETUP;
  PrintDlgA(&PrintDialogRecord);  // the outcome lives in the record; the result is not used
}
