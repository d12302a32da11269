// The file properties window: a modal dialog built in memory, filled from the file's record.
#include "files/file_properties.h"

#include "base/globals.h"
#include "document/doc_window.h"
#include "files/file_record.h"
#include "resources/resource.h"
#include "settings/placement.h"
#include "ui/dialog_template.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

namespace {

// Ids of the value controls.
enum PropertyControl : WORD {
  kIconControl = 100,
  kNameControl = 101,
  kTypeControl = 102,
  kLocationControl = 103,
  kSizeControl = 104,
  kModeControl = 105,
  kCreatedControl = 106,
  kModifiedControl = 107,
  kAccessedControl = 108,
  kDosNameControl = 109,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kLabel = kChild | SS_RIGHT;
constexpr DWORD kValue = kChild | SS_LEFT;
constexpr DWORD kLine = kChild | SS_ETCHEDHORZ | SS_SUNKEN;
constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;

const DialogItem kItems[] = {
    {kChild | SS_ICON, 0, 11, 8, 18, 20, kIconControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 34, 10, 18, 8, kUnaddressedId, kStaticClassAtom, "File:"},
    {kValue, 0, 60, 10, 150, 8, kNameControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 34, 20, 18, 8, kUnaddressedId, kStaticClassAtom, "Type:"},
    {kValue, 0, 60, 20, 150, 8, kTypeControl, kStaticClassAtom, nullptr},
    {kLine, 0, 6, 35, 214, 1, kUnaddressedId, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 40, 35, 8, kUnaddressedId, kStaticClassAtom, "Location:"},
    {kValue, 0, 60, 40, 150, 16, kLocationControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 60, 35, 8, kUnaddressedId, kStaticClassAtom, "Size:"},
    {kValue, 0, 60, 60, 150, 8, kSizeControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 70, 35, 8, kUnaddressedId, kStaticClassAtom, "Mode:"},
    {kValue, 0, 60, 70, 150, 8, kModeControl, kStaticClassAtom, nullptr},
    {kLine, 0, 5, 83, 214, 1, kUnaddressedId, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 90, 35, 8, kUnaddressedId, kStaticClassAtom, "MS DOS:"},
    {kValue, 0, 60, 90, 150, 8, kDosNameControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 105, 35, 8, kUnaddressedId, kStaticClassAtom, "Created:"},
    {kValue, 0, 60, 105, 150, 8, kCreatedControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 115, 35, 8, kUnaddressedId, kStaticClassAtom, "Modified:"},
    {kValue, 0, 60, 115, 150, 8, kModifiedControl, kStaticClassAtom, nullptr},
    {kLabel, 0, 17, 125, 35, 8, kUnaddressedId, kStaticClassAtom, "Accessed:"},
    {kValue, 0, 60, 125, 150, 8, kAccessedControl, kStaticClassAtom, nullptr},
    {kLine, 0, 5, 138, 214, 1, kUnaddressedId, kStaticClassAtom, nullptr},
    {kChild | BS_PUSHBUTTON, 0, 165, 145, 40, 14, IDOK, kButtonClassAtom, "OK"},
};

struct PropertiesWindow {
  const char* path;
  FilePropertiesRecord record;  // owns the icon the window shows, so it outlives the window
};

void FillWindow(HWND dialog, PropertiesWindow& window) {
  FilePropertiesRecord& record = window.record;
  const bool found = GatherFileProperties(window.path, record);
  HICON icon =
      record.icon ? record.icon.get() : LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_DOCUMENT));
  SendDlgItemMessageA(dialog, kIconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  const struct {
    WORD id;
    const char* text;
  } values[] = {
      {kNameControl, record.name},
      {kTypeControl, record.typeName},
      {kLocationControl, record.location},
      {kSizeControl, record.sizeText},
      {kModeControl, !found            ? ""
                     : record.readOnly ? "Read Only Access"
                                       : "Read / Write Access"},
      {kDosNameControl, record.dosName},
      {kCreatedControl, record.createdText},
      {kModifiedControl, record.modifiedText},
      {kAccessedControl, record.accessedText},
  };
  for (const auto& value : values) SetDlgItemTextA(dialog, value.id, value.text);
  const POINT origin = PlacementOrigin(OptionRecords.Property);
  SetWindowPos(dialog, nullptr, origin.x, origin.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK PropertiesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    FillWindow(dialog, *reinterpret_cast<PropertiesWindow*>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    StoreWindowPlacement(dialog, OptionRecords.Property);
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

size_t WritePropertiesTemplate(void* block, size_t capacity) {
  DialogTemplateBuilder builder(block, capacity);
  builder.BeginDialog({kDialogStyle, 0, 40, 50, 225, 165, " File Properties", 8, "MS Sans Serif"});
  for (const DialogItem& item : kItems) builder.AddItem(item);
  return builder.End();
}

int FileProperties(HWND document, AppOptionsRecord&) {
  CloseSplash();
  GlobalBlock block = GlobalBlock::Allocate(kPropertiesTemplateSize);
  if (!block || !WritePropertiesTemplate(block.data(), block.size())) {
    return ShowMessage(document, IDS_APPNAME, 60008, "Dialog Template",
                       static_cast<int>(kPropertiesTemplateSize));
  }
  SetStatus(IDM_PROPERTIES);
  PropertiesWindow window = {};
  char path[kPathCapacity];
  GetDocumentName(document, path);
  window.path = path;
  DialogBoxIndirectParamA(AppInstance, reinterpret_cast<LPCDLGTEMPLATEA>(block.data()), document,
                          PropertiesProc, reinterpret_cast<LPARAM>(&window));
  block.Reset();
  InvalidateRect(document, nullptr, TRUE);
  UpdateWindow(document);
  return 1;
}
