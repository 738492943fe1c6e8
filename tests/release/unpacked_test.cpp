// The clock as a user gets it: unpacked from a release zip into a folder
// whose name has double-byte characters ending in 0x5C, and started from
// there. start_unpacked.sh names the program in ZT_UNPACKED_EXE.
#include <windows.h>

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "base/product.h"
#include "win_support.h"

namespace {

std::string VersionText(const std::string& exe, const char* name) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
  std::vector<char> block(size + 1);
  char* value = nullptr;
  UINT length = 0;
  std::string key = std::string("\\StringFileInfo\\041103a4\\") + name;
  if (!size || !GetFileVersionInfoA(exe.c_str(), 0, size, block.data()) ||
      !VerQueryValueA(block.data(), key.c_str(), (void**)&value, &length))
    return "<none>";
  return value;
}

TEST(Unpacked, StartsShapedWithASampleSkinAndTellsItsVersion) {
  const char* unpacked = getenv("ZT_UNPACKED_EXE");
  ASSERT_NE(nullptr, unpacked);
  std::string exe = unpacked;
  ASSERT_NE(std::string::npos, exe.find("\x83\x5C")) << exe;  // ソ
  std::string data = exe.substr(0, exe.size() - strlen("Zentick.exe")) + "data\\";

  // No window comes up without the region file of its data folder.
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(exe));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(COMPLEXREGION, GetWindowRgn(clock.Window(), region));
  DeleteObject(region);
  char skin[MAX_PATH] = "";
  GetPrivateProfileStringA("IMAGE", "FILE", "", skin, sizeof skin, (data + "Zentick.ini").c_str());
  ASSERT_NE('\0', skin[0]);
  EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((data + skin).c_str())) << skin;

  EXPECT_EQ(ZT_VERSION, VersionText(exe, "FileVersion"));
  EXPECT_EQ(ZT_VERSION, VersionText(exe, "ProductVersion"));
  PostMessageA(clock.Window(), WM_KEYDOWN, VK_F1, 0);
  PostMessageA(clock.Window(), WM_KEYUP, VK_F1, 0);
  HWND about = WaitForProcessDialog(clock.Id());
  ASSERT_NE(nullptr, about);
  EXPECT_EQ("Zentick " ZT_VERSION "\n" + VersionText(exe, "LegalCopyright"), MessageBoxText(about));
  PostMessageA(about, WM_COMMAND, IDOK, 0);
}

}  // namespace
