// The two in-memory page templates: a header and a table of items each.
#include "options/shell_page_templates.h"

#include "options/page_template.h"
#include "ui/dialog_template.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kText = kChild | SS_LEFT;
constexpr DWORD kIcon = kChild | SS_ICON;
constexpr DWORD kLine = kChild | SS_ETCHEDHORZ;
constexpr DWORD kCheck = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kPush = kChild | WS_TABSTOP | BS_PUSHBUTTON;
constexpr WORD kStatic = kStaticClassAtom;
constexpr WORD kButton = kButtonClassAtom;

const DialogItem kExplorerItems[] = {
    {kText, 0, 120, 10, 190, 16, kStartMenuLabel, kStatic,
     "To include or remove %s on the MS Windows Explorer Start Menu check one of the boxes "
     "below."},
    {kIcon, 0, 135, 32, 18, 20, kUnaddressedId, kStatic, "#1000"},
    {kCheck, 0, 170, 32, 95, 10, kCreateStartMenuBox, kButton, "&Create a Start Menu Item"},
    {kCheck, 0, 170, 44, 105, 10, kRemoveStartMenuBox, kButton, "&Remove this Start Menu Item"},
    {kLine, 0, 118, 60, 195, 1, kUnaddressedId, kStatic, " "},
    {kText, 0, 120, 65, 190, 16, kDesktopLabel, kStatic,
     "To display or delete the %s program icon on the MS Windows Explorer Desktop check the "
     "boxes below."},
    {kIcon, 0, 135, 87, 18, 20, kUnaddressedId, kStatic, "#2880"},
    {kCheck, 0, 170, 87, 99, 10, kCreateDesktopBox, kButton, "Create a &Desktop Icon"},
    {kCheck, 0, 170, 99, 115, 10, kRemoveDesktopBox, kButton, "Remove &Icon from the Desktop"},
    {kLine, 0, 118, 115, 195, 1, kUnaddressedId, kStatic, " "},
    {kText, 0, 120, 120, 190, 16, kStartupLabel, kStatic,
     "To run %s automatically whenever MS Windows 95/NT is started check the box below."},
    {kIcon, 0, 135, 142, 18, 20, kUnaddressedId, kStatic, "#2585"},
    {kCheck, 0, 170, 142, 103, 10, kCreateStartupBox, kButton, "Create a &Startup Folder Item"},
    {kCheck, 0, 170, 154, 115, 10, kRemoveStartupBox, kButton, "Remove the Startup &Folder Item"},
};

const DialogItem kVersionItems[] = {
    {kIcon, 0, 123, 10, 18, 20, kUnaddressedId, kStatic, "#1000"},
    {kText, 0, 155, 10, 160, 8, 101, kStatic, ""},
    {kText, 0, 155, 20, 160, 8, 102, kStatic, ""},
    {kText, 0, 155, 35, 160, 8, 103, kStatic, ""},
    {kText, 0, 155, 45, 160, 8, 104, kStatic, ""},
    {kLine, 0, 118, 60, 195, 1, kUnaddressedId, kStatic, " "},
    {kText, 0, 130, 70, 170, 32, 105, kStatic, ""},
    {kLine, 0, 118, 105, 195, 1, kUnaddressedId, kStatic, " "},
    {kText, 0, 130, 115, 170, 17, kUnaddressedId, kStatic,
     "Visit the Veldmark Web Site on the Internet to download the latest versions of all of my "
     "freeware."},
    {kPush, 0, 155, 140, 115, 14, kWebButton, kButton, kWebSiteText},
};

// The side picture at its real size, then the page's own items.
template <size_t count>
GlobalBlock BuildPageTemplate(const char* title, const DialogItem (&items)[count]) {
  GlobalBlock block = AllocatePageTemplate();
  if (!block) return block;
  DialogTemplateBuilder builder(block.data(), block.size());
  BeginPageTemplate(builder, title, SS_REALSIZEIMAGE);
  for (const DialogItem& item : items) builder.AddItem(item);
  if (!builder.End()) block.Reset();  // cannot happen with these tables: they fit with room
  return block;
}

}  // namespace

GlobalBlock BuildExplorerTemplate() {
  return BuildPageTemplate("Explorer", kExplorerItems);
}

GlobalBlock BuildVersionTemplate() {
  return BuildPageTemplate("Version", kVersionItems);
}
