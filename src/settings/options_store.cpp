// Loading and saving every remembered setting, value by value, in a fixed order.
#include "settings/options_store.h"

#include <cstdio>
#include <cstring>

#include "base/globals.h"
#include "resources/resource.h"
#include "settings/registrations.h"
#include "settings/settings_store.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kSearch = "Options\\Search";
constexpr const char* kSort = "Options\\Sort";
constexpr const char* kTimeStamp = "Options\\TimeStamp";
constexpr const char* kPageSetup = "Options\\PageSetup";
constexpr const char* kRecentFiles = "Files\\Open";
constexpr const char* kSysEditFiles = "Files\\AutoLoad";
constexpr const char* kFilters = "Files\\FileFilter";
constexpr const char* kDisplayFont = "Font\\Display";
constexpr const char* kPrinterFont = "Font\\Printer";

// The dialog placements in the order they are read and written.
struct PlacementSlot {
  const char* section;
  PlacementRecord AppOptionsRecord::*field;
};
const PlacementSlot kOptionPlacements[] = {
    {"DeskTop\\Window", &AppOptionsRecord::Window},
    {"DeskTop\\Options", &AppOptionsRecord::Options},
    {"DeskTop\\Find", &AppOptionsRecord::Find},
    {"DeskTop\\Replace", &AppOptionsRecord::Replace},
    {"DeskTop\\GoTo", &AppOptionsRecord::GoTo},
    {"DeskTop\\Errors", &AppOptionsRecord::Errors},
    {"DeskTop\\ASCII", &AppOptionsRecord::ASCII},
    {"DeskTop\\Sort", &AppOptionsRecord::Sort},
};
struct SidePlacementSlot {
  const char* section;
  PlacementRecord SideRecords::*field;
};
const SidePlacementSlot kSidePlacements[] = {
    {"DeskTop\\GetFile", &SideRecords::GetFile},
    {"DeskTop\\PutFile", &SideRecords::PutFile},
    {"DeskTop\\Setup", &SideRecords::Setup},
    {"DeskTop\\Property", &SideRecords::Property},
};

void ListValueName(const char* stem, int index, char (&name)[16]) {
  std::snprintf(name, sizeof name, "%s%d", stem, index + 1);
}
void ToolSection(int index, char (&section)[32]) {
  std::snprintf(section, sizeof section, "Tools\\Tool-%02d", index + 1);
}
void MacroSection(int index, char (&section)[32]) {
  std::snprintf(section, sizeof section, "Options\\Macros\\Macro%d", index + 1);
}

// A byte-wide LOGFONT field keeps the low byte of its stored number.
BYTE ReadByte(const char* section, const char* name, BYTE fallback) {
  return static_cast<BYTE>(ReadNumber(section, name, fallback) & 0xFF);
}

