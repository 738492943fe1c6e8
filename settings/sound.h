// Choosing and playing the WAV files named in the settings.
#pragma once
#include <windows.h>

struct AppState;

void ChooseWaveFile(AppState* app, HWND owner, const char* section, const char* key);
void PlaySettingSound(AppState* app, const char* section, const char* key);
// Starts a WAV file and returns; a name that cannot be played gives the
// system sound.
void PlayWave(const char* fileName);

// What plays the sound: the platform's player; tests put a recorder here.
extern int (*PlayWaveFile)(const char* path, DWORD flags);
