// The options sheet's page table. Each page lives in a file of its own.
#include "options/page_table.h"

#include "options/editor_page.h"
#include "options/filters_page.h"
#include "options/macros_page.h"
#include "options/page_setup_template.h"
#include "options/printing_page.h"
#include "options/shell_pages.h"
#include "options/sysedit_page.h"
#include "options/time_stamp_page.h"
#include "options/tools_page.h"
#include "resources/resource.h"
#include "options/shell_page_templates.h"

namespace {

// clang-format off
const OptionsPageEntry kPages[kOptionsPageCount] = {
    {IDS_PAGE_EDITOR, IDD_EDITOR_PAGE, nullptr, EditorPageProc, PageDataKind::Copy},
    {IDS_PAGE_FILTERS, IDD_FILTERS_PAGE, nullptr, FiltersPageProc, PageDataKind::Copy},
    {IDS_PAGE_PRINTING, 0, BuildPageSetupTemplate, PrintingPageProc, PageDataKind::PageSetup},
    {IDS_PAGE_TOOLS, IDD_TOOLS_PAGE, nullptr, ToolsPageProc, PageDataKind::Copy},
    {IDS_PAGE_MACROS, IDD_MACROS_PAGE, nullptr, MacrosPageProc, PageDataKind::Copy},
    {IDS_PAGE_SYSEDIT, IDD_SYSEDIT_PAGE, nullptr, SysEditPageProc, PageDataKind::Copy},
    {IDS_PAGE_TIMESTAMP, IDD_TIMESTAMP_PAGE, nullptr, TimeStampPageProc, PageDataKind::Copy},
    {IDS_PAGE_EXPLORER, 0, BuildExplorerTemplate, ExplorerPageProc, PageDataKind::ShellRequests},
    {IDS_PAGE_VERSION, 0, BuildVersionTemplate, VersionPageProc, PageDataKind::Placement},
};
// clang-format on

}  // namespace

const OptionsPageEntry* OptionsPages() {
  return kPages;
}

LPARAM OptionsPageData(PageDataKind kind, AppOptionsRecord& copy) {
  switch (kind) {
    case PageDataKind::PageSetup:
      return reinterpret_cast<LPARAM>(&copy.PageSetup);
    case PageDataKind::ShellRequests:
      return reinterpret_cast<LPARAM>(&copy.ShellRequests);
    case PageDataKind::Placement:
      return reinterpret_cast<LPARAM>(&copy.Options);
    case PageDataKind::Copy:
    default:
      return reinterpret_cast<LPARAM>(&copy);
  }
}
