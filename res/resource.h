// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDR_MENU 101
#define IDB_BUILTIN_FACE 100
#define IDB_SKIN_FOLDER 116
#define IDB_MENU_FIND 127
#define IDB_MENU_SOUND 128
#define IDI_CLOCK 107
#define IDI_LETTER 119

#define IDD_EVENT 112
#define IDD_ACCOUNT_EDIT 113
#define IDD_MAIL_SETTINGS 114
#define IDD_BACKGROUND 115
#define IDD_MAIL_ARRIVAL 117
#define IDD_WALLPAPER 129
