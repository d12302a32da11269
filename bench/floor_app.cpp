// The platform's floor for bench/peers: the least a Win32 program does to show a text file in
// the control Norvel uses. One captioned window; one rich-edit control made like a Norvel
// document's (class, styles, its default display font); the file's bytes with CR LF
// line ends streamed in once while the control is hidden, then shown; a message loop. No
// menu, toolbar, status bar, splash or settings. Started with no file, the control is empty.
//
//   floor_app.exe [file]
#include <windows.h>
#include <richedit.h>

#include <string>

#include "memory_feed.h"

namespace {

constexpr DWORD kDocumentEditStyle = 0x5030B1C4;  // as a Norvel document's control, unwrapped

// The file's bytes with every lone LF made CR LF, as Norvel gives them to its control.
std::string ReadAsCrLf(const char* path) {
  std::string bytes;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  const DWORD size = GetFileSize(file, nullptr);
  std::string raw(size, '\0');
  DWORD read = 0;
  ReadFile(file, &raw[0], size, &read, nullptr);
  CloseHandle(file);
  raw.resize(read);
  bytes.reserve(raw.size() + raw.size() / 50);
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) bytes += '\r';
    bytes += raw[i];
  }
  return bytes;
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (HWND edit = GetWindow(window, GW_CHILD))
        MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  LoadLibraryA("RichEd32.dll");
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "NorvelFloor";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "NorvelFloor", "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 640, 400, nullptr, nullptr, instance, nullptr);
  RECT client;
  GetClientRect(window, &client);
  HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit", "", kDocumentEditStyle & ~WS_VISIBLE,
                              0, 0, client.right, client.bottom, window, nullptr, instance, nullptr);
  // Norvel's default display font, field for field: the quality and precisions change how
  // the control measures its lines, and so its time.
  LOGFONTA font = {};
  font.lfHeight = -10;
  font.lfWeight = FW_NORMAL;
  font.lfOutPrecision = OUT_STRING_PRECIS;
  font.lfClipPrecision = CLIP_STROKE_PRECIS;
  font.lfQuality = DRAFT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  lstrcpyA(font.lfFaceName, "MS Sans Serif");
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectA(&font)), FALSE);
  SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);

  std::string path = commandLine;
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  if (!path.empty()) {
    const std::string text = ReadAsCrLf(path.c_str());
    StreamIntoControl(edit, text.data(), text.size());
  }
  ShowWindow(window, show);
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
