// The program's linked resources: the menu bar and context menu, the accelerator table, string
// texts, the toolbar bitmap, the version information and the manifest.
#include "harness/harness.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "resources/resource.h"

namespace {

HINSTANCE Module() {
  return GetModuleHandleA(nullptr);
}

std::string ItemText(HMENU menu, UINT item, UINT flags) {
  char text[256] = "";
  GetMenuStringA(menu, item, text, sizeof text, flags);
  return text;
}

std::string StringResource(UINT id) {
  char text[256] = "";
  const int length = LoadStringA(Module(), id, text, sizeof text);
  return std::string(text, length > 0 ? length : 0);
}

// Counts every command item of a menu and its popups, by id.
void CountCommands(HMENU menu, std::map<UINT, int>& counts) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (HMENU popup = GetSubMenu(menu, i)) {
      CountCommands(popup, counts);
    } else if (!(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) {
      ++counts[GetMenuItemID(menu, i)];
    }
  }
}

TEST(MainMenu, SevenPopupsInOrderHoldingEveryCommandOnce) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINMENU));
  ASSERT_NE(menu, nullptr);
  const char* const popups[] = {"&File",   "&Edit",    "&View", "&Tools",
                                "&Macros", "&Windows", "&Help"};
  ASSERT_EQ(GetMenuItemCount(menu), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_NE(GetSubMenu(menu, i), nullptr) << i;
    EXPECT_EQ(ItemText(menu, i, MF_BYPOSITION), popups[i]) << i;
  }

  // The command table: 86 commands, each once, the numbered ranges included; 131 is a help
  // text only.
  std::map<UINT, int> counts;
  CountCommands(menu, counts);
  std::set<UINT> expected = {101, 102, 103, 104, 110, 111, 112, 113, 114, 120, 121, 122,
                             133, 134, 150, 151, 152, 153, 199, 201, 210, 211, 212, 213,
                             214, 220, 230, 231, 236, 237, 280, 299, 301, 302, 303, 309,
                             320, 340, 341, 352, 353, 354, 355, 356, 357, 398, 399, 430,
                             431, 440, 801, 802, 803, 804, 805, 901, 902, 903, 999};
  for (UINT n = 0; n < 9; ++n) expected.insert({IDM_RECENT_FIRST + n, 310 + n, 410 + n});
  std::set<UINT> actual;
  for (const auto& entry : counts) {
    actual.insert(entry.first);
    EXPECT_EQ(entry.second, 1) << entry.first;
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(counts.size(), 86u);
  EXPECT_EQ(StringResource(IDM_FILTERS), "Specify file filters for opening documents");

  // A sample of item texts, each with its key, and the numbered items in their own popups.
  const std::tuple<UINT, const char*> texts[] = {
      {101, "&New...\tCtrl+N"},  {103, "P&roperties\tAlt+Enter"}, {190, "&1  Unused"},
      {318, "&9  Undefined..."}, {399, "&Always on Top\tCtrl+T"}, {802, "Tile &Horizontally\tF4"},
      {999, "&About Norvel..."},
  };
  for (const auto& [id, text] : texts) EXPECT_EQ(ItemText(menu, id, MF_BYCOMMAND), text) << id;
  const std::tuple<int, UINT> placed[] = {{0, IDM_RECENT_LAST}, {3, 318}, {4, 418}, {5, 805}};
  for (const auto& [popup, id] : placed) {
    EXPECT_NE(GetMenuState(GetSubMenu(menu, popup), id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
  }
  DestroyMenu(menu);
}

TEST(ContextMenu, IsOnePopupWithTheDocumentCommands) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_CONTEXTMENU));
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  std::map<UINT, int> counts;
  CountCommands(GetSubMenu(menu, 0), counts);
  std::set<UINT> ids;
  for (const auto& entry : counts) ids.insert(entry.first);
  EXPECT_EQ(ids, (std::set<UINT>{104, 112, 152, 201, 210, 211, 212, 213, 214, 230, 231, 236, 237,
                                 341, 440}));
  EXPECT_EQ(ItemText(menu, 104, MF_BYCOMMAND), "C&lose");
  DestroyMenu(menu);
}

