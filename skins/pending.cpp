// Placeholders until the skin and wallpaper subsystem lands.
#include "app/app_state.h"
#include "skins/background_dialog.h"
#include "skins/image_changer.h"
#include "skins/wallpaper.h"
#include "skins/wallpaper_dialog.h"

int ImageChanger::ChangeImage(int, int, int) { return 0; }
void OpenBackgroundDialog(HWND, ClockImage*, AppState*) {}
void OpenWallpaperDialog(WallpaperDialogArgs*) {}
void MakeIconTextTransparent() {}
