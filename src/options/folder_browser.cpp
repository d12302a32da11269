// The shell's folder browser: every item list and the name buffer go back to the shell's
// allocator on every path.
#include "options/folder_browser.h"

#include <shlobj.h>

#include "settings/com_ref.h"

namespace {

FolderBrowser browserOverride = nullptr;

// An item list, freed through the shell's allocator when it goes.
class ItemList {
 public:
  explicit ItemList(IMalloc* allocator) : allocator_(allocator) {}
  ~ItemList() {
    if (list_) allocator_->Free(list_);
  }
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;
  LPITEMIDLIST* out() { return &list_; }
  LPITEMIDLIST get() const { return list_; }
  void reset(LPITEMIDLIST list) {
    if (list_) allocator_->Free(list_);
    list_ = list;
  }

 private:
  IMalloc* allocator_;
  LPITEMIDLIST list_ = nullptr;
};

int BrowseWithShell(HWND owner, char (&folder)[kPathCapacity]) {
  ComRef<IMalloc> allocator;
  if (FAILED(SHGetMalloc(reinterpret_cast<IMalloc**>(allocator.out())))) return 0;
  // The shell writes up to MAX_PATH characters into the name, whatever the caller keeps.
  char* name = static_cast<char*>(allocator->Alloc(MAX_PATH));
  if (!name) return 0;
  int chosen = 0;
  {
    ItemList root(allocator.get()), choice(allocator.get());
    SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, root.out());
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pidlRoot = root.get();
    browse.pszDisplayName = name;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    choice.reset(SHBrowseForFolderA(&browse));
    if (choice.get() && SHGetPathFromIDListA(choice.get(), name) &&
        lstrlenA(name) < kPathCapacity) {
      lstrcpynA(folder, name, kPathCapacity);
      chosen = 1;
    }
  }
  allocator->Free(name);
  return chosen;
}

}  // namespace

void SetFolderBrowser(FolderBrowser browser) {
  browserOverride = browser;
}

int BrowseForFolder(HWND owner, char (&folder)[kPathCapacity]) {
  return browserOverride ? browserOverride(owner, folder) : BrowseWithShell(owner, folder);
}
