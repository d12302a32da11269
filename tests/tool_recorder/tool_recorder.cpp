// A stand-in tool: writes its command line and current folder, one per line, to the file named
// by NORVEL_TOOL_RECORD, so a test can see exactly what the program handed over.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH], folder[MAX_PATH];
  if (!GetEnvironmentVariableA("NORVEL_TOOL_RECORD", path, MAX_PATH)) return 1;
  GetCurrentDirectoryA(MAX_PATH, folder);
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const std::string record = std::string(GetCommandLineA()) + "\n" + folder;
  DWORD written = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
