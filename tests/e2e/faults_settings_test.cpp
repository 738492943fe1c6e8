// The real clock on a settings file holding garbage in every key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_support.h"
#include "res/resource.h"

namespace {

const char* const kKeys[][13] = {
    {"WINDOW", "POSX", "POSY", "POSLOCK", "FVMOVE", "TOP", "BOTTOM", "WNDHIDE"},
    {"EXT", "SOUND", "SOUNDFILE", "TRAY"},
    {"OBJECT", "NONSEC", "NDHIDE", "DIGINFO", "DESIGN", "BOOLD", "NULLBRS", "HCOL", "MCOL", "SCOL",
     "HCOLB", "MCOLB", "SCOLB"},
    {"IMAGE", "FILE", "BOOT_CHANGE", "TIME_CHANGE", "CHANGE_MIN", "CHANGE_RND", "LAST_NUM"},
    {"MAIL", "ALLOW_CHECK", "CHECK_TIME", "USE_SOUND", "CHECK_LAN", "SOUNDFILE"},
    {"WALLPAPER", "AUTO_CHANGE", "CHANGE_TIME", "LAST_NUM", "FOLDER_PATH", "LAST_FILE",
     "AUTO_CLOSE", "TRANSLATE"},
};

std::string EveryKey(const std::string& value) {
  std::string ini;
  for (const auto& section : kKeys) {
    ini += std::string("[") + section[0] + "]\r\n";
    for (int k = 1; k < 13 && section[k]; k++) ini += std::string(section[k]) + "=" + value + "\r\n";
  }
  return ini;
}

// The screen's pixels inside the rectangle.
std::vector<DWORD> ScreenPixels(const RECT& r) {
  int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(NULL), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<DWORD> bits(w * h);
  GetDIBits(memory, bitmap, 0, h, bits.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(NULL, screen);
  return bits;
}

struct Region {
  RECT rect;
  std::vector<DWORD> before;
};
bool RegionChanged(void* p) {
  Region* r = (Region*)p;
  return ScreenPixels(r->rect) != r->before;
}

bool Responds(HWND w) {
  DWORD_PTR result;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

void Command(HWND w, int id) {
  DWORD_PTR result;
  SendMessageTimeoutA(w, WM_COMMAND, id, 0, SMTO_ABORTIFHUNG, 5000, &result);
}

// A toggle from garbage gives 0 or 1; one more makes it 0.
void SetFlagOff(HWND w, int command, const TempDataFolder* folder, const char* section,
                const char* key) {
  Command(w, command);
  if (folder->IniValue(section, key) == "1") Command(w, command);
  EXPECT_EQ("0", folder->IniValue(section, key)) << key;
}

TEST(FaultSettings, GarbageInEveryKeyGivesASaneWorkingClock) {
  const std::string garbage[] = {
      "abc",
      "-2147483648",
      "99999999999999999999",
      "12abc",
      std::string(600, '7'),
      "\x81\x5c\\..\\" + std::string(300, '\x5c'),  // a CP932 character ending in a backslash
  };
  RECT screen;
  screen.left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  screen.top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
  for (const std::string& value : garbage) {
    SCOPED_TRACE(value.substr(0, 24));
    TempDataFolder folder;
    folder.InstallClock();
    folder.WriteIni(EveryKey(value));
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder.ExePath()));
    HWND w = clock.Window();
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(200, r.right - r.left);
    EXPECT_EQ(200, r.bottom - r.top);
    EXPECT_TRUE(r.left >= screen.left && r.top >= screen.top && r.right <= screen.right &&
                r.bottom <= screen.bottom)
        << r.left << "," << r.top;
    // Keep the pointer away in case the garbage asked the clock to avoid it.
    MouseTo(r.left > 400 ? 0 : screen.right - 1, r.top > 300 ? 0 : screen.bottom - 1);

    // The menu's writes put plain values back; the time line and second
    // hand then change the face every second.
    Command(w, IDM_DESIGN_SQUARE);
    Command(w, IDM_INFO_TIME);
    Command(w, IDM_COLOR_RESET);
    SetFlagOff(w, IDM_AVOID_CURSOR, &folder, "WINDOW", "WNDHIDE");
    SetFlagOff(w, IDM_NO_SECOND_HAND, &folder, "OBJECT", "NONSEC");
    SetFlagOff(w, IDM_AUTO_HIDE, &folder, "OBJECT", "NDHIDE");
    EXPECT_EQ("1", folder.IniValue("OBJECT", "DESIGN"));
    EXPECT_EQ("2", folder.IniValue("OBJECT", "DIGINFO"));
    ShowWindow(w, SW_SHOWNOACTIVATE);
    SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PumpFor(300);
    GetWindowRect(w, &r);
    Region shown = {r, ScreenPixels(r)};
    WaitUntil(RegionChanged, &shown, 1500);
    POINT centre = {r.left + 100, r.top + 100};
    EXPECT_EQ(w, WindowFromPoint(centre));
    EXPECT_NE(shown.before, ScreenPixels(r)) << "the face did not change in 1.5 s";
    EXPECT_TRUE(Responds(w));
    EXPECT_EQ(nullptr, WaitForProcessDialog(clock.Id(), 200));
    clock.Close();
  }
}

}  // namespace
