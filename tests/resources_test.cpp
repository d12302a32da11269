// The program's linked resources: the menu bar, the accelerator keys, sample string texts, the
// toolbar strip and the manifest.
#include "harness/harness.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/toolbar.h"
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

void CountCommands(HMENU menu, std::map<UINT, int>& counts) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    if (HMENU popup = GetSubMenu(menu, i)) {
      CountCommands(popup, counts);
    } else if (!(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) {
      ++counts[GetMenuItemID(menu, i)];
    }
  }
}

TEST(Resources, MenuBarHoldsEveryCommandOnceInItsPopup) {
  HMENU menu = LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_MAINMENU));
  const char* const popups[] = {"&File",   "&Edit",    "&View", "&Tools",
                                "&Macros", "&Windows", "&Help"};
  ASSERT_EQ(GetMenuItemCount(menu), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(ItemText(menu, i, MF_BYPOSITION), popups[i]);
  std::map<UINT, int> counts;
  CountCommands(menu, counts);
  std::map<UINT, int> expected;
  for (UINT id : {101, 102, 103, 104, 110, 111, 112, 113, 114, 120, 121, 122, 133, 134, 150,
                  151, 152, 153, 199, 201, 210, 211, 212, 213, 214, 220, 230, 231, 236, 237,
                  280, 299, 301, 302, 303, 309, 320, 340, 341, 352, 353, 354, 355, 356, 357,
                  398, 399, 430, 431, 440, 801, 802, 803, 804, 805, 901, 902, 903, 999})
    expected[id] = 1;
  for (UINT n = 0; n < 9; ++n) expected[190 + n] = expected[310 + n] = expected[410 + n] = 1;
  EXPECT_EQ(counts, expected);
  const std::tuple<UINT, const char*> texts[] = {
      {101, "&New...\tCtrl+N"},  {103, "P&roperties\tAlt+Enter"}, {190, "&1  Unused"},
      {318, "&9  Undefined..."}, {802, "Tile &Horizontally\tF4"}, {999, "&About Norvel..."}};
  for (const auto& [id, text] : texts) EXPECT_EQ(ItemText(menu, id, MF_BYCOMMAND), text);
  const std::tuple<int, UINT> placed[] = {{0, 198}, {3, 318}, {4, 418}, {5, 805}};
  for (const auto& [popup, id] : placed)
    EXPECT_NE(GetMenuState(GetSubMenu(menu, popup), id, MF_BYCOMMAND), UINT(-1)) << id;
  DestroyMenu(menu);
}

TEST(Resources, AcceleratorsAreExactlyTheCommandKeys) {
  HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
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
}

TEST(Resources, StringsToolbarStripAndManifest) {
  const std::tuple<UINT, const char*> strings[] = {
      {1008, "Windows|*.*|Macintosh|*.*|Unix|*.*|"},
      {131, "Specify file filters for opening documents"},
      {13007,
       "File: %s\r\rCannot edit the active initialization file\rWould you like to open "
       "it as Read-Only?"},
      {29011, "%u lines selected for sorting  (%u - %u)"}};
  for (const auto& [id, text] : strings) {
    char shown[256] = "";
    LoadStringA(Module(), id, shown, sizeof shown);
    EXPECT_STREQ(shown, text);
  }
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(Module(), MAKEINTRESOURCEA(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP bitmap = {};
  GetObjectA(strip, sizeof bitmap, &bitmap);
  DeleteObject(strip);
  EXPECT_EQ(bitmap.bmWidth, kToolbarImages * kToolbarImageSize);
  EXPECT_EQ(bitmap.bmHeight, kToolbarImageSize);

  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(Module(), found))),
                             SizeofResource(Module(), found));
  EXPECT_NE(manifest.find("\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
}

}  // namespace
