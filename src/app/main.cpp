// Norvel's entry point.
#include <windows.h>

#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  return RunNorvel(instance, commandLine, showCommand);
}
