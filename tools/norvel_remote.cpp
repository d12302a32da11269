// Drives a running Norvel from outside, for tools/screenshots.sh: posts menu commands to a window
// of a given class and prints where such a window is, so the script can cut it out of the screen.
//   norvel_remote command CLASS ID...    post WM_COMMAND ID to the window, one after the other
//   norvel_remote rect CLASS [TITLE]     print "left top width height" of the window
//   norvel_remote page TITLE INDEX       show page INDEX of the property sheet with that title
#include <windows.h>
#include <prsht.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Windows come up at the program's own pace: wait up to five seconds for a visible one.
HWND FindShownWindow(const char* className, const char* title = nullptr) {
  for (int attempt = 0; attempt < 50; ++attempt) {
    HWND window = FindWindowA(className, title);
    if (window && IsWindowVisible(window)) return window;
    Sleep(100);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || (std::strcmp(argv[1], "command") != 0 && std::strcmp(argv[1], "rect") != 0 &&
                    std::strcmp(argv[1], "page") != 0)) {
    std::fprintf(stderr,
                 "usage: norvel_remote command CLASS ID... | rect CLASS [TITLE] | page TITLE N\n");
    return 2;
  }
  if (std::strcmp(argv[1], "page") == 0) {
    HWND sheet = argc > 3 ? FindShownWindow("#32770", argv[2]) : nullptr;
    if (!sheet) return 1;
    PostMessageA(sheet, PSM_SETCURSEL, std::strtoul(argv[3], nullptr, 10), 0);
    Sleep(500);
    return 0;
  }
  const bool titled = std::strcmp(argv[1], "rect") == 0 && argc > 3;
  HWND window = FindShownWindow(argv[2], titled ? argv[3] : nullptr);
  if (!window) {
    std::fprintf(stderr, "norvel_remote: no window of class %s\n", argv[2]);
    return 1;
  }
  if (std::strcmp(argv[1], "rect") == 0) {
    RECT r;
    if (!GetWindowRect(window, &r)) return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  for (int i = 3; i < argc; ++i) {
    if (!PostMessageA(window, WM_COMMAND, std::strtoul(argv[i], nullptr, 10), 0)) return 1;
    Sleep(300);  // let each command finish drawing before the next
  }
  return 0;
}
