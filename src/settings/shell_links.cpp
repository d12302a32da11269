// Shortcut files made through the shell's link object, one COM session per use.
#include "settings/shell_links.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "base/file_checks.h"
#include "base/file_io.h"
#include "base/globals.h"
#include "resources/resource.h"
#include "settings/com_ref.h"
#include "settings/registry_key.h"
#include "ui/message_dialogs.h"

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kPlaceValues[] = {"Programs", "Desktop", "Startup"};
constexpr const char* kMakerFolder = "\\Veldmark";
constexpr const char* kSetupTitle = "Setup";

HRESULT injectedSaveFailure = S_OK;

HRESULT SaveLink(IPersistFile* file, const wchar_t* path) {
  if (FAILED(injectedSaveFailure)) return std::exchange(injectedSaveFailure, S_OK);
  return file->Save(path, TRUE);
}

// The steps of making a link; the first one that fails names itself in the message.
struct LinkStep {
  const char* method = nullptr;
  HRESULT result = S_OK;
  bool Run(const char* name, HRESULT outcome) {
    if (method) return false;
    if (FAILED(outcome)) method = name, result = outcome;
    return !method;
  }
};

}  // namespace

void InjectLinkSaveFailure(HRESULT failure) {
  injectedSaveFailure = failure;
}

bool ShortcutFolder(ShellPlace place, char (&folder)[kPathCapacity]) {
  folder[0] = '\0';
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return false;
  RegistryKey key(opened);
  DWORD type = 0, size = sizeof folder;
  if (RegQueryValueExA(key.get(), kPlaceValues[place], nullptr, &type,
                       reinterpret_cast<BYTE*>(folder), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    folder[0] = '\0';
    return false;
  }
  folder[size < sizeof folder ? size : sizeof folder - 1] = '\0';
  size_t length = std::strlen(folder);
  if (length > 0 && folder[length - 1] == '\\') folder[--length] = '\0';
  if (length == 0) return false;
  if (place == kStartMenuPlace) {
    if (length + std::strlen(kMakerFolder) >= sizeof folder) return false;
    std::strcat(folder, kMakerFolder);
  }
  return true;
}

bool ShortcutPath(ShellPlace place, char (&path)[kPathCapacity]) {
  char folder[kPathCapacity], title[kPathCapacity];
  if (!ShortcutFolder(place, folder) || !GetString(title, IDS_APPNAME)) return false;
  const int length = std::snprintf(path, sizeof path, "%s\\%s.lnk", folder, title);
  return length > 0 && length < static_cast<int>(sizeof path);
}

bool ShortcutExists(ShellPlace place) {
  char path[kPathCapacity];
  return ShortcutPath(place, path) && FileExists(path);
}

int CreateShortcut(HWND owner, ShellPlace place) {
  char folder[kPathCapacity], path[kPathCapacity], title[kPathCapacity];
  if (!ShortcutFolder(place, folder) || !ShortcutPath(place, path)) return 1;
  GetString(title, IDS_APPNAME);
  LinkStep step;
  {
    ComSession com;
    ComRef<IShellLinkA> link;
    ComRef<IPersistFile> file;  // released before the link: declared after it
    if (step.Run("CoCreateInstance",
                 CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.out())) &&
        step.Run("QueryInterface", link->QueryInterface(IID_IPersistFile, file.out())) &&
        step.Run("SetPath", link->SetPath(ProgramPath)) &&
        step.Run("SetDescription", link->SetDescription(title))) {
      if (place == kStartMenuPlace) CreateDirectoryA(folder, nullptr);  // may already be there
      wchar_t widePath[kPathCapacity];
      const bool converted = MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, kPathCapacity) > 0;
      step.Run("Save",
               converted ? SaveLink(file.get(), widePath) : HRESULT_FROM_WIN32(GetLastError()));
    }
  }
  if (!step.method) return 1;
  return ShowMessageText(owner, kSetupTitle, "\rFile '%s'\r\rMethod (%s) error detected\rCode %u",
                         ProgramPath, step.method, static_cast<unsigned>(step.result));
}

int RemoveShortcut(HWND owner, ShellPlace place) {
  char path[kPathCapacity];
  if (!ShortcutPath(place, path)) return 1;
  if (DeleteFileAt(path)) return 1;
  const unsigned code = GetLastError();
  return ShowMessageText(owner, kSetupTitle, "\rFile '%s'\r\rCould not be deleted (error:%u)", path,
                         code);
}

void CarryOutShellRequests(HWND owner, ShellRequestRecord& requests) {
  const struct {
    DWORD ShellRequestRecord::*flag;
    ShellPlace place;
    bool create;
  } kOrder[] = {
      {&ShellRequestRecord::CreateStartMenu, kStartMenuPlace, true},
      {&ShellRequestRecord::CreateDesktop, kDesktopPlace, true},
      {&ShellRequestRecord::CreateStartup, kStartupPlace, true},
      {&ShellRequestRecord::RemoveStartMenu, kStartMenuPlace, false},
      {&ShellRequestRecord::RemoveDesktop, kDesktopPlace, false},
      {&ShellRequestRecord::RemoveStartup, kStartupPlace, false},
  };
  for (const auto& request : kOrder) {
    if (!(requests.*request.flag)) continue;
    if (request.create) {
      CreateShortcut(owner, request.place);
    } else {
      RemoveShortcut(owner, request.place);
    }
  }
  requests = ShellRequestRecord{};
}
