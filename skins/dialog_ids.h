// Control identifiers of the background and wallpaper dialogs, shared by
// the resource script and the code.
#pragma once

#define IDC_SKIN_LIST 1000
#define IDC_SKIN_FOLDER 1003
#define IDC_RANDOM 1011
#define IDC_TRANSPARENT_TEXT 1012
#define IDC_BOOT_CHANGE 1018
#define IDC_TIMED_CHANGE 1021
#define IDC_AUTO_CLOSE 1023
#define IDC_MINUTES 1024
#define IDC_WALLPAPER_LIST 1000
#define IDC_CHOOSE_FOLDER 1039
#define IDC_STYLE 1047