void ReadOptionFlags(AppOptionsRecord& o) {
  ReadString(kOptions, "FileSpec", "", o.FileSpec, sizeof o.FileSpec);
  o.ToolBar = ReadFlag(kOptions, "ToolBar", 1);
  o.Status = ReadFlag(kOptions, "Status", 1);
  o.Tips = ReadFlag(kOptions, "Tips", 1);
  o.TaskTray = ReadFlag(kOptions, "TaskTray", 0);
  o.TopMost = ReadFlag(kOptions, "TopMost", 0);
  o.LtGray = ReadFlag(kOptions, "LtGray", 0);
  o.Sounds = ReadFlag(kOptions, "Sounds", 1);
  o.Splash = ReadFlag(kOptions, "Splash", 1);
  o.ReadOnly = ReadFlag(kOptions, "ReadOnly", 0);
  o.LoadLast = ReadFlag(kOptions, "LoadLast", 0);
  o.Maximized = ReadFlag(kOptions, "Maximized", 1);
  o.NewDoc = ReadFlag(kOptions, "NewDoc", 1);
  o.Backup = ReadFlag(kOptions, "Backup", 1);
  o.WordWrap = ReadFlag(kOptions, "WordWrap", 0);
  o.AutoSave = ReadFlag(kOptions, "AutoSave", 0);
  o.Tabs = ReadNumber(kOptions, "Tabs", 4);
  // Compared unsigned, so a negative width is out of range too.
  if (o.Tabs == 0 || static_cast<DWORD>(o.Tabs) >= 17) o.Tabs = 4;

  o.WholeWords = ReadFlag(kSearch, "WholeWords", 0);
  o.MatchCase = ReadFlag(kSearch, "MatchCase", 0);
  o.FromTop = ReadFlag(kSearch, "FromTop", 0);
  ReadString(kSearch, "Find", "", o.FindText, sizeof o.FindText);
  ReadString(kSearch, "Replace", "", o.ReplaceText, sizeof o.ReplaceText);

  o.Ascending = ReadFlag(kSort, "Ascending", 1);
  o.IgnoreCase = ReadFlag(kSort, "IgnoreCase", 1);
  o.ShowDate = ReadFlag(kTimeStamp, "ShowDate", 1);
  o.LongDate = ReadFlag(kTimeStamp, "LongDate", 1);
  o.ShowTime = ReadFlag(kTimeStamp, "ShowTime", 1);
  o.DateFirst = ReadFlag(kTimeStamp, "DateFirst", 1);
}

void ReadPageSetup(PageSetupRecord& p) {
  p.TopMargin = ReadNumber(kPageSetup, "TopMargin", 500);
  p.BottomMargin = ReadNumber(kPageSetup, "BottomMargin", 500);
  p.LeftMargin = ReadNumber(kPageSetup, "LeftMargin", 500);
  p.RightMargin = ReadNumber(kPageSetup, "RightMargin", 500);
  p.ShowHeader = ReadFlag(kPageSetup, "ShowHeader", 1);
  p.CenterHeader = ReadFlag(kPageSetup, "CenterHeader", 1);
  p.ShowFooter = ReadFlag(kPageSetup, "ShowFooter", 1);
  p.CenterFooter = ReadFlag(kPageSetup, "CenterFooter", 1);
  p.Landscape = ReadFlag(kPageSetup, "Landscape", 0);
  ReadString(kPageSetup, "Header", "File: $F - $D - $T", p.Header, sizeof p.Header);
  ReadString(kPageSetup, "Footer", "- Page $P -", p.Footer, sizeof p.Footer);
}

void WritePageSetup(const PageSetupRecord& p) {
  WriteNumber(kPageSetup, "TopMargin", p.TopMargin);
  WriteNumber(kPageSetup, "BottomMargin", p.BottomMargin);
  WriteNumber(kPageSetup, "LeftMargin", p.LeftMargin);
  WriteNumber(kPageSetup, "RightMargin", p.RightMargin);
  WriteFlag(kPageSetup, "ShowHeader", p.ShowHeader);
  WriteFlag(kPageSetup, "CenterHeader", p.CenterHeader);
  WriteFlag(kPageSetup, "ShowFooter", p.ShowFooter);
  WriteFlag(kPageSetup, "CenterFooter", p.CenterFooter);
  WriteFlag(kPageSetup, "Landscape", p.Landscape);
  WriteString(kPageSetup, "Header", p.Header);
  WriteString(kPageSetup, "Footer", p.Footer);
}

void ReadFileLists(AppOptionsRecord& o) {
  char name[16];
  for (int i = 0; i < kListSlots; ++i) {
    ListValueName("Open", i, name);
    ReadString(kRecentFiles, name, "", o.RecentFiles[i], kPathCapacity);
  }
  for (int i = 0; i < kListSlots; ++i) {
    ListValueName("Load", i, name);
    ReadString(kSysEditFiles, name, "", o.SysEditFiles[i], kPathCapacity);
  }
  for (int i = 0; i < kListSlots; ++i) {
    char filter[kStringCapacity] = "";
    GetString(filter, IDS_FILTER_FIRST + i);
    ListValueName("Filter", i, name);
    ReadString(kFilters, name, filter, o.Filters[i], kPathCapacity);
  }
}

