// The options record's defaults: the values every setting has before anything is stored.
#include <cstring>

#include "base/globals.h"
#include "harness/harness.h"
#include "settings/options.h"

namespace {

TEST(Options, DefaultsOfEveryField) {
  AppOptionsRecord o;
  SideRecords r;
  std::memset(&o, 0x5A, sizeof o);  // nothing may be left over from before
  std::memset(&r, 0x5A, sizeof r);
  SetDefaultOptions(o, r);

  struct Flag {
    const char* name;
    DWORD value;
    DWORD expected;
  };
  const Flag flags[] = {
      {"CommandLineFile", o.CommandLineFile, 0},
      {"ToolBar", o.ToolBar, 1},
      {"Status", o.Status, 1},
      {"Tips", o.Tips, 1},
      {"TopMost", o.TopMost, 0},
      {"LtGray", o.LtGray, 0},
      {"Sounds", o.Sounds, 1},
      {"TaskTray", o.TaskTray, 0},
      {"ReadOnly", o.ReadOnly, 0},
      {"LoadLast", o.LoadLast, 0},
      {"NewDoc", o.NewDoc, 1},
      {"Maximized", o.Maximized, 1},
      {"Backup", o.Backup, 1},
      {"Splash", o.Splash, 1},
      {"Tabs", static_cast<DWORD>(o.Tabs), 4},
      {"FromTop", o.FromTop, 0},
      {"MatchCase", o.MatchCase, 0},
      {"WholeWords", o.WholeWords, 0},
      {"SysEditRequested", o.SysEditRequested, 0},
      {"AutoSave", o.AutoSave, 0},
      {"ListRequested", o.ListRequested, 0},
      {"ReplaceMode", o.ReplaceMode, 0},
      {"WordWrap", o.WordWrap, 0},
      {"ZoomChildren", o.ZoomChildren, 0},
      {"ShowDate", o.ShowDate, 1},
      {"LongDate", o.LongDate, 1},
      {"ShowTime", o.ShowTime, 1},
      {"DateFirst", o.DateFirst, 1},
      {"Ascending", o.Ascending, 1},
      {"IgnoreCase", o.IgnoreCase, 1},
      {"CreateStartMenu", o.ShellRequests.CreateStartMenu, 0},
      {"LeftMargin", static_cast<DWORD>(o.PageSetup.LeftMargin), 500},
      {"TopMargin", static_cast<DWORD>(o.PageSetup.TopMargin), 500},
      {"RightMargin", static_cast<DWORD>(o.PageSetup.RightMargin), 500},
      {"BottomMargin", static_cast<DWORD>(o.PageSetup.BottomMargin), 500},
      {"ShowHeader", o.PageSetup.ShowHeader, 1},
      {"CenterHeader", o.PageSetup.CenterHeader, 1},
      {"ShowFooter", o.PageSetup.ShowFooter, 1},
      {"CenterFooter", o.PageSetup.CenterFooter, 1},
      {"Landscape", o.PageSetup.Landscape, 0},
  };
  for (const Flag& flag : flags) EXPECT_EQ(flag.value, flag.expected) << flag.name;

  EXPECT_STREQ(o.FileSpec, "");
  EXPECT_STREQ(o.FindText, "");
  EXPECT_STREQ(o.ReplaceText, "");
  EXPECT_STREQ(o.PageSetup.Header, "File: $F - $D - $T");
  EXPECT_STREQ(o.PageSetup.Footer, "- Page $P -");

  const char* filters[kListSlots] = {
      "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|",
      "Source Code|*.c;*.h;*.cpp;*.rc;*.def;*.hpj|",
      "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|",
      "Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak;*.inf;*.reg|",
      "Language|*.pas;*.for;*.lst;*.cod|",
      "Internet|*.htm;*.html;*.shtml|",
      "BASIC Files|*.bas;*.def;*.mac;*.err|",
      "Java Files|*.jav*;*.lst;*.err;*.cod|",
      "Pascal Files|*.pas;*.inc;*.unit;*.lst|",
  };
  for (int i = 0; i < kListSlots; ++i) {
    EXPECT_STREQ(o.Filters[i], filters[i]) << "Filter" << i + 1;
    EXPECT_STREQ(o.RecentFiles[i], "") << "Open" << i + 1;
    EXPECT_STREQ(o.SysEditFiles[i], "") << "Load" << i + 1;
    EXPECT_EQ(o.Tools[i].Active, 0u);
    EXPECT_STREQ(o.Tools[i].Name, "");
    EXPECT_STREQ(o.Tools[i].Program, "");
    EXPECT_EQ(o.Tools[i].Launch + o.Tools[i].Hide + o.Tools[i].Save, 0u);
    EXPECT_EQ(o.Macros[i].Active, 0u);
    EXPECT_STREQ(o.Macros[i].Name, "");
    EXPECT_STREQ(o.Macros[i].Text, "");
  }

  for (const PlacementRecord* p :
       {&o.Window, &o.Sort, &o.Find, &o.Replace, &o.GoTo, &o.Options, &o.Errors, &o.ASCII,
        &r.GetFile, &r.PutFile, &r.Setup, &r.Property}) {
    EXPECT_EQ(p->Top, 35);
    EXPECT_EQ(p->Left, 35);
    EXPECT_EQ(p->Width, 350);
    EXPECT_EQ(p->Height, 200);
    EXPECT_EQ(p->Show, 1);
  }

  for (const FontRecord* f : {&r.DisplayFontRecord, &r.PrinterFontRecord}) {
    EXPECT_STREQ(f->Font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(f->Font.lfHeight, -10);
    EXPECT_EQ(f->Font.lfWidth, 0);
    EXPECT_EQ(f->Font.lfEscapement, 0);
    EXPECT_EQ(f->Font.lfOrientation, 0);
    EXPECT_EQ(f->Font.lfWeight, 400);
    EXPECT_EQ(f->Font.lfItalic + f->Font.lfUnderline + f->Font.lfStrikeOut + f->Font.lfCharSet, 0);
    EXPECT_EQ(f->Font.lfOutPrecision, 1);
    EXPECT_EQ(f->Font.lfClipPrecision, 2);
    EXPECT_EQ(f->Font.lfQuality, 1);
    EXPECT_EQ(f->Font.lfPitchAndFamily, 34);
    EXPECT_EQ(f->Colour, 0u);
    EXPECT_EQ(f->Handle, nullptr);
  }
}

TEST(Options, LoadingCentresTheFrameAt640By400) {
  ScreenRect = RECT{0, 0, 1280, 1024};
  AppOptionsRecord o;
  SideRecords r;
  ASSERT_TRUE(LoadOptions(o, r));
  EXPECT_EQ(o.Window.Width, 640);
  EXPECT_EQ(o.Window.Height, 400);
  EXPECT_EQ(o.Window.Left, (1280 - 640) / 2);
  EXPECT_EQ(o.Window.Top, (1024 - 400) / 2);
  EXPECT_EQ(o.Options.Left, (1280 - 500) / 2);
  EXPECT_EQ(o.Options.Top, (1024 - 375) / 2);
}

}  // namespace
