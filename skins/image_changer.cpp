#include "skins/image_changer.h"

#include <stdlib.h>

#include "settings/app_state.h"
#include "settings/minute_job.h"
#include "face/clock_image.h"
#include "skins/file_search.h"
#include "skins/wallpaper.h"

int skinMinutes;
int wallpaperMinutes;

static int RuntimeRandom(void*) { return rand(); }

// The folder searched for a kind, ending in a backslash; 0 when there is
// none that fits.
static int ChangeFolder(AppState* app, int kind, char* folder) {
  if (kind == KIND_SKIN) return JoinText(folder, PATH_SIZE, app->dataDir, "", "");
  if (kind != KIND_WALLPAPER) return 0;
  char chosen[PATH_SIZE];
  app->ReadSettingString(Setting::wallpaperFolder, chosen);
  return JoinText(folder, PATH_SIZE, chosen, "\\", "");
}

int ImageChanger::ChangeImage(int mode, int kind, int current) {
  char folder[PATH_SIZE], name[PATH_SIZE];
  if (!ChangeFolder(app, kind, folder)) return 0;
  const char* extension = kind == KIND_SKIN ? "qkb" : "bmp";
  int p = PickPosition(mode, CountFiles(folder, extension), current, RuntimeRandom, nullptr);
  if (!NthFileName(p, folder, extension, name)) return 0;
  if (kind == KIND_SKIN) {
    skinMinutes = 0;
    image->SetFaceImage(name);
    app->WriteSettingInt(Setting::skinIndex, p);
    return 1;
  }
  char path[PATH_SIZE];
  JoinText(path, sizeof path, folder, name, "");  // the search kept only names that fit
  wallpaperMinutes = 0;
  SetWallpaper(app, path);
  app->WriteSettingInt(Setting::wallpaperIndex, p);
  return 1;
}

void CountSkinMinute(const JobCall* call) {
  AppState* app = call->app;
  skinMinutes += 1;
  if (!app->ReadSettingInt(Setting::skinChangeTimed) ||
      skinMinutes != app->ReadSettingInt(Setting::skinIntervalMinutes) || call->waiting)
    return;
  ImageChanger changer = {(ClockImage*)call->context, app};
  int mode = app->ReadSettingInt(Setting::skinRandom) ? PICK_RANDOM : PICK_NEXT;
  changer.ChangeImage(mode, KIND_SKIN, app->ReadSettingInt(Setting::skinIndex));
}

void CountWallpaperHalfMinute(const JobCall* call) {
  AppState* app = call->app;
  wallpaperMinutes += 1;
  if (!app->ReadSettingInt(Setting::wallpaperChangeTimed) ||
      wallpaperMinutes != app->ReadSettingInt(Setting::wallpaperIntervalMinutes) || call->waiting)
    return;
  ImageChanger changer = {NULL, app};
  changer.ChangeImage(PICK_NEXT, KIND_WALLPAPER, app->ReadSettingInt(Setting::wallpaperIndex));
}
