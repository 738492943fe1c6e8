// The system's open-file dialog, as the chime and the event dialog ask for
// a file: the oldest record layout every system takes, an existing file
// only, "wav" added to a name typed without an extension.
#pragma once
#include <windows.h>

#include "base/paths.h"

// filter is the dialog's pairs of description and pattern; fileName gets
// the chosen path. 0 when the user cancelled.
int ChooseExistingFile(HWND owner, const char* filter, const char* title, char fileName[PATH_SIZE]);
