// The real Zentick.exe on a temporary data folder.
#include <gtest/gtest.h>
#include <string.h>

#include "win_support.h"
#include "res/resource.h"

namespace {

RECT WorkArea() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

TEST(Startup, ShapedToolWindowAtTheDefaultPosition) {
  TempDataFolder folder;
  folder.InstallClock();
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  HWND w = clock.Window();
  RECT r;
  GetWindowRect(w, &r);
  RECT work = WorkArea();
  EXPECT_EQ(work.right / 2 - 100, r.left);
  EXPECT_EQ(work.bottom / 2 - 100, r.top);
  EXPECT_EQ(200, r.right - r.left);
  EXPECT_EQ(200, r.bottom - r.top);
  LONG style = GetWindowLongA(w, GWL_STYLE), exStyle = GetWindowLongA(w, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);

  // Inside the disc is the clock; the corners belong to what lies below.
  EXPECT_EQ(w, WindowFromPoint(POINT{r.left + 100, r.top + 100}));
  EXPECT_EQ(w, WindowFromPoint(POINT{r.left + 3, r.top + 100}));
  EXPECT_NE(w, WindowFromPoint(POINT{r.left + 3, r.top + 3}));
  EXPECT_NE(w, WindowFromPoint(POINT{r.right - 4, r.bottom - 4}));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(COMPLEXREGION, GetWindowRgn(w, region));
  EXPECT_TRUE(PtInRegion(region, 100, 1));
  EXPECT_FALSE(PtInRegion(region, 10, 10));
  DeleteObject(region);
}

TEST(Startup, SecondStartLeavesOneClockAndShowsIt) {
  TempDataFolder folder;
  folder.InstallClock();
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  ShowWindow(clock.Window(), SW_HIDE);
  DWORD secondId = 0;
  HANDLE second = StartProcess(folder.ExePath(), &secondId);
  ASSERT_NE(nullptr, second);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second, 10000));
  DWORD code = 99;
  GetExitCodeProcess(second, &code);
  CloseHandle(second);
  EXPECT_EQ(0u, code);
  EXPECT_EQ(clock.Window(), FindClockWindow());
  EXPECT_TRUE(IsWindowVisible(clock.Window()));
}

struct RegionCase {
  const char* name;
  std::string bytes;  // empty: no file at all
  const char* message;
};

std::string ValidRegion() { return ReadFileBytes(BuildPath("data/ZENTICK.rgn")); }

std::string Patched(std::string bytes, size_t offset, std::initializer_list<unsigned char> v) {
  for (unsigned char b : v) bytes[offset++] = (char)b;
  return bytes;
}

TEST(Startup, BadRegionFileGivesItsMessageAndNoWindow) {
  std::string valid = ValidRegion();
  ASSERT_GT(valid.size(), 48u);
  RegionCase cases[] = {
      {"missing", "", "Not found rgn file\n"},
      {"fourth byte", Patched(valid, 3, {1}), "File format wrong"},
      {"zero width", Patched(valid, 8, {0, 0}), "File Format wrong"},
      {"negative height", Patched(valid, 10, {0x38, 0xFF}), "File Format wrong"},
      {"no whole rectangle", valid.substr(0, 16 + 32 + 15), "File Format wrong"},
      {"not a rectangle list", Patched(valid, 20, {2}), "File Format wrong"},
      {"negative size", Patched(valid, 6, {0xF0, 0xFF}), "malloc was failed"},
  };
  for (const RegionCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDataFolder folder;
    folder.InstallClock();
    std::string rgn = folder.DataDir() + "ZENTICK.rgn";
    DeleteFileA(rgn.c_str());
    if (!c.bytes.empty()) WriteFileBytes(rgn, c.bytes);
    DWORD id = 0;
    HANDLE process = StartProcess(folder.ExePath(), &id);
    ASSERT_NE(nullptr, process);
    HWND box = WaitForProcessDialog(id);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("ERROR", WindowText(box));
    std::string text = MessageBoxText(box);
    EXPECT_EQ(0u, text.find(c.message)) << text;
    if (c.bytes.empty()) {
      EXPECT_EQ(std::string("Not found rgn file\n") + rgn, text);
    }
    HWND clock = FindClockWindow();
    EXPECT_TRUE(clock == NULL || !IsWindowVisible(clock));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 10000));
    DWORD code = 99;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    EXPECT_EQ(0u, code);
  }
}

