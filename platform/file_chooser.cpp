#include "platform/file_chooser.h"

#include <commdlg.h>
#include <shlobj.h>

int ChooseExistingFile(HWND owner, const char* filter, const char* title,
                       const char* defaultExtension, char fileName[PATH_SIZE]) {
  char fileTitle[PATH_SIZE] = "";
  fileName[0] = 0;
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // no extension fields
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = fileName;
  ofn.nMaxFile = PATH_SIZE;
  ofn.lpstrFileTitle = fileTitle;
  ofn.nMaxFileTitle = PATH_SIZE;
  ofn.lpstrTitle = title;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON;
  ofn.lpstrDefExt = defaultExtension;
  return GetOpenFileNameA(&ofn) != 0;
}

int BrowseForFolder(HWND owner, const char* title, char path[PATH_SIZE]) {
  HRESULT com = CoInitialize(NULL);
  IMalloc* allocator = nullptr;
  int chosen = 0;
  if (SUCCEEDED(SHGetMalloc(&allocator))) {
    char display[MAX_PATH];
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pszDisplayName = display;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (item) {
      chosen = SHGetPathFromIDListA(item, path);
      allocator->Free(item);
    }
    allocator->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}
