// Choosing and playing the WAV files named in the settings.
#pragma once
#include <windows.h>

#include "settings/setting_list.h"

struct AppState;

// The WAV file a text setting names: chosen, and played.
void ChooseWaveFile(AppState* app, HWND owner, Setting file);
void PlaySettingSound(AppState* app, Setting file);
// Starts a WAV file and returns; a name that cannot be played gives the
// system sound.
void PlayWave(const char* fileName);

// What plays the sound: the platform's player; tests put a recorder here.
extern int (*PlayWaveFile)(const char* path, DWORD flags);
