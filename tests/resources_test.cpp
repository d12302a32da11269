// The program's linked resources: the menu bar's popups and numbered lists, the accelerator keys,
// the toolbar strip and the manifest that asks for the common controls of today's Windows.
#include "harness/harness.h"

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/toolbar.h"
#include "resources/resource.h"

namespace {

std::string ItemText(HMENU menu, UINT item, UINT flags) {
  char text[256] = "";
  GetMenuStringA(menu, item, text, sizeof text, flags);
  return text;
}

TEST(Resources, MenuBarPopupsHoldTheirNumberedLists) {
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
  std::string popups;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) popups += ItemText(menu, i, MF_BYPOSITION) + " ";
  EXPECT_EQ(popups, "&File &Edit &View &Tools &Macros &Windows &Help ");
  // The numbered lists each sit in their own popup: recent files, tools, macros, windows.
  const std::tuple<int, UINT> placed[] = {{0, 198}, {3, 318}, {4, 418}, {5, 805}};
  for (const auto& [popup, id] : placed)
    EXPECT_NE(GetMenuState(GetSubMenu(menu, popup), id, MF_BYCOMMAND), UINT(-1)) << id;
  DestroyMenu(menu);
}

TEST(Resources, AcceleratorsAreExactlyTheCommandKeysAndTheToolbarStripAndManifestFit) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS));
  std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
  CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
  const int c = FVIRTKEY | FCONTROL | FNOINVERT, a = FVIRTKEY | FALT | FNOINVERT,
            k = FVIRTKEY | FNOINVERT;
  std::multiset<std::tuple<int, int, int>> expected = {
      {c, 'A', 214},       {c, 'B', 151},   {c, 'D', 341},   {c, 'E', 354},   {c, 'F', 230},
      {c, 'G', 320},       {c, 'L', 150},   {a, 'L', 236},   {c, 'N', 101},   {c, 'O', 102},
      {c, 'P', 121},       {c, 'Q', 199},   {c, 'R', 231},   {c, 'S', 110},   {a, 'S', 440},
      {c, 'T', 399},       {a, 'U', 237},   {c, 'V', 212},   {c, 'W', 104},   {c, 'Y', 398},
      {a, VK_RETURN, 103}, {k, VK_F1, 901}, {k, VK_F4, 802}, {k, VK_F5, 309}, {k, VK_F6, 803},
      {k, VK_F7, 801},     {k, VK_F8, 804}};
  for (int n = 0; n < 9; ++n) expected.insert({{c, '1' + n, 310 + n}, {a, '1' + n, 410 + n}});
  std::multiset<std::tuple<int, int, int>> actual;
  for (const ACCEL& e : entries) actual.insert({e.fVirt & 0x7F, e.key, e.cmd});
  EXPECT_EQ(actual, expected);

  HMODULE module = GetModuleHandleA(nullptr);
  BITMAP strip = {};  // one image per toolbar button
  HGDIOBJ bitmap = LoadImageA(module, MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, 0);
  GetObjectA(bitmap, sizeof strip, &strip);
  DeleteObject(bitmap);
  EXPECT_EQ(strip.bmWidth, kToolbarImages * kToolbarImageSize);
  EXPECT_EQ(strip.bmHeight, kToolbarImageSize);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                             SizeofResource(module, found));
  EXPECT_NE(manifest.find("\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
}

}  // namespace
