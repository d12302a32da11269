// The Print command: the print dialog on the shared record, then the job on the printer it chose.
#include "printing/print_document.h"

#include "base/globals.h"
#include "base/owned_handle.h"
#include "document/doc_window.h"
#include "printing/print_engine.h"
#include "resources/resource.h"
#include "ui/strings.h"
#include "ui/status.h"
#include "ui/window_text.h"

int PrintDocument(HWND document, AppOptionsRecord& options) {
  SetStatus(IDM_PRINT);
  // The printer, its device mode and names stay in the record from one dialog to the next.
  PrintDialogRecord.lStructSize = sizeof PrintDialogRecord;
  PrintDialogRecord.hwndOwner = document;
  PrintDialogRecord.hDC = nullptr;
  PrintDialogRecord.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
  PrintDialogRecord.nCopies = 1;

  char title[256];
  GetDocumentName(document, title);
  char documentName[kStringCapacity] = "";
  FormatTextById(documentName, IDS_PRINT_DOCNAME, title);

  int printed = 0;
  if (PrintDlgA(&PrintDialogRecord)) {
    DcOwner printer(PrintDialogRecord.hDC);
    PrintDialogRecord.hDC = nullptr;
    UpdateWindow(document);
    printed = PrintToDevice(printer.get(), document, title, documentName, PrintDialogRecord.nCopies,
                            options.PageSetup, OptionRecords.PrinterFontRecord.Font);
  }
  SetStatus(printed ? 60082 : 60083, title);
  return printed;
}
