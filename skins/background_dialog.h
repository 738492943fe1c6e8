// IDD_BACKGROUND: the skin list and the skin change options.
#pragma once
#include <windows.h>

struct AppState;
struct ClockImage;

void OpenBackgroundDialog(HWND owner, ClockImage* image, AppState* app);
