#include "platform/file_chooser.h"

#include <commdlg.h>

int ChooseExistingFile(HWND owner, const char* filter, const char* title,
                       char fileName[PATH_SIZE]) {
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
  ofn.lpstrDefExt = "wav";
  return GetOpenFileNameA(&ofn) != 0;
}