TEST(Accelerators, TableHoldsExactlyTheCommandKeys) {
  HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
  ASSERT_NE(table, nullptr);
  const int count = CopyAcceleratorTableA(table, nullptr, 0);
  std::vector<ACCEL> entries(count > 0 ? count : 0);
  ASSERT_EQ(CopyAcceleratorTableA(table, entries.data(), count), count);
  DestroyAcceleratorTable(table);

  const BYTE control = FVIRTKEY | FCONTROL | FNOINVERT;
  const BYTE alt = FVIRTKEY | FALT | FNOINVERT;
  const BYTE plain = FVIRTKEY | FNOINVERT;
  std::set<std::tuple<int, int, int>> expected = {
      {control, 'A', 214},   {control, 'B', 151}, {control, 'D', 341}, {control, 'E', 354},
      {control, 'F', 230},   {control, 'G', 320}, {control, 'L', 150}, {alt, 'L', 236},
      {control, 'N', 101},   {control, 'O', 102}, {control, 'P', 121}, {control, 'Q', 199},
      {control, 'R', 231},   {control, 'S', 110}, {alt, 'S', 440},     {control, 'T', 399},
      {alt, 'U', 237},       {control, 'V', 212}, {control, 'W', 104}, {control, 'Y', 398},
      {alt, VK_RETURN, 103}, {plain, VK_F1, 901}, {plain, VK_F4, 802}, {plain, VK_F5, 309},
      {plain, VK_F6, 803},   {plain, VK_F7, 801}, {plain, VK_F8, 804},
  };
  for (int n = 0; n < 9; ++n) {
    expected.insert({control, '1' + n, 310 + n});
    expected.insert({alt, '1' + n, 410 + n});
  }
  std::set<std::tuple<int, int, int>> actual;
  for (const ACCEL& entry : entries) actual.insert({entry.fVirt & 0x7F, entry.key, entry.cmd});
  EXPECT_EQ(entries.size(), expected.size());
  EXPECT_EQ(actual, expected);
}

TEST(Strings, SampleTextsAreExact) {
  const std::tuple<UINT, const char*> cases[] = {
      {1000, "Norvel"},
      {1004,
       "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|Source Code|*.c;*.h;*.cpp;*.rc;*.def;*.hpj|"
       "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak|"
       "Language|*.pas;*.for;*.lst;*.cod|All Files|*.*|"},
      {1008, "Windows|*.*|Macintosh|*.*|Unix|*.*|"},
      {1021, "Copyright \xA9 1996-2026 Veldmark"},
      {195, "Open this document"},
      {1341, "Timestamp"},
      {13007,
       "File: %s\r\rCannot edit the active initialization file\rWould you like to open it as "
       "Read-Only?"},
      {14003,
       "\rNot enought buffer space is available for this document\r\rTry closing other Norvel "
       "windows."},
      {16008, "%s\\win.ini"},
      {29011, "%u lines selected for sorting  (%u - %u)"},
  };
  for (const auto& [id, text] : cases) EXPECT_EQ(StringResource(id), text) << id;
}

TEST(Resources, ToolbarStripVersionAndManifest) {
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(Module(), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(strip, nullptr);
  BITMAP bitmap = {};
  GetObjectA(strip, sizeof bitmap, &bitmap);
  DeleteObject(strip);
  EXPECT_EQ(bitmap.bmWidth, TOOLBAR_IMAGE_COUNT * TOOLBAR_IMAGE_WIDTH);
  EXPECT_EQ(bitmap.bmHeight, TOOLBAR_IMAGE_HEIGHT);
  EXPECT_EQ(bitmap.bmBitsPixel, 4);

  char path[MAX_PATH] = "";
  ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(path, &ignored));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, static_cast<DWORD>(block.size()), block.data()));
  const std::tuple<const char*, const char*> rows[] = {
      {"FileVersion", "Version 3.7"},
      {"ProductName", "Norvel"},
      {"LegalCopyright", "Copyright \xA9 1996-2026 Veldmark"},
  };
  for (const auto& [name, text] : rows) {
    char* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
    ASSERT_TRUE(
        VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
        << name;
    EXPECT_STREQ(value, text);
  }

  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(Module(), found)));
  const std::string manifest(data, SizeofResource(Module(), found));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

}  // namespace