void WriteFileLists(const AppOptionsRecord& o) {
  char name[16];
  for (int i = 0; i < kListSlots; ++i) {
    ListValueName("Open", i, name);
    WriteString(kRecentFiles, name, o.RecentFiles[i]);
  }
  for (int i = 0; i < kListSlots; ++i) {
    ListValueName("Load", i, name);
    WriteString(kSysEditFiles, name, o.SysEditFiles[i]);
  }
  for (int i = 0; i < kListSlots; ++i) {
    ListValueName("Filter", i, name);
    WriteString(kFilters, name, o.Filters[i]);
  }
}

void ReadMacrosAndTools(AppOptionsRecord& o) {
  char section[32];
  for (int i = 0; i < kListSlots; ++i) {
    MacroRecord& m = o.Macros[i];
    MacroSection(i, section);
    m.Active = ReadFlag(section, "Active", 0);
    ReadString(section, "Name", "", m.Name, sizeof m.Name);
    ReadString(section, "Text", "", m.Text, sizeof m.Text);
  }
  for (int i = 0; i < kListSlots; ++i) {
    ToolRecord& t = o.Tools[i];
    ToolSection(i, section);
    ReadString(section, "Name", "", t.Name, sizeof t.Name);
    ReadString(section, "Program", "", t.Program, sizeof t.Program);
    ReadString(section, "Command", "", t.Command, sizeof t.Command);
    ReadString(section, "Folder", "", t.Folder, sizeof t.Folder);
    t.Active = ReadFlag(section, "Active", 0);
    t.Launch = ReadFlag(section, "Launch", 0);
    t.Hide = ReadFlag(section, "Hide", 0);
    t.Save = ReadFlag(section, "Save", 0);
  }
}

void WriteMacrosAndTools(const AppOptionsRecord& o) {
  char section[32];
  for (int i = 0; i < kListSlots; ++i) {
    const MacroRecord& m = o.Macros[i];
    MacroSection(i, section);
    WriteFlag(section, "Active", m.Active);
    WriteString(section, "Name", m.Name);
    WriteString(section, "Text", m.Text);
  }
  for (int i = 0; i < kListSlots; ++i) {
    const ToolRecord& t = o.Tools[i];
    ToolSection(i, section);
    WriteString(section, "Name", t.Name);
    WriteString(section, "Program", t.Program);
    WriteString(section, "Command", t.Command);
    WriteString(section, "Folder", t.Folder);
    WriteFlag(section, "Active", t.Active);
    WriteFlag(section, "Launch", t.Launch);
    WriteFlag(section, "Hide", t.Hide);
    WriteFlag(section, "Save", t.Save);
  }
}

void WriteOptionFlags(const AppOptionsRecord& o) {
  WriteString(kOptions, "FileSpec", o.FileSpec);
  WriteFlag(kOptions, "ToolBar", o.ToolBar);
  WriteFlag(kOptions, "Status", o.Status);
  WriteFlag(kOptions, "Tips", o.Tips);
  WriteFlag(kOptions, "TaskTray", o.TaskTray);
  WriteFlag(kOptions, "TopMost", o.TopMost);
  WriteFlag(kOptions, "LtGray", o.LtGray);
  WriteNumber(kOptions, "Tabs", o.Tabs);
  WriteFlag(kOptions, "LoadLast", o.LoadLast);
  WriteFlag(kOptions, "Maximized", o.Maximized);
  WriteFlag(kOptions, "NewDoc", o.NewDoc);
  WriteFlag(kOptions, "ReadOnly", o.ReadOnly);
  WriteFlag(kOptions, "Backup", o.Backup);
  WriteFlag(kOptions, "WordWrap", o.WordWrap);
  WriteFlag(kOptions, "AutoSave", o.AutoSave);
  WriteFlag(kOptions, "Sounds", o.Sounds);
  WriteFlag(kOptions, "Splash", o.Splash);

  WriteFlag(kSearch, "WholeWords", o.WholeWords);
  WriteFlag(kSearch, "MatchCase", o.MatchCase);
  WriteFlag(kSearch, "FromTop", o.FromTop);
  WriteString(kSearch, "Find", o.FindText);
  WriteString(kSearch, "Replace", o.ReplaceText);
  WriteFlag(kSort, "Ascending", o.Ascending);
  WriteFlag(kSort, "IgnoreCase", o.IgnoreCase);
  WriteFlag(kTimeStamp, "ShowDate", o.ShowDate);
  WriteFlag(kTimeStamp, "LongDate", o.LongDate);
  WriteFlag(kTimeStamp, "ShowTime", o.ShowTime);
  WriteFlag(kTimeStamp, "DateFirst", o.DateFirst);
}

