// The chime and an event from a folder named in every script, under any
// system code page: the paths reach the system whole.
#include <gtest/gtest.h>

#include <string>

#include "app_harness.h"
#include "settings/sound.h"

namespace {

std::string playedPath;
int RecordSound(const char* path, DWORD) {
  playedPath = path;
  return 1;
}

bool FileThere(void* path) {
  return GetFileAttributesW(((std::wstring*)path)->c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(CodePages, ChimeAndEventFilesOfAFolderNamedInEveryScript) {
  TempDataFolder temp;
  // UTF-8: é and è (1252, not 932), 時計 (932, not 1252), Korean and an emoji (neither).
  const std::string helene = temp.Root() + "H\xC3\xA9l\xC3\xA8ne\\";
  const std::string folder = helene + u8"時計 " + "\xEC\x8B\x9C\xEA\xB3\x84\xF0\x9F\x98\x80\\";
  const std::string wave = folder + u8"鐘" + "\xC3\xA9.wav", batch = folder + u8"開く.bat";
  // As the event file keeps it: what 932 lacks is escaped.
  const std::string stored =
      temp.Root() + "H<U+00E9>l<U+00E8>ne\\時計 <U+C2DC><U+ACC4><U+1F600>\\開く.bat";
  for (const std::string& dir : {helene, folder, folder + "data\\"})
    ASSERT_TRUE(CreateDirectoryW(WideOfUtf8(dir).c_str(), NULL));
  ASSERT_TRUE(CopyFileW(Wide(BuildPath("data") + "\\ZENTICK.rgn").c_str(),
                        WideOfUtf8(folder + "data\\ZENTICK.rgn").c_str(), FALSE));
  ASSERT_TRUE(WriteFileBytes(WideOfUtf8(wave), "RIFF"));
  std::string marker = temp.Root() + "opened.txt";
  ASSERT_TRUE(WriteFileBytes(WideOfUtf8(batch), "@echo opened> \"" + marker + "\"\r\n"));
  // The settings in UTF-16, as the program keeps them.
  std::wstring ini = L"\xFEFF[EXT]\r\nSOUND=1\r\nSOUNDFILE=" + WideOfUtf8(wave) + L"\r\n";
  ASSERT_TRUE(WriteFileBytes(WideOfUtf8(folder + "data\\Zentick.ini"),
                             std::string((const char*)ini.data(), ini.size() * sizeof(wchar_t))));
  ASSERT_TRUE(WriteFileBytes(WideOfUtf8(folder + "data\\ZENTICK.evt"),
                             "0,0,13,0,0," + stored + ",\n"));

  InProcessClock clock(folder + "Zentick.exe");
  ASSERT_TRUE(clock.Started());
  PlayWaveFile = RecordSound;
  clock.TickAt(13, 0, 0);
  EXPECT_EQ(wave, playedPath);
  std::wstring opened = Wide(marker);
  EXPECT_TRUE(WaitUntil(FileThere, &opened, 30000)) << "the shell did not run the batch file";
}

}  // namespace
