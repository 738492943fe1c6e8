// Every key of the settings file, one row each: the only place a section or
// a key is spelled. The program reads and writes a setting by its name here
// (AppState's accessors), never by its key.
#pragma once

// What a value is. Every value is stored as decimal text except TEXT.
enum SettingType {
  SETTING_FLAG,    // 0 or 1; any other number counts as set
  SETTING_NUMBER,  // a whole number
  SETTING_COLOR,   // 0x00BBGGRR, red in the low byte
  SETTING_TEXT,    // up to 259 characters; absent reads as empty
  SETTING_PLACE    // a screen coordinate; absent, the placement works it out
};

// Held rows are read once, at start-up, and kept: what the clock consults on
// every tick, drag or menu. The others are read from the file each time
// they are needed, so a change made by hand takes effect then.
enum { READ_WHEN_NEEDED = 0, HELD = 1 };

// name, section, key, type, default, held, the design's name, range, meaning
#define ZT_SETTINGS(X)                                                                          \
  X(windowLeft, "WINDOW", "POSX", SETTING_PLACE, 0, READ_WHEN_NEEDED, "", "",                   \
    "left edge of the clock; stored when a drag ends")                                         \
  X(windowTop, "WINDOW", "POSY", SETTING_PLACE, 0, READ_WHEN_NEEDED, "", "",                    \
    "top edge of the clock; stored with the left edge")                                        \
  X(lockPosition, "WINDOW", "POSLOCK", SETTING_FLAG, 0, HELD, "posLock", "",                    \
    "the clock cannot be dragged")                                                              \
  X(moveWhileShown, "WINDOW", "FVMOVE", SETTING_FLAG, 0, HELD, "fvMove", "",                    \
    "the clock follows the mouse while dragged, instead of the system's outline")             \
  X(alwaysOnTop, "WINDOW", "TOP", SETTING_FLAG, 0, HELD, "top", "", "always in front")          \
  X(alwaysAtBottom, "WINDOW", "BOTTOM", SETTING_FLAG, 0, HELD, "bottom", "", "always behind")   \
  X(avoidCursor, "WINDOW", "WNDHIDE", SETTING_FLAG, 0, HELD, "wndHide", "",                     \
    "the clock hides from the approaching cursor")                                             \
  X(sizePercent, "WINDOW", "SIZE", SETTING_NUMBER, 100, HELD, "", "50, 75, 100, 125, 150, 200", \
    "the clock's size, on top of the screen's DPI")                                            \
  X(opacityPercent, "WINDOW", "OPACITY", SETTING_NUMBER, 100, HELD, "",                         \
    "100, 90, 80, 70, 60, 50", "how opaque the clock is drawn")                                 \
  X(hourlyChime, "EXT", "SOUND", SETTING_FLAG, 0, HELD, "sound", "",                            \
    "the chime sounds on the hour")                                                             \
  X(chimeSoundFile, "EXT", "SOUNDFILE", SETTING_TEXT, 0, READ_WHEN_NEEDED, "", "full path",     \
    "WAV file of the chime")                                                                    \
  X(resident, "EXT", "TRAY", SETTING_FLAG, 0, HELD, "tray", "",                                 \
    "resident in the notification area")                                                        \
  X(hideSecondHand, "OBJECT", "NONSEC", SETTING_FLAG, 0, HELD, "nonSec", "",                    \
    "the second hand is not drawn")                                                             \
  X(autoHideHands, "OBJECT", "NDHIDE", SETTING_FLAG, 0, READ_WHEN_NEEDED, "autoHide", "",       \
    "the hands show only for a while after the cursor comes over the clock")                   \
  X(infoMode, "OBJECT", "DIGINFO", SETTING_NUMBER, 0, READ_WHEN_NEEDED, "infoMode", "0-5",      \
    "information line: none, date, time, CPU usage, free memory, memory load")                 \
  X(handDesign, "OBJECT", "DESIGN", SETTING_NUMBER, 1, READ_WHEN_NEEDED, "design", "1-5, 7",    \
    "hand design; 7 draws no hands")                                                            \
  X(boldLines, "OBJECT", "BOOLD", SETTING_FLAG, 0, READ_WHEN_NEEDED, "boldLines", "",           \
    "the hands' lines are twice as thick")                                                      \
  X(hollowHands, "OBJECT", "NULLBRS", SETTING_FLAG, 0, READ_WHEN_NEEDED, "hollowHands", "",     \
    "the hands are outlines without their inside colour")                                       \
  X(hourOutline, "OBJECT", "HCOL", SETTING_COLOR, 0, READ_WHEN_NEEDED, "hourColor", "",         \
    "outline of the hour hand")                                                                 \
  X(minuteOutline, "OBJECT", "MCOL", SETTING_COLOR, 0, READ_WHEN_NEEDED, "minuteColor", "",     \
    "outline of the minute hand")                                                               \
  X(secondOutline, "OBJECT", "SCOL", SETTING_COLOR, 0, READ_WHEN_NEEDED, "secondColor", "",     \
    "outline of the second hand")                                                               \
  X(hourFill, "OBJECT", "HCOLB", SETTING_COLOR, 0xFFFFFF, READ_WHEN_NEEDED, "hourFill", "",     \
    "inside of the hour hand")                                                                  \
  X(minuteFill, "OBJECT", "MCOLB", SETTING_COLOR, 0xFFFFFF, READ_WHEN_NEEDED, "minuteFill", "", \
    "inside of the minute hand")                                                                \
  X(secondFill, "OBJECT", "SCOLB", SETTING_COLOR, 0xFFFFFF, READ_WHEN_NEEDED, "secondFill", "", \
    "inside of the second hand")                                                                \
  X(smoothHands, "OBJECT", "SMOOTH", SETTING_FLAG, 1, READ_WHEN_NEEDED, "", "",                 \
    "the hands are drawn anti-aliased")                                                         \
  X(faceFile, "IMAGE", "FILE", SETTING_TEXT, 0, READ_WHEN_NEEDED, "", "name in the data folder", \
    "skin shown; empty for the built-in face")                                                  \
  X(skinChangeAtStart, "IMAGE", "BOOT_CHANGE", SETTING_FLAG, 0, HELD, "bootChange", "",         \
    "another skin at every start")                                                              \
  X(skinChangeTimed, "IMAGE", "TIME_CHANGE", SETTING_FLAG, 0, HELD, "timeChange", "",           \
    "another skin every skinIntervalMinutes")                                                   \
  X(skinIntervalMinutes, "IMAGE", "CHANGE_MIN", SETTING_NUMBER, 60, HELD, "changeMin",          \
    "1 or more; below 1 never", "minutes between timed skin changes")                           \
  X(skinIndex, "IMAGE", "LAST_NUM", SETTING_NUMBER, -1, HELD, "imageLastNum", "-1 or more",     \
    "the current skin in the folder's order; -1 before the first")                              \
  X(skinRandom, "IMAGE", "CHANGE_RND", SETTING_FLAG, 0, HELD, "changeRnd", "",                  \
    "timed and start-up changes pick a skin at random")                                         \
  X(mailAutoCheck, "MAIL", "ALLOW_CHECK", SETTING_FLAG, 0, HELD, "allowCheck", "",              \
    "mail is checked every mailIntervalMinutes")                                                \
  X(mailIntervalMinutes, "MAIL", "CHECK_TIME", SETTING_NUMBER, 30, HELD, "checkTime",           \
    "1 or more; below 1 every minute", "a check follows once the count passes this")           \
  X(mailSound, "MAIL", "USE_SOUND", SETTING_FLAG, 0, HELD, "useSound", "",                      \
    "a sound when mail has arrived")                                                            \
  X(mailOverLan, "MAIL", "CHECK_LAN", SETTING_FLAG, 0, READ_WHEN_NEEDED, "", "",                \
    "a LAN is always there: check without a dial-up connection")                                \
  X(mailSoundFile, "MAIL", "SOUNDFILE", SETTING_TEXT, 0, READ_WHEN_NEEDED, "", "full path",     \
    "WAV file played when mail has arrived")                                                    \
  X(mailTlsRequired, "MAIL", "TLS_REQUIRED", SETTING_FLAG, 0, READ_WHEN_NEEDED, "", "",         \
    "no password without TLS; a data folder without a settings file starts with it on")       \
  X(wallpaperChangeTimed, "WALLPAPER", "AUTO_CHANGE", SETTING_FLAG, 0, HELD,                    \
    "wallpaperAutoChange", "", "another wallpaper every wallpaperIntervalMinutes")             \
  X(wallpaperIntervalMinutes, "WALLPAPER", "CHANGE_TIME", SETTING_NUMBER, 60, HELD,             \
    "wallpaperChangeTime", "1 or more; below 1 never", "minutes between timed wallpapers")     \
  X(wallpaperIndex, "WALLPAPER", "LAST_NUM", SETTING_NUMBER, -1, HELD, "wallpaperLastNum",      \
    "-1 or more", "the current wallpaper in the folder's order; -1 before the first")          \
  X(wallpaperFolder, "WALLPAPER", "FOLDER_PATH", SETTING_TEXT, 0, READ_WHEN_NEEDED, "",         \
    "full path, no backslash at the end", "folder of the wallpaper bitmaps")                    \
  X(wallpaperLastFile, "WALLPAPER", "LAST_FILE", SETTING_TEXT, 0, READ_WHEN_NEEDED, "",         \
    "full path", "the wallpaper last set")                                                      \
  X(wallpaperAutoClose, "WALLPAPER", "AUTO_CLOSE", SETTING_FLAG, 0, READ_WHEN_NEEDED, "", "",   \
    "the wallpaper dialog closes once a wallpaper is set")                                      \
  X(iconTextTransparent, "WALLPAPER", "TRANSLATE", SETTING_FLAG, 0, READ_WHEN_NEEDED, "", "",   \
    "desktop icon texts without a box, also applied at start-up")

// A setting by its name: Setting::lockPosition.
enum class Setting : int {
#define ZT_SETTING_NAME(name, ...) name,
  ZT_SETTINGS(ZT_SETTING_NAME)
#undef ZT_SETTING_NAME
};

#define ZT_SETTING_ONE(...) +1
enum { SETTING_COUNT = 0 ZT_SETTINGS(ZT_SETTING_ONE) };
#undef ZT_SETTING_ONE

struct SettingRow {
  const char* name;
  const char* section;
  const char* key;
  SettingType type;
  int initial;  // the value when the key is absent (not for TEXT and PLACE)
  int held;
  const char* designName;  // the design's name for it, where it has one
  const char* range;
  const char* meaning;
};

const SettingRow* SettingRowOf(Setting setting);
