// The ASCII/ANSI character chart window.
#include "windows/character_chart.h"

#include <cstdio>
#include <cstring>

#include "base/globals.h"
#include "base/owned_handle.h"
#include "resources/resource.h"
#include "settings/placement.h"
#include "ui/font_style.h"
#include "ui/message_dialogs.h"
#include "ui/strings.h"
#include "ui/window_class.h"
#include "windows/cell_text.h"
#include "windows/chart_geometry.h"
#include "windows/wait_for_input.h"

namespace {

constexpr const char* kChartClass = "TableWindowClass";
constexpr const char* kChartTitle = "ASCII | ANSI Character Chart";
constexpr const char* kStockFaceName = "ASCII | ANSI";
constexpr const char* kHint =
    "Click the left button to show a character code, or the right button to copy the character "
    "to the clipboard";
constexpr int kChartPoints = 9;
constexpr COLORREF kInfoBoxColour = RGB(255, 255, 0);

struct ChartState {
  HWND window = nullptr;
  PlacementRecord* placement = nullptr;
  FontOwner font;   // the display face at 9 points, or none
  int useFont = 0;  // 1 while the font above is in use
};
ChartState chart;

const ChartClipboardCalls kSystemClipboard = {GlobalAlloc, GlobalLock, OpenClipboard,
                                              EmptyClipboard, SetClipboardData};
const ChartClipboardCalls* clipboard = &kSystemClipboard;

HFONT StockFont() {
  return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

RECT ToRect(const ChartBox& box) {
  return RECT{box.left, box.top, box.right, box.bottom};
}

// Makes the chart font from the face when asked to; the flag says whether it is in use.
void TakeFace(const char* face, int useFont) {
  chart.font.reset();
  if (useFont && face && *face) chart.font = MakeFontStyle(face, kChartPoints);
  chart.useFont = chart.font ? 1 : 0;
}

void Retitle(const char* face) {
  char title[kStringCapacity];
  std::snprintf(title, sizeof title, "%s - Character Set", chart.useFont ? face : kStockFaceName);
  SetWindowTextA(chart.window, title);
}

void DrawGrid(HDC dc) {
  const HGDIOBJ oldFont =
      SelectObject(dc, chart.useFont && chart.font ? chart.font.get() : StockFont());
  OwnedHandle<HPEN, DeleteGdiObject> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  const HGDIOBJ oldPen = pen ? SelectObject(dc, pen.get()) : nullptr;
  MoveToEx(dc, kChartGridLeft, kChartGridTop, nullptr);
  LineTo(dc, kChartGridLeft, kChartGridBottom);
  for (int k = 0; k <= 16; ++k) {
    MoveToEx(dc, kChartGridLeft, kChartGridTop + kChartCellHeight * k, nullptr);
    LineTo(dc, kChartGridRight + 1, kChartGridTop + kChartCellHeight * k);
  }
  for (int k = 0; k < 16; ++k) {
    MoveToEx(dc, kChartGridLeft + kChartCellWidth * (k + 1), kChartGridTop, nullptr);
    LineTo(dc, kChartGridLeft + kChartCellWidth * (k + 1), kChartGridBottom);
  }
  for (int code = 0; code < 256; ++code) {
    const char text[2] = {static_cast<char>(code), '\0'};  // code 0 is an empty text
    DrawCellText(dc, ToRect(ChartTextBox(code)), kAlignCentre, "%s", text);
  }
  if (oldPen) SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const HGDIOBJ oldFont = SelectObject(dc, StockFont());
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawGrid(dc);
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

// Inverts the clicked cell until the next mouse or keyboard input, normally the button's release.
void FlashCell(HDC dc, int code) {
  const RECT cell = ToRect(ChartCellBox(code));
  InvertRect(dc, &cell);
  WaitForInput();
  InvertRect(dc, &cell);
}

// The yellow box with the code in four bases, shown until the next input.
void ShowCharacterCode(HWND window, int x, int y) {
  const int code = ChartCodeAt(x, y);
  if (code < 0) return;
  HDC dc = GetDC(window);
  if (!dc) return;
  const HGDIOBJ oldFont = SelectObject(dc, StockFont());
  const RECT box = ToRect(ChartInfoBox(code));
  FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  {
    OwnedHandle<HPEN, DeleteGdiObject> shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    const HGDIOBJ oldPen = shadow ? SelectObject(dc, shadow.get()) : nullptr;
    MoveToEx(dc, box.left + 1, box.bottom, nullptr);
    LineTo(dc, box.right, box.bottom);
    LineTo(dc, box.right, box.top);
    if (oldPen) SelectObject(dc, oldPen);
  }
  RECT inner = box;
  InflateRect(&inner, -1, -1);
  OwnedHandle<HBRUSH, DeleteGdiObject> yellow(CreateSolidBrush(kInfoBoxColour));
  if (yellow) FillRect(dc, &inner, yellow.get());
  SetBkColor(dc, kInfoBoxColour);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  char lines[kChartInfoLines][kChartInfoLineCapacity];
  ChartInfoTexts(code, lines);
  for (int i = 0; i < kChartInfoLines; ++i) {
    const RECT line = {inner.left, inner.top + 12 * i, inner.right, inner.top + 12 * (i + 1)};
    DrawCellText(dc, line, kAlignLeft, "%s", lines[i]);
  }
  FlashCell(dc, code);
  SelectObject(dc, oldFont);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  RECT grown = box;
  InflateRect(&grown, 1, 1);
  InvalidateRect(window, &grown, TRUE);  // the next paint takes the box away
  ReleaseDC(window, dc);
}

int ClipboardFailure(HWND window, UINT messageId, DWORD error) {
  return ShowMessage(window, IDS_APPNAME, messageId, static_cast<int>(error));
}

// Puts the clicked character on the clipboard as plain text; code 0 gives an empty text.
int CopyCharacter(HWND window, int x, int y) {
  const int code = ChartCodeAt(x, y);
  if (code < 0) return 0;
  if (HDC dc = GetDC(window)) {
    FlashCell(dc, code);
    ReleaseDC(window, dc);
  }
  const char text[2] = {static_cast<char>(code % 256), '\0'};
  const size_t bytes = std::strlen(text) + 1;

  HGLOBAL memory = clipboard->allocate(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!memory) return ClipboardFailure(window, 60048, GetLastError());
  void* data = clipboard->lock(memory);
  if (!data) {
    const DWORD error = GetLastError();
    GlobalFree(memory);
    return ClipboardFailure(window, 60049, error);
  }
  std::memcpy(data, text, bytes);
  GlobalUnlock(memory);
  if (!clipboard->open(window)) {
    const DWORD error = GetLastError();
    GlobalFree(memory);
    return ClipboardFailure(window, 60045, error);
  }
  if (!clipboard->empty()) {
    const DWORD error = GetLastError();
    CloseClipboard();
    GlobalFree(memory);
    return ClipboardFailure(window, 60052, error);
  }
  if (!clipboard->set(CF_TEXT, memory)) {
    const DWORD error = GetLastError();
    CloseClipboard();
    GlobalFree(memory);  // still ours: the clipboard did not take it
    return ClipboardFailure(window, 60051, error);
  }
  CloseClipboard();
  return 1;
}

LRESULT OnCreate(HWND window, const CREATESTRUCTA* create) {
  chart.window = window;
  chart.placement = static_cast<PlacementRecord*>(create->lpCreateParams);
  RECT client;
  GetClientRect(window, &client);
  HWND hint = CreateWindowExA(
      0, "Static", kHint, WS_CHILD | WS_VISIBLE | SS_CENTER, 0, client.bottom - 20, client.right,
      17, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), AppInstance, nullptr);
  if (hint) SendMessageA(hint, WM_SETFONT, reinterpret_cast<WPARAM>(StockFont()), FALSE);
  return 0;
}

LRESULT CALLBACK ChartWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window, reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CLOSE:
      CloseCharacterChart();
      return 0;
    case WM_LBUTTONDOWN:
      ShowCharacterCode(window, static_cast<short>(LOWORD(lParam)),
                        static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_RBUTTONDOWN:
      CopyCharacter(window, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int RegisterCharacterChartClass() {
  return RegisterPlainWindowClass(AppInstance, kChartClass, kChartClass, ChartWindowProc, 0,
                                  IDI_CHART);
}

int OpenCharacterChart(PlacementRecord* placement, const char* faceName, int useFont) {
  if (chart.window) {
    ShowWindow(chart.window, SW_SHOWNORMAL);
    SetFocus(chart.window);
    return 1;
  }
  const POINT origin = PlacementOrigin(*placement);
  HWND window =
      CreateWindowExA(placement->Show ? WS_EX_TOPMOST : 0, kChartClass, kChartTitle,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, origin.x, origin.y,
                      kChartWidth, kChartHeight, nullptr, nullptr, AppInstance, placement);
  if (!window) {
    const DWORD error = GetLastError();
    chart = ChartState();
    return ShowError(60004, kChartTitle, static_cast<int>(error));
  }
  TakeFace(faceName, useFont);
  Retitle(faceName);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(StockFont()), FALSE);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return 1;
}

int RefreshCharacterChart(const char* faceName, int useFont) {
  if (!chart.window) return 0;
  TakeFace(faceName, useFont);
  Retitle(faceName);
  InvalidateRect(chart.window, nullptr, TRUE);
  return 1;
}

int SetChartTopmost(int topmost) {
  if (!chart.window) return 0;
  if (chart.placement) chart.placement->Show = topmost;
  SetWindowPos(chart.window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return 1;
}

int CloseCharacterChart() {
  if (!chart.window) return 0;
  if (chart.placement) StoreWindowPlacement(chart.window, *chart.placement);
  HWND window = chart.window;
  chart = ChartState();  // the font goes with the old state
  DestroyWindow(window);
  return 1;
}

HWND CharacterChartWindow() {
  return chart.window;
}

void SetChartClipboardCalls(const ChartClipboardCalls* calls) {
  clipboard = calls ? calls : &kSystemClipboard;
}