// A first start: the product key is missing, or in portable use the INI file has no options.
bool IsFirstRun() {
  return ProductKeyPath[0] ? !ProductKeyExists() : !ProfileSectionExists(kOptions);
}

}  // namespace

void ClampPlacement(PlacementRecord& p, const RECT& screen) {
  if (p.Top < screen.top - 4) {
    p.Top = screen.top;
  } else if (p.Top > screen.bottom - 35) {
    p.Top = screen.bottom - 35;
  }
  if (p.Left < screen.left) {
    p.Left = screen.left;
  } else if (p.Left > screen.right - 35) {
    p.Left = screen.right - 35;
  }
}

void ReadPlacement(const char* section, PlacementRecord& p) {
  p.Top = ReadNumber(section, "Top", 35);
  p.Left = ReadNumber(section, "Left", 35);
  p.Width = ReadNumber(section, "Width", 350);
  p.Height = ReadNumber(section, "Height", 200);
  p.Show = ReadNumber(section, "Show", 1);
  ClampPlacement(p, ScreenRect);
}

void WritePlacement(const char* section, const PlacementRecord& p) {
  WriteNumber(section, "Top", p.Top);
  WriteNumber(section, "Left", p.Left);
  WriteNumber(section, "Width", p.Width);
  WriteNumber(section, "Height", p.Height);
  WriteNumber(section, "Show", p.Show);
}

void ReadFont(const char* section, FontRecord& font) {
  LOGFONTA& f = font.Font;
  ReadString(section, "FaceName", "MS Sans Serif", f.lfFaceName, sizeof f.lfFaceName);
  f.lfHeight = ReadNumber(section, "Height", -10);
  f.lfWidth = ReadNumber(section, "Width", 0);
  f.lfEscapement = ReadNumber(section, "Escapement", 0);
  f.lfOrientation = ReadNumber(section, "Orientation", 0);
  f.lfWeight = ReadNumber(section, "Weight", 400);
  f.lfItalic = ReadByte(section, "Italic", 0);
  f.lfUnderline = ReadByte(section, "Underline", 0);
  f.lfStrikeOut = ReadByte(section, "StrikeOut", 0);
  f.lfCharSet = ReadByte(section, "CharSet", 0);
  f.lfOutPrecision = ReadByte(section, "OutPrecision", 1);
  f.lfClipPrecision = ReadByte(section, "ClipPrecision", 2);
  f.lfQuality = ReadByte(section, "Quality", 1);
  f.lfPitchAndFamily = ReadByte(section, "PitchFamily", 34);
  font.Colour = static_cast<COLORREF>(ReadNumber(section, "Colour", 0));
}

void WriteFont(const char* section, const FontRecord& font) {
  const LOGFONTA& f = font.Font;
  WriteString(section, "FaceName", f.lfFaceName);
  WriteNumber(section, "Height", f.lfHeight);
  WriteNumber(section, "Width", f.lfWidth);
  WriteNumber(section, "Escapement", f.lfEscapement);
  WriteNumber(section, "Orientation", f.lfOrientation);
  WriteNumber(section, "Weight", f.lfWeight);
  WriteNumber(section, "Italic", f.lfItalic);
  WriteNumber(section, "Underline", f.lfUnderline);
  WriteNumber(section, "StrikeOut", f.lfStrikeOut);
  WriteNumber(section, "CharSet", f.lfCharSet);
  WriteNumber(section, "OutPrecision", f.lfOutPrecision);
  WriteNumber(section, "ClipPrecision", f.lfClipPrecision);
  WriteNumber(section, "Quality", f.lfQuality);
  WriteNumber(section, "PitchFamily", f.lfPitchAndFamily);
  WriteNumber(section, "Colour", static_cast<LONG>(font.Colour));
}

