/* Resource, command and control ids, shared by the C++ code and windres (so: plain #defines only). */
#ifndef NORVEL_RESOURCE_H
#define NORVEL_RESOURCE_H

/* Menus, accelerators, icons and bitmaps */
#define IDR_MAINMENU 1000
#define IDR_CONTEXTMENU 1001
#define IDR_ACCELERATORS 1000
#define IDI_APPLICATION_LARGE 1000
#define IDI_APPLICATION_SMALL 1001
#define IDI_DOCUMENT 1002
#define IDI_NOTICE 5300
#define IDI_QUESTION 5400
#define IDI_ERROR 5500
#define IDB_SPLASH 1000
#define IDB_TOOLBAR 1002
#define IDB_OPTIONS_SIDE 1999

/* Child window ids of the frame */
#define IDC_MDICLIENT 1001
#define IDC_TOOLBAR 1002
#define IDC_STATUSBAR 1003
#define IDM_FIRSTCHILD 2000

/* File menu */
#define IDM_NEW 101
#define IDM_OPEN 102
#define IDM_PROPERTIES 103
#define IDM_CLOSE 104
#define IDM_SAVE 110
#define IDM_SAVEAS 111
#define IDM_SAVESELECTION 112
#define IDM_DISCARD 113
#define IDM_SAVEALL 114
#define IDM_PAGESETUP 120
#define IDM_PRINT 121
#define IDM_PRINTERSETUP 122
#define IDM_FILTERS 131
#define IDM_OPTIONS 133
#define IDM_SETUP 134
#define IDM_OPENLIST 150
#define IDM_BUILDLIST 151
#define IDM_INSERTFILE 152
#define IDM_SYSEDITFILES 153
#define IDM_RECENT_FIRST 190
#define IDM_RECENT_LAST 198
#define IDM_EXIT 199

/* Edit menu */
#define IDM_UNDO 201
#define IDM_CUT 210
#define IDM_COPY 211
#define IDM_PASTE 212
#define IDM_DELETE 213
#define IDM_SELECTALL 214
#define IDM_DUPLICATE 220
#define IDM_FIND 230
#define IDM_REPLACE 231
#define IDM_LOWERCASE 236
#define IDM_UPPERCASE 237
#define IDM_READONLY 280
#define IDM_SHOWCLIPBOARD 299

/* View and tools menus */
#define IDM_STATUSBAR 301
#define IDM_TOOLBAR 302
#define IDM_CUSTOMIZE 303
#define IDM_REFRESH 309
#define IDM_TOOL_FIRST 310
#define IDM_TOOL_LAST 318
#define IDM_GOTOLINE 320
#define IDM_WORDWRAP 340
#define IDM_INSERTDATE 341
#define IDM_OEMTOANSI 352
#define IDM_ANSITOOEM 353
#define IDM_ERRORCODES 354
#define IDM_ASCIICHART 355
#define IDM_CUSTOMIZETOOLS 356
#define IDM_CUSTOMIZEMACROS 357
#define IDM_MINIMIZE 398
#define IDM_TOPMOST 399
#define IDM_MACRO_FIRST 410
#define IDM_MACRO_LAST 418
#define IDM_DISPLAYFONT 430
#define IDM_PRINTERFONT 431
#define IDM_SORT 440

/* Windows and help menus */
#define IDM_TILEVERTICAL 801
#define IDM_TILEHORIZONTAL 802
#define IDM_CASCADE 803
#define IDM_ARRANGEICONS 804
#define IDM_CLOSEALL 805
#define IDM_HELPCONTENTS 901
#define IDM_HELPSEARCH 902
#define IDM_HELPONHELP 903
#define IDM_ABOUT 999

/* Strings used by the shell (texts in strings.rc) */
#define IDS_APPNAME 1000
#define IDS_OPEN_FILTERS 1004
#define IDS_OPEN_TITLE 1005
#define IDS_SAVEAS_TYPES 1008
#define IDS_UNTITLED 1017
#define IDS_TOOLTIP_BASE 1000 /* tooltip of a button: command id + 1000 */
#define IDS_SYSEDIT_FIRST 16000
#define IDS_FILTER_FIRST 17000

#endif