// Region data as the platform itself gives it, behind the file's header;
// the size fields as other tools leave them when loose is set: the block
// size rounded up past the bytes present, the list size zero.
std::string PlatformRegionFile(HRGN region, bool loose) {
  DWORD size = GetRegionData(region, 0, NULL);
  std::string block(size, '\0');
  GetRegionData(region, size, (RGNDATA*)&block[0]);
  std::string header(16, '\0');
  memcpy(&header[0], "RGN", 4);
  int sizeField = loose ? (int)(size + 255) / 256 * 256 : (int)size;
  header[6] = (char)sizeField, header[7] = (char)(sizeField >> 8);
  header[8] = (char)200, header[10] = (char)200;
  if (loose) memset(&block[12], 0, 4);
  return header + block;
}

TEST(Startup, RegionFilesThePlatformMadeShapeTheClock) {
  const POINT diamond[] = {{100, 0}, {200, 100}, {100, 200}, {0, 100}};
  struct {
    const char* name;
    HRGN region;
    bool loose;
  } shapes[] = {{"ellipse", CreateEllipticRgn(0, 0, 200, 200), false},
                {"polygon", CreatePolygonRgn(diamond, 4, WINDING), true}};
  for (auto& shape : shapes) {
    SCOPED_TRACE(shape.name);
    TempDataFolder folder;
    folder.InstallClock();
    WriteFileBytes(folder.DataDir() + "ZENTICK.rgn", PlatformRegionFile(shape.region, shape.loose));
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(folder.ExePath()));
    HRGN window = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(COMPLEXREGION, GetWindowRgn(clock.Window(), window));
    // The same pixels, whichever way the rectangles were cut.
    EXPECT_EQ(NULLREGION, CombineRgn(window, window, shape.region, RGN_XOR));
    DeleteObject(window);
    DeleteObject(shape.region);
  }
}

TEST(Startup, ToggleWritesThroughAndCloseEndsTheProgram) {
  TempDataFolder folder;
  folder.InstallClock();
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));
  EXPECT_EQ("<absent>", folder.IniValue("EXT", "SOUND"));
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHIME, 0);
  EXPECT_EQ("1", folder.IniValue("EXT", "SOUND"));
  SendMessageA(clock.Window(), WM_COMMAND, IDM_CHIME, 0);
  EXPECT_EQ("0", folder.IniValue("EXT", "SOUND"));
  // A command with a notification code is not a menu command.
  SendMessageA(clock.Window(), WM_COMMAND, MAKEWPARAM(IDM_CHIME, 1), 0);
  EXPECT_EQ("0", folder.IniValue("EXT", "SOUND"));
  PostMessageA(clock.Window(), WM_COMMAND, IDM_CLOSE, 0);
  EXPECT_EQ(0, clock.WaitExit());
}

TEST(Startup, RunsFromFolderAndFileNamesWithBackslashBytes) {
  // ソ and 表 both end in 0x5C; the data folder must still be found, also
  // when the program itself is renamed to such a name.
  TempDataFolder folder("ソフト表");
  folder.InstallClock();
  std::string renamed = folder.Root() + "時計ソ表.exe";
  for (const std::string& exe : {folder.ExePath(), renamed}) {
    SCOPED_TRACE(exe);
    CopyFileA(folder.ExePath().c_str(), renamed.c_str(), FALSE);
    WriteFileBytes(folder.IniPath(), "");
    ClockProcess clock;
    ASSERT_TRUE(clock.Start(exe));
    SendMessageA(clock.Window(), WM_COMMAND, IDM_LOCK_POSITION, 0);
    EXPECT_EQ("1", folder.IniValue("WINDOW", "POSLOCK"));
  }
}

}  // namespace

namespace {

TEST(Startup, OverLongProgramPathSaysSoAndEnds) {
  TempDataFolder folder("long");
  // Nest folders until the program's full path is just over 250 characters.
  std::string dir = folder.Root();
  while (dir.size() + 40 < 245) {
    dir += std::string(30, 'd') + "\\";
    CreateDirectoryA(dir.c_str(), NULL);
  }
  std::string exe = dir + std::string(251 - dir.size() - 4, 'z') + ".exe";
  ASSERT_EQ(251u, exe.size());
  ASSERT_TRUE(CopyFileA(BuildPath("Zentick.exe").c_str(), exe.c_str(), FALSE));
  DWORD id = 0;
  HANDLE process = StartProcess(exe, &id);
  ASSERT_NE(nullptr, process);
  HWND box = WaitForProcessDialog(id);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("error", WindowText(box));
  EXPECT_EQ("long path", MessageBoxText(box));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  // Nothing follows: no region message, no window, exit code 0.
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 10000));
  EXPECT_EQ(nullptr, WaitForProcessDialog(id, 300));
  DWORD code = 99;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  EXPECT_EQ(0u, code);
}

}  // namespace
