// What the benchmarks share: a clock, a message pump, timing of one step, and the files they read,
// written into the temporary folder under names of their own.
#pragma once
#include <windows.h>

#include <string>

#include "app/startup.h"
#include "base/globals.h"
#include "settings/options.h"

inline double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs every posted message, so a step's deferred work (painting, notifications) is timed too.
inline void PumpAll() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Seconds that `action` and the messages it leaves take.
template <typename Action>
double Timed(Action action) {
  const double start = Now();
  action();
  PumpAll();
  return Now() - start;
}

// Starts the program as start-up does, without documents and without the message loop (the
// benchmarks pump themselves); null when the frame cannot be made.
inline HWND StartBenchFrame() {
  InitGlobals(GetModuleHandleA(nullptr));
  if (!InitApplication(AppOptions)) return nullptr;
  LoadOptions(AppOptions, OptionRecords);
  AppOptions.NewDoc = 0;
  HWND frame = CreateFrameWindow(SW_SHOWNORMAL, AppOptions);
  if (frame) PumpAll();
  return frame;
}

// Writes `bytes` to "norvel-<tag>.txt" in the temporary folder; returns its path.
inline std::string WriteBenchFile(const std::string& tag, const std::string& bytes) {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "norvel-" + tag + ".txt";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}

// `size` bytes of 100-character lines with LF line ends.
inline std::string MakeLfLinesFile(const char* tag, size_t size) {
  std::string bytes(size, 'x');
  for (size_t i = 99; i < size; i += 100) bytes[i] = '\n';
  return WriteBenchFile(std::string(tag) + "-" + std::to_string(size), bytes);
}
