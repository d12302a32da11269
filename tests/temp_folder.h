// A private folder of files for one test, removed with everything in it afterwards.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static unsigned counter = 0;
    path_ = base +
            ("norvel-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  // Removes the folder with everything in it, read-only files too; the shell's list of names
  // ends with a second NUL, which c_str() gives after the one appended here.
  ~TempFolder() {
    const std::string names = path_ + '\0';
    SHFILEOPSTRUCTA remove = {};
    remove.wFunc = FO_DELETE;
    remove.pFrom = names.c_str();
    remove.fFlags = FOF_NO_UI;
    SHFileOperationA(&remove);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

  // Writes the bytes exactly; returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
    return File(name);
  }

  // The file's bytes, or "<missing>".
  static std::string Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string path_;
};
