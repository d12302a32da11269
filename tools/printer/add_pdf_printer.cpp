// Adds the "PDF Folder Printer" to a Wine prefix and makes it the default printer: Wine's
// PostScript driver with the PPD given as the first argument, on the port given as the second
// (a "|command" port hands each job to that command without asking for a file name).
// Usage: add_pdf_printer.exe <PPD path> <port>. Already present: given this port, made the default.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kPrinterName = "PDF Folder Printer";

int Fail(const char* step) {
  std::fprintf(stderr, "add_pdf_printer: %s failed, code %lu\n", step, GetLastError());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: add_pdf_printer <PPD path> <port>\n");
    return 2;
  }
  // The driver takes its PPD from the printer-driver folder.
  char folder[MAX_PATH];
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                  sizeof folder, &needed)) {
    return Fail("GetPrinterDriverDirectory");
  }
  const char* ppdName = std::strrchr(argv[1], '\\');
  ppdName = ppdName ? ppdName + 1 : argv[1];
  char ppdCopy[MAX_PATH];
  std::snprintf(ppdCopy, sizeof ppdCopy, "%s\\%s", folder, ppdName);
  if (!CopyFileA(argv[1], ppdCopy, FALSE)) return Fail("copying the PPD");

  char driverName[] = "PDF Folder Printer";
  char driverFile[] = "wineps.drv";
  DRIVER_INFO_3A driver = {};
  driver.cVersion = 3;
  driver.pName = driverName;
  driver.pDriverPath = driverFile;
  driver.pDataFile = ppdCopy;
  driver.pConfigFile = driverFile;
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
    return Fail("AddPrinterDriverEx");
  }

  char printerName[] = "PDF Folder Printer";
  char processor[] = "WinPrint";
  char datatype[] = "RAW";
  PRINTER_INFO_2A printer = {};
  printer.pPrinterName = printerName;
  printer.pPortName = argv[2];
  printer.pDriverName = driverName;
  printer.pPrintProcessor = processor;
  printer.pDatatype = datatype;
  printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  if (added) {
    ClosePrinter(added);
  } else if (GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
    return Fail("AddPrinter");
  } else {
    // Added before, perhaps with another output folder: the port given now holds.
    HANDLE existing = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(printerName, &existing, &access)) return Fail("OpenPrinter");
    const BOOL set = SetPrinterA(existing, 2, reinterpret_cast<BYTE*>(&printer), 0);
    ClosePrinter(existing);
    if (!set) return Fail("SetPrinter");
  }
  if (!SetDefaultPrinterA(kPrinterName)) return Fail("SetDefaultPrinter");
  return 0;
}
