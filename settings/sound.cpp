#include "settings/sound.h"

#include <mmsystem.h>

#include "settings/app_state.h"
#include "platform/file_chooser.h"
#include "platform/system_paths.h"

int (*PlayWaveFile)(const char* path, DWORD flags) = PlayWavePath;

void ChooseWaveFile(AppState* app, HWND owner, Setting file) {
  char fileName[PATH_SIZE];
  if (ChooseExistingFile(owner, "WAVE files(*.wav)\0*.wav\0", "WAVEファイルの選択…", "wav",
                         fileName))
    app->WriteSettingString(file, fileName);
}

void PlaySettingSound(AppState* app, Setting file) {
  char fileName[PATH_SIZE];
  app->ReadSettingString(file, fileName);
  PlayWave(fileName);
}

void PlayWave(const char* fileName) {
  // Without SND_NODEFAULT, for the system sound.
  PlayWaveFile(fileName, SND_FILENAME | SND_ASYNC | SND_NOWAIT);
}
