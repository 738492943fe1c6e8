// The system's file and folder choosers, as the chime, the event dialog
// and the wallpaper dialog ask for them: the oldest record layouts every
// system takes.
#pragma once
#include <windows.h>

#include "base/paths.h"

// An existing file. filter is the dialog's pairs of description and
// pattern; defaultExtension (or NULL) is added to a name typed without
// one; fileName gets the chosen path. 0 when the user cancelled.
int ChooseExistingFile(HWND owner, const char* filter, const char* title,
                       const char* defaultExtension, char fileName[PATH_SIZE]);

// A folder of the file system; path gets it. 0 when the user cancelled.
int BrowseForFolder(HWND owner, const char* title, char path[PATH_SIZE]);
