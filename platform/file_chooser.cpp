#include "platform/file_chooser.h"

#include <commdlg.h>
#include <shlobj.h>
#include <string.h>

#include "platform/later_calls.h"
#include "platform/system_paths.h"
#include "platform/system_text.h"

enum { FILTER_UNITS = 256 };

// The filter's pairs of texts, each with its NUL, and the closing NUL.
static void WideFilter(const char* filter, wchar_t out[FILTER_UNITS]) {
  size_t used = 0;
  for (const char* piece = filter; *piece && used + 2 < FILTER_UNITS;
       piece += strlen(piece) + 1) {
    WideText wide(piece);
    size_t n = wcslen(wide);
    if (n > FILTER_UNITS - 2 - used) n = FILTER_UNITS - 2 - used;
    memcpy(out + used, (const wchar_t*)wide, n * sizeof(wchar_t));
    used += n;
    out[used++] = 0;
  }
  out[used] = 0;
}

// The fields both record layouts share: the oldest layout, which every
// system takes.
template <typename Chooser, typename Char>
static void FillChooser(Chooser* ofn, DWORD size, HWND owner, const Char* filter, Char* file,
                        Char* fileTitle, const Char* title, const Char* defaultExtension) {
  memset(ofn, 0, sizeof *ofn);
  ofn->lStructSize = size;  // no extension fields
  ofn->hwndOwner = owner;
  ofn->lpstrFilter = filter;
  ofn->lpstrFile = file;
  ofn->nMaxFile = MAX_PATH;
  ofn->lpstrFileTitle = fileTitle;
  ofn->nMaxFileTitle = MAX_PATH;
  ofn->lpstrTitle = title;
  ofn->Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON;
  ofn->lpstrDefExt = defaultExtension;
}

int ChooseExistingFile(HWND owner, const char* filter, const char* title,
                       const char* defaultExtension, char fileName[PATH_SIZE]) {
  fileName[0] = 0;
  const LaterCalls* dialogs = LoadLater(LATER_COMDLG32);
  if (!dialogs) return 0;
  if (SystemTextWays()->widePaths && dialogs->getOpenFileNameW) {
    wchar_t wideFilter[FILTER_UNITS], file[MAX_PATH] = L"", fileTitle[MAX_PATH] = L"";
    WideFilter(filter, wideFilter);
    WideText wideTitle(title), wideExtension(defaultExtension);
    OPENFILENAMEW ofn;
    FillChooser(&ofn, OPENFILENAME_SIZE_VERSION_400W, owner, (const wchar_t*)wideFilter, file,
                fileTitle, (const wchar_t*)wideTitle, (const wchar_t*)wideExtension);
    return dialogs->getOpenFileNameW(&ofn) && WideToPath(file, fileName, PATH_SIZE);
  }
  char file[MAX_PATH] = "", fileTitle[MAX_PATH] = "";
  OPENFILENAMEA ofn;
  FillChooser(&ofn, OPENFILENAME_SIZE_VERSION_400A, owner, filter, file, fileTitle, title,
              defaultExtension);
  return dialogs->getOpenFileNameA(&ofn) && SystemBytesToPath(file, fileName, PATH_SIZE);
}

// The folder of a chosen item, as a path; 0 when none was chosen.
template <typename Info, typename Char, typename Browse, typename ItemPath>
static int ChooseFolder(const LaterCalls* shell, HWND owner, const Char* title, Browse browse,
                        ItemPath itemPath, Char chosen[MAX_PATH]) {
  IMalloc* allocator = nullptr;
  if (FAILED(shell->shGetMalloc(&allocator))) return 0;
  Char display[MAX_PATH];
  Info info = {};
  info.hwndOwner = owner;
  info.pszDisplayName = display;
  info.lpszTitle = title;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST item = browse(&info);
  int got = 0;
  if (item) {
    got = itemPath(item, chosen);
    allocator->Free(item);
  }
  allocator->Release();
  return got;
}

int BrowseForFolder(HWND owner, const char* title, char path[PATH_SIZE]) {
  const LaterCalls* shell = LoadLater(LATER_SHELL32);
  if (!shell) return 0;
  const LaterCalls* com = LoadLater(LATER_OLE32);
  HRESULT started = com ? com->coInitialize(NULL) : E_FAIL;
  int chosen;
  if (SystemTextWays()->widePaths && shell->shBrowseForFolderW && shell->shGetPathFromIdListW) {
    wchar_t folder[MAX_PATH];
    chosen = ChooseFolder<BROWSEINFOW>(shell, owner, (const wchar_t*)WideText(title),
                                       shell->shBrowseForFolderW, shell->shGetPathFromIdListW,
                                       folder) &&
             WideToPath(folder, path, PATH_SIZE);
  } else {
    char folder[MAX_PATH];
    chosen = ChooseFolder<BROWSEINFOA>(shell, owner, title, shell->shBrowseForFolderA,
                                       shell->shGetPathFromIdListA, folder) &&
             SystemBytesToPath(folder, path, PATH_SIZE);
  }
  if (SUCCEEDED(started)) com->coUninitialize();
  return chosen;
}
