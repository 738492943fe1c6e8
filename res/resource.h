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

// Controls of the mail dialogs.
#define IDC_MAIL_LIST 1000
#define IDC_ACCOUNT_SERVER 1005
#define IDC_ACCOUNT_USER 1006
#define IDC_ACCOUNT_PASSWORD 1007
#define IDC_ACCOUNT_NAME 1008
#define IDC_MAIL_AUTO 1010
#define IDC_MAIL_INTERVAL 1014
#define IDC_MAIL_EDIT 1015
#define IDC_MAIL_DELETE 1016
#define IDC_MAIL_NEW 1017
#define IDC_MAIL_LAN 1027
#define IDC_MAIL_SOUND 1029
#define IDC_MAIL_SOUNDFILE 1041
