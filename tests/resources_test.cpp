// The program's linked resources: the menu bar and context menu, the accelerator table, string
// texts, icons and bitmaps, the version information and the manifest.
#include "harness/harness.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "resources/resource.h"

namespace {

struct MenuCloser {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuOwner = std::unique_ptr<std::remove_pointer<HMENU>::type, MenuCloser>;

struct ObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using BitmapOwner = std::unique_ptr<std::remove_pointer<HBITMAP>::type, ObjectDeleter>;

struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconOwner = std::unique_ptr<std::remove_pointer<HICON>::type, IconDestroyer>;

HINSTANCE Module() {
  return GetModuleHandleA(nullptr);
}

MenuOwner LoadMenuResource(int id) {
  return MenuOwner(LoadMenuA(Module(), MAKEINTRESOURCEA(id)));
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

// Every command of the frame's command table, with the text its item shows.
struct MenuCommand {
  UINT id;
  const char* text;
};
const MenuCommand kMenuCommands[] = {
    {101, "&New...\tCtrl+N"},
    {102, "&Open...\tCtrl+O"},
    {103, "P&roperties\tAlt+Enter"},
    {104, "&Close\tCtrl+W"},
    {110, "&Save\tCtrl+S"},
    {111, "Save &As..."},
    {112, "&Save Selection As..."},
    {113, "&Discard..."},
    {114, "Sa&ve All"},
    {120, "Pa&ge Setup..."},
    {121, "&Print...\tCtrl+P"},
    {122, "Printer Set&up..."},
    {133, "Op&tions..."},
    {134, "Set&up..."},
    {150, "Open a &List...\tCtrl+L"},
    {151, "&Build a List...\tCtrl+B"},
    {152, "&Insert File..."},
    {153, "SysEdit &Files..."},
    {190, "&1  Unused"},
    {194, "&5  Unused"},
    {198, "&9  Unused"},
    {199, "E&xit\tCtrl+Q"},
    {201, "&Undo\tCtrl+Z"},
    {210, "Cu&t\tCtrl+X"},
    {211, "&Copy\tCtrl+C"},
    {212, "&Paste\tCtrl+V"},
    {213, "&Delete\tDel"},
    {214, "Select &All\tCtrl+A"},
    {220, "&Duplicate"},
    {230, "&Find...\tCtrl+F"},
    {231, "&Replace...\tCtrl+R"},
    {236, "&Lowercase\tAlt+L"},
    {237, "U&ppercase\tAlt+U"},
    {280, "Read &Only"},
    {299, "Show Clip&board"},
    {301, "&Status Bar"},
    {302, "&Toolbar"},
    {303, "&Customize..."},
    {309, "&Refresh\tF5"},
    {310, "&1  Undefined..."},
    {318, "&9  Undefined..."},
    {320, "&Go to Line...\tCtrl+G"},
    {340, "&Word Wrap"},
    {341, "Insert D&ate\tCtrl+D"},
    {352, "&OEM to ANSI"},
    {353, "A&NSI to OEM"},
    {354, "&Error Codes...\tCtrl+E"},
    {355, "A&SCII Chart..."},
    {356, "&Customize Tools..."},
    {357, "&Customize Macros..."},
    {398, "&Minimize\tCtrl+Y"},
    {399, "&Always on Top\tCtrl+T"},
    {410, "&1  Undefined..."},
    {418, "&9  Undefined..."},
    {430, "&Display Font..."},
    {431, "&Printer Font..."},
    {440, "Sort S&election...\tAlt+S"},
    {801, "Tile &Vertically\tF7"},
    {802, "Tile &Horizontally\tF4"},
    {803, "&Cascade\tF6"},
    {804, "Arrange &Icons\tF8"},
    {805, "Close &All"},
    {901, "&Contents\tF1"},
    {902, "&Search..."},
    {903, "&How to Use Help"},
    {999, "&About Norvel..."},
};

TEST(MainMenu, HasTheSevenPopupsInOrder) {
  MenuOwner menu = LoadMenuResource(IDR_MAINMENU);
  ASSERT_TRUE(menu);
  const char* const popups[] = {"&File",   "&Edit",    "&View", "&Tools",
                                "&Macros", "&Windows", "&Help"};
  ASSERT_EQ(GetMenuItemCount(menu.get()), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_NE(GetSubMenu(menu.get(), i), nullptr) << i;
    EXPECT_EQ(ItemText(menu.get(), i, MF_BYPOSITION), popups[i]) << i;
  }
}

TEST(MainMenu, HoldsEveryCommandOnceWithItsText) {
  MenuOwner menu = LoadMenuResource(IDR_MAINMENU);
  ASSERT_TRUE(menu);
  std::map<UINT, int> counts;
  CountCommands(menu.get(), counts);
  for (const MenuCommand& command : kMenuCommands) {
    EXPECT_EQ(counts[command.id], 1) << command.id;
    EXPECT_EQ(ItemText(menu.get(), command.id, MF_BYCOMMAND), command.text) << command.id;
  }
  // The numbered ranges are complete, and 131 is a help text only.
  for (UINT id = IDM_RECENT_FIRST; id <= IDM_RECENT_LAST; ++id) EXPECT_EQ(counts[id], 1) << id;
  for (UINT id = IDM_TOOL_FIRST; id <= IDM_TOOL_LAST; ++id) EXPECT_EQ(counts[id], 1) << id;
  for (UINT id = IDM_MACRO_FIRST; id <= IDM_MACRO_LAST; ++id) EXPECT_EQ(counts[id], 1) << id;
  EXPECT_EQ(counts.count(IDM_FILTERS), 0u);
  // Nothing else: the command table has 86 commands, the numbered ranges included.
  EXPECT_EQ(counts.size(), 86u);
}

TEST(MainMenu, NumberedItemsSitInTheirOwnPopups) {
  MenuOwner menu = LoadMenuResource(IDR_MAINMENU);
  ASSERT_TRUE(menu);
  const struct {
    int popup;
    UINT first;
    UINT last;
  } ranges[] = {{0, IDM_RECENT_FIRST, IDM_RECENT_LAST},
                {3, IDM_TOOL_FIRST, IDM_TOOL_LAST},
                {4, IDM_MACRO_FIRST, IDM_MACRO_LAST}};
  for (const auto& range : ranges) {
    HMENU popup = GetSubMenu(menu.get(), range.popup);
    for (UINT id = range.first; id <= range.last; ++id) {
      EXPECT_NE(GetMenuState(popup, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
    }
  }
  HMENU windows = GetSubMenu(menu.get(), 5);
  for (UINT id = IDM_TILEVERTICAL; id <= IDM_CLOSEALL; ++id) {
    EXPECT_NE(GetMenuState(windows, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
  }
}

TEST(ContextMenu, IsOnePopupWithTheDocumentCommands) {
  MenuOwner menu = LoadMenuResource(IDR_CONTEXTMENU);
  ASSERT_TRUE(menu);
  ASSERT_EQ(GetMenuItemCount(menu.get()), 1);
  HMENU popup = GetSubMenu(menu.get(), 0);
  ASSERT_NE(popup, nullptr);
  const MenuCommand items[] = {
      {201, "&Undo"},
      {210, "Cu&t"},
      {211, "&Copy"},
      {212, "&Paste"},
      {213, "&Delete"},
      {214, "Select &All"},
      {104, "C&lose"},
      {112, "&Save Selection As..."},
      {152, "&Insert File..."},
      {341, "Insert D&ate"},
      {230, "&Find"},
      {231, "&Replace"},
      {440, "Sort S&election..."},
      {236, "&Lowercase"},
      {237, "U&ppercase"},
  };
  std::map<UINT, int> counts;
  CountCommands(popup, counts);
  EXPECT_EQ(counts.size(), sizeof items / sizeof items[0]);
  for (const MenuCommand& item : items) {
    EXPECT_EQ(counts[item.id], 1) << item.id;
    EXPECT_EQ(ItemText(popup, item.id, MF_BYCOMMAND), item.text) << item.id;
  }
}

// The status line shows string (item id) for every menu item from 101 to 999.
TEST(MenuHelp, EveryMenuItemHasAHelpText) {
  for (int menuId : {IDR_MAINMENU, IDR_CONTEXTMENU}) {
    MenuOwner menu = LoadMenuResource(menuId);
    ASSERT_TRUE(menu);
    std::map<UINT, int> counts;
    CountCommands(menu.get(), counts);
    for (const auto& entry : counts) {
      ASSERT_GE(entry.first, 101u);
      ASSERT_LE(entry.first, 999u);
      EXPECT_FALSE(StringResource(entry.first).empty()) << entry.first;
    }
  }
  EXPECT_EQ(StringResource(IDM_FILTERS), "Specify file filters for opening documents");
}

TEST(Accelerators, TableHoldsExactlyTheCommandKeys) {
  HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_ACCELERATORS));
  ASSERT_NE(table, nullptr);
  const int count = CopyAcceleratorTableA(table, nullptr, 0);
  std::vector<ACCEL> entries(count > 0 ? count : 0);
  ASSERT_EQ(CopyAcceleratorTableA(table, entries.data(), count), count);

  const BYTE control = FVIRTKEY | FCONTROL | FNOINVERT;
  const BYTE alt = FVIRTKEY | FALT | FNOINVERT;
  const BYTE plain = FVIRTKEY | FNOINVERT;
  std::set<std::tuple<int, int, int>> expected;
  for (int n = 0; n < 9; ++n) {
    expected.insert({control, '1' + n, 310 + n});
    expected.insert({alt, '1' + n, 410 + n});
  }
  const std::tuple<int, int, int> keys[] = {
      {control, 'A', 214},   {control, 'B', 151}, {control, 'D', 341}, {control, 'E', 354},
      {control, 'F', 230},   {control, 'G', 320}, {control, 'L', 150}, {alt, 'L', 236},
      {control, 'N', 101},   {control, 'O', 102}, {control, 'P', 121}, {control, 'Q', 199},
      {control, 'R', 231},   {control, 'S', 110}, {alt, 'S', 440},     {control, 'T', 399},
      {alt, 'U', 237},       {control, 'V', 212}, {control, 'W', 104}, {control, 'Y', 398},
      {alt, VK_RETURN, 103}, {plain, VK_F1, 901}, {plain, VK_F4, 802}, {plain, VK_F5, 309},
      {plain, VK_F6, 803},   {plain, VK_F7, 801}, {plain, VK_F8, 804},
  };
  expected.insert(std::begin(keys), std::end(keys));

  std::set<std::tuple<int, int, int>> actual;
  for (const ACCEL& entry : entries) actual.insert({entry.fVirt & 0x7F, entry.key, entry.cmd});
  EXPECT_EQ(entries.size(), expected.size());
  EXPECT_EQ(actual, expected);
  DestroyAcceleratorTable(table);
}

TEST(Strings, SampleTextsAreExact) {
  struct Case {
    UINT id;
    const char* text;
  } const cases[] = {
      {1000, "Norvel"},
      {1001, "%s"},
      {1004,
       "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|Source Code|*.c;*.h;*.cpp;*.rc;*.def;*.hpj|"
       "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak|"
       "Language|*.pas;*.for;*.lst;*.cod|All Files|*.*|"},
      {1008, "Windows|*.*|Macintosh|*.*|Unix|*.*|"},
      {1017, "New%d"},
      {1021, "Copyright \xA9 1996-2026 Veldmark"},
      {101, "Create a new document"},
      {195, "Open this document"},
      {317, "Run this tool"},
      {411, "Insert this text macro"},
      {999, "Display program information, version number and copyright notice"},
      {1101, "New"},
      {1341, "Timestamp"},
      {1999, "About"},
      {12006, "lst"},
      {13007,
       "File: %s\r\rCannot edit the active initialization file\rWould you like to open it as "
       "Read-Only?"},
      {14003,
       "\rNot enought buffer space is available for this document\r\rTry closing other Norvel "
       "windows."},
      {16000, "%s\\config.sys"},
      {16008, "%s\\win.ini"},
      {17000, "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|"},
      {17008, "Pascal Files|*.pas;*.inc;*.unit;*.lst|"},
      {29010, " Sort Selection Error"},
      {29011, "%u lines selected for sorting  (%u - %u)"},
      {30106, "Enter a line number\rbetween 1 and %d"},
      {30110, "%s refreshed from disk"},
  };
  for (const Case& c : cases) EXPECT_EQ(StringResource(c.id), c.text) << c.id;
}

TEST(Strings, EveryToolbarButtonHasItsName) {
  const UINT commands[] = {101, 102, 110, 104, 111, 121, 103, 201, 210, 211, 212,
                           213, 299, 230, 231, 320, 801, 802, 803, 430, 133, 901,
                           999, 399, 440, 114, 805, 355, 354, 309, 341};
  for (UINT command : commands) {
    const std::string name = StringResource(command + 1000);
    EXPECT_FALSE(name.empty()) << command;
    EXPECT_EQ(name.find('&'), std::string::npos) << command;
  }
}

// Bitmap size and the colour of one pixel, read through a DIB section so that the file's own
// pixels are seen whatever the screen's depth.
struct BitmapFacts {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  COLORREF Pixel(int x, int y) const { return pixels.at(y * width + x); }
  std::vector<COLORREF> pixels;
};

BitmapFacts ReadBitmap(int id) {
  BitmapFacts facts;
  BitmapOwner bitmap(static_cast<HBITMAP>(
      LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) return facts;
  DIBSECTION section = {};
  if (GetObjectA(bitmap.get(), sizeof section, &section) != sizeof section) return facts;
  facts.width = section.dsBm.bmWidth;
  facts.height = section.dsBm.bmHeight;
  facts.bitsPerPixel = section.dsBm.bmBitsPixel;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap.get());
  facts.pixels.resize(static_cast<size_t>(facts.width) * facts.height);
  for (int y = 0; y < facts.height; ++y) {
    for (int x = 0; x < facts.width; ++x)
      facts.pixels[y * facts.width + x] = GetPixel(memory, x, y);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return facts;
}

TEST(Bitmaps, ToolbarStripHoldsAllImagesOnButtonFaceGrey) {
  const BitmapFacts strip = ReadBitmap(IDB_TOOLBAR);
  EXPECT_EQ(strip.bitsPerPixel, 4);
  ASSERT_EQ(strip.width, TOOLBAR_IMAGE_COUNT * TOOLBAR_IMAGE_WIDTH);
  ASSERT_EQ(strip.height, TOOLBAR_IMAGE_HEIGHT);
  // Each image keeps some grey background (the toolbar masks it) and draws something of its own.
  for (int image = 0; image < TOOLBAR_IMAGE_COUNT; ++image) {
    const int left = image * TOOLBAR_IMAGE_WIDTH;
    int background = 0;
    for (int y = 0; y < TOOLBAR_IMAGE_HEIGHT; ++y) {
      for (int x = 0; x < TOOLBAR_IMAGE_WIDTH; ++x) {
        background += strip.Pixel(left + x, y) == RGB(192, 192, 192);
      }
    }
    EXPECT_GE(background, 16) << image;
    EXPECT_LE(background, TOOLBAR_IMAGE_WIDTH * TOOLBAR_IMAGE_HEIGHT - 40) << image;
  }
}

TEST(Bitmaps, SplashLeavesGreyRoomForTheOwnerLines) {
  const BitmapFacts splash = ReadBitmap(IDB_SPLASH);
  // The registered owner and organisation are written at (168, 133)-(398, 165) on RGB(192,192,192).
  ASSERT_GE(splash.width, 399);
  ASSERT_GE(splash.height, 166);
  for (int y = 133; y < 165; ++y) {
    for (int x = 168; x < 398; ++x)
      ASSERT_EQ(splash.Pixel(x, y), RGB(192, 192, 192)) << x << "," << y;
  }
}

TEST(Bitmaps, OptionsSidePictureIsAPortraitStrip) {
  const BitmapFacts side = ReadBitmap(IDB_OPTIONS_SIDE);
  EXPECT_GE(side.width, 100);
  EXPECT_GT(side.height, side.width);
  EXPECT_LE(side.height, 300);
}

TEST(Icons, EveryIconLoadsInBothSizes) {
  const int ids[] = {1000, 1001, 1002, 2525, 2555, 2560, 2585, 2605, 2630, 2635,
                     2655, 2720, 2780, 2800, 2810, 2840, 2880, 5300, 5400, 5500};
  for (int id : ids) {
    for (int size : {16, 32}) {
      IconOwner icon(static_cast<HICON>(
          LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
      ASSERT_TRUE(icon) << id << " at " << size;
      ICONINFO info = {};
      ASSERT_TRUE(GetIconInfo(icon.get(), &info)) << id;
      BITMAP mask = {};
      GetObjectA(info.hbmMask, sizeof mask, &mask);
      EXPECT_EQ(mask.bmWidth, size) << id;
      if (info.hbmColor) DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
  }
}

std::string VersionValue(const std::vector<char>& block, const char* name) {
  const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
      !value) {
    return "(missing)";
  }
  return value;
}

TEST(Version, ResourceCarriesTheFiveRowsOfTheVersionPage) {
  char path[MAX_PATH] = "";
  ASSERT_GT(GetModuleFileNameA(nullptr, path, sizeof path), 0u);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

  EXPECT_EQ(VersionValue(block, "FileVersion"), "Version 3.7");
  EXPECT_EQ(VersionValue(block, "ProductName"), "Norvel");
  EXPECT_EQ(VersionValue(block, "FileDescription"), "Norvel text editor");
  EXPECT_EQ(VersionValue(block, "LegalCopyright"), "Copyright \xA9 1996-2026 Veldmark");
  EXPECT_EQ(VersionValue(block, "Release").compare(0, 13, "Release 3.7.0"), 0);
  EXPECT_EQ(VersionValue(block, "OriginalFilename"), "norvel.exe");

  // The translation names the table that the page looks for first (US English, Windows-1252).
  WORD* translation = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 1252);
}

TEST(Manifest, AsksForCommonControlsSixAsInvoker) {
  HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(Module(), found)));
  ASSERT_NE(data, nullptr);
  const std::string manifest(data, SizeofResource(Module(), found));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
  EXPECT_NE(manifest.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos);
}

}  // namespace
