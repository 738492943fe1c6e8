// Choosing the chime's WAV file in the real clock's open-file dialog.
#include <gtest/gtest.h>

#include "win_support.h"
#include "res/resource.h"

namespace {

enum { FILE_NAME_COMBO = 0x47C, FILE_NAME_EDIT = 0x480 };

struct Closed {
  HWND dialog;
};
bool DialogClosed(void* p) { return !IsWindow(((Closed*)p)->dialog); }

// Opens the chooser through its command and returns the dialog.
HWND OpenChooser(const ClockProcess& clock) {
  PostMessageA(clock.Window(), WM_COMMAND, IDM_CHIME_SOUND, 0);
  return WaitForProcessDialog(clock.Id(), 10000);
}

// Closes the dialog, then waits for the clock to act on it: the clock's
// window takes a sent message only once the command that opened the
// dialog has returned, and so has stored what was chosen.
void Finish(const ClockProcess& clock, HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, button, 0);
  Closed c = {dialog};
  EXPECT_TRUE(WaitUntil(DialogClosed, &c, 10000));
  DWORD_PTR result;
  EXPECT_NE(0, SendMessageTimeoutA(clock.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
}

TEST(Chime, ChosenFileIsStoredWithItsFolderAndCancelKeepsIt) {
  TempDataFolder folder;
  folder.InstallClock();
  // 表 ends in a backslash byte: the folder name must survive whole.
  std::string soundDir = folder.Root() + "音\x95\x5C";
  ASSERT_TRUE(CreateDirectoryA(soundDir.c_str(), NULL));
  std::string wave = soundDir + "\\hour.wav";
  ASSERT_TRUE(WriteFileBytes(wave, "RIFF"));
  ClockProcess clock;
  ASSERT_TRUE(clock.Start(folder.ExePath()));

  HWND dialog = OpenChooser(clock);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ("WAVEファイルの選択…", WindowText(dialog));
  HWND name = GetDlgItem(dialog, FILE_NAME_COMBO);
  if (!name) name = GetDlgItem(dialog, FILE_NAME_EDIT);
  ASSERT_NE(nullptr, name);
  SetWindowTextA(name, wave.c_str());
  Finish(clock, dialog, IDOK);
  EXPECT_EQ(wave, folder.IniValue("EXT", "SOUNDFILE"));

  dialog = OpenChooser(clock);
  ASSERT_NE(nullptr, dialog);
  Finish(clock, dialog, IDCANCEL);
  EXPECT_EQ(wave, folder.IniValue("EXT", "SOUNDFILE"));
}

}  // namespace