bool SysEditDefault(int index, const char* windowsFolder, char (&path)[kPathCapacity]) {
  char folder[kPathCapacity];
  lstrcpynA(folder, windowsFolder, sizeof folder);
  size_t length = std::strlen(folder);
  if (length > 0 && folder[length - 1] == '\\') folder[--length] = '\0';
  // The first two files live at the root of the Windows folder's drive ("c:").
  if (index < 2) {
    const char* colon = std::strchr(folder, ':');
    folder[colon ? colon - folder + 1 : 0] = '\0';
  }
  char pattern[kStringCapacity] = "";
  GetString(pattern, IDS_SYSEDIT_FIRST + index);
  const char* slot = std::strstr(pattern, "%s");
  if (!slot) return false;
  const int written = std::snprintf(path, sizeof path, "%.*s%s%s", static_cast<int>(slot - pattern),
                                    pattern, folder, slot + 2);
  if (written < 0 || written >= static_cast<int>(sizeof path)) {
    path[0] = '\0';
    return false;
  }
  CharLowerA(path);
  return true;
}

void ApplyFirstRunDefaults(AppOptionsRecord& options, SideRecords& records) {
  const LONG width = ScreenRect.right - ScreenRect.left;
  const LONG height = ScreenRect.bottom - ScreenRect.top;
  options.Window.Width = 640;
  options.Window.Height = 400;
  options.Window.Top = (height - 400) / 2;
  options.Window.Left = (width - 640) / 2;
  options.Options.Top = (height - 375) / 2;
  options.Options.Left = (width - 500) / 2;

  char windows[MAX_PATH] = "";
  const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
  if (length == 0 || length >= sizeof windows) windows[0] = '\0';
  for (int i = 0; i < kListSlots; ++i) SysEditDefault(i, windows, options.SysEditFiles[i]);
  SaveOptions(options, records);
}

int LoadOptions(AppOptionsRecord& options, SideRecords& records) {
  SettingsReadBatch batch;
  const bool firstRun = IsFirstRun();
  SetDefaultOptions(options, records);
  ReadOptionFlags(options);
  ReadPageSetup(options.PageSetup);
  for (const PlacementSlot& slot : kOptionPlacements)
    ReadPlacement(slot.section, options.*slot.field);
  ReadFileLists(options);
  ReadMacrosAndTools(options);
  ReadFont(kDisplayFont, records.DisplayFontRecord);
  ReadFont(kPrinterFont, records.PrinterFontRecord);
  for (const SidePlacementSlot& slot : kSidePlacements)
    ReadPlacement(slot.section, records.*slot.field);
  BeepFlag = options.Sounds;
  if (firstRun) ApplyFirstRunDefaults(options, records);
  return 1;
}

int SaveOptions(const AppOptionsRecord& options, const SideRecords& records) {
  WriteApplicationInfo(kProgramName, kProgramVersion);
  WriteOptionFlags(options);
  WritePageSetup(options.PageSetup);
  for (const PlacementSlot& slot : kOptionPlacements)
    WritePlacement(slot.section, options.*slot.field);
  WriteFileLists(options);
  WriteMacrosAndTools(options);
  WriteFont(kDisplayFont, records.DisplayFontRecord);
  WriteFont(kPrinterFont, records.PrinterFontRecord);
  for (const SidePlacementSlot& slot : kSidePlacements)
    WritePlacement(slot.section, records.*slot.field);
  SetStatus(60066);
  return 1;
}
