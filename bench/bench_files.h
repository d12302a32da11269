// Files the benchmarks read: `size` bytes of 100-character lines with LF line ends, in the
// temporary folder, named after the benchmark.
#pragma once
#include <windows.h>

#include <string>

inline std::string MakeLfLinesFile(const char* tag, size_t size) {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path =
      std::string(folder) + "norvel-" + tag + "-" + std::to_string(size) + ".txt";
  std::string bytes(size, 'x');
  for (size_t i = 99; i < size; i += 100) bytes[i] = '\n';
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return path;
}
