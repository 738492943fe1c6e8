#include "app/sound.h"

#include <commdlg.h>
#include <mmsystem.h>

#include "app/app_state.h"

BOOL(WINAPI* PlayWaveFile)(LPCSTR name, HMODULE module, DWORD flags) = PlaySoundA;

void ChooseWaveFile(AppState* app, HWND owner, const char* section, const char* key) {
  char fileName[PATH_SIZE] = "";
  char fileTitle[PATH_SIZE] = "";
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // 76 bytes, no extension fields
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = "WAVE files(*.wav)\0*.wav\0";
  ofn.lpstrFile = fileName;
  ofn.nMaxFile = PATH_SIZE;
  ofn.lpstrFileTitle = fileTitle;
  ofn.nMaxFileTitle = PATH_SIZE;
  ofn.lpstrTitle = "WAVEファイルの選択…";
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NONETWORKBUTTON;
  ofn.lpstrDefExt = "wav";
  if (GetOpenFileNameA(&ofn)) app->WriteSettingString(section, key, fileName);
}

void PlaySettingSound(AppState* app, const char* section, const char* key) {
  char fileName[PATH_SIZE];
  app->ReadSettingString(section, key, fileName, "");
  // Without SND_NODEFAULT: a name that cannot be played gives the system sound.
  PlayWaveFile(fileName, NULL, SND_FILENAME | SND_ASYNC | SND_NOWAIT);
}
