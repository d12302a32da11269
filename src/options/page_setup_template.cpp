// The Printing page's layout: 27 items in a 320 x 172 page, the side picture first.
#include "options/page_setup_template.h"

#include "options/page_template.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kText = kChild | SS_LEFT;
constexpr DWORD kLine = kChild | SS_ETCHEDHORZ;
constexpr DWORD kField = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kBox = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr WORD kNone = kUnaddressedId;
constexpr WORD kStatic = kStaticClassAtom;

// In tab order: each label comes just before its field, so its access key reaches the field.
constexpr DialogItem kItems[] = {
    {kText, 0, 120, 7, 190, 8, kNone, kStatic,
     "Specify the header and footer to be printed on each page."},
    {kText, 0, 122, 22, 25, 8, kNone, kStatic, "&Header"},
    {kField, 0, 150, 20, 160, 12, kHeaderTextId, kEditClassAtom, nullptr},
    {kBox, 0, 155, 35, 55, 9, kPrintHeaderId, kButtonClassAtom, "&Print Header"},
    {kBox, 0, 220, 35, 60, 9, kCenterHeaderId, kButtonClassAtom, "&Center Header"},
    {kText, 0, 122, 51, 25, 8, kNone, kStatic, "&Footer"},
    {kField, 0, 150, 50, 160, 12, kFooterTextId, kEditClassAtom, nullptr},
    {kBox, 0, 155, 65, 55, 9, kPrintFooterId, kButtonClassAtom, "Print F&ooter"},
    {kBox, 0, 220, 65, 60, 9, kCenterFooterId, kButtonClassAtom, "Ce&nter Footer"},
    {kLine, 0, 118, 77, 195, 1, kNone, kStatic, " "},
    // This text and the legend are wider than they need with the classic bitmap font: with
    // wider letters (Wine's) the first line would wrap and hide the second, and the legend
    // would lose "Number", "Date" and "Time".
    {kText, 0, 120, 80, 190, 16, kNone, kStatic,
     "Use the following text macros to insert file information\r"
     "in the headers and footers printed on each page:"},
    {kText, 0, 154, 99, 70, 8, kNone, kStatic, "$F = File Name"},
    {kText, 0, 154, 110, 70, 8, kNone, kStatic, "$P = Page Number"},
    {kText, 0, 230, 99, 80, 8, kNone, kStatic, "$D = Current Date"},
    {kText, 0, 230, 110, 80, 8, kNone, kStatic, "$T = Current Time"},
    {kLine, 0, 118, 121, 195, 1, kNone, kStatic, " "},
    {kText, 0, 120, 126, 190, 8, kNone, kStatic,
     "Specify the paper margins for printed text file pages."},
    {kChild | SS_ICON, 0, 121, 141, 18, 20, kNone, kStatic, "#2720"},
    {kText, 0, 154, 140, 13, 8, kNone, kStatic, "&Left"},
    {kField, 0, 175, 138, 30, 12, kLeftMarginId, kEditClassAtom, nullptr},
    {kText, 0, 154, 155, 18, 8, kNone, kStatic, "&Right"},
    {kField, 0, 175, 153, 30, 12, kRightMarginId, kEditClassAtom, nullptr},
    {kText, 0, 220, 140, 14, 8, kNone, kStatic, "&Top"},
    {kField, 0, 245, 138, 30, 12, kTopMarginId, kEditClassAtom, nullptr},
    {kText, 0, 220, 155, 23, 8, kNone, kStatic, "&Bottom"},
    {kField, 0, 245, 153, 30, 12, kBottomMarginId, kEditClassAtom, nullptr},
};
static_assert(sizeof kItems / sizeof kItems[0] == 26, "the side picture makes 27 items");
static_assert(IDI_MARGINS == 2720, "the margin icon's text above names it");

}  // namespace

size_t WritePageSetupTemplate(void* block, size_t capacity) {
  DialogTemplateBuilder builder(block, capacity);
  BeginPageTemplate(builder, "Printing", SS_CENTERIMAGE);
  for (const DialogItem& item : kItems) builder.AddItem(item);
  return builder.End();
}

GlobalBlock BuildPageSetupTemplate() {
  GlobalBlock block = AllocatePageTemplate();
  if (block && !WritePageSetupTemplate(block.data(), block.size())) block.Reset();
  return block;
}
