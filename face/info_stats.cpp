// The information line and the system figures it shows.
#include "face/hands.h"

static int ReadDynamicStat(const char* keyName, DWORD* value) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_DYN_DATA, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  DWORD type = 0, size = sizeof *value;
  LONG status = RegQueryValueExA(key, "KERNEL\\CPUUsage", NULL, &type, (BYTE*)value, &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && size == sizeof *value;
}

static uint64_t Ticks(const FILETIME& t) {
  return (uint64_t)t.dwHighDateTime << 32 | t.dwLowDateTime;
}

int ClockHands::GetCpuUsage() {
  // Querying the start key is what starts the statistic.
  DWORD usage = 0;
  if (ReadDynamicStat("PerfStats\\StartStat", &usage) &&
      ReadDynamicStat("PerfStats\\StatData", &usage))
    return (int)usage;
  // Without it: the busy share of processor time since the last reading,
  // the last figure again when no time has passed.
  FILETIME idle, kernel, user;
  if (!GetSystemTimes(&idle, &kernel, &user)) return cpuPercent;
  CpuTimes now = {Ticks(idle), Ticks(kernel), Ticks(user)};
  int percent = CpuPercentBetween(&lastCpuTimes, &now);
  lastCpuTimes = now;
  if (percent >= 0) cpuPercent = percent;
  return cpuPercent;
}

long long ClockHands::GetMemoryValue(int kind) {
  GlobalMemoryStatusEx(&memoryStatus);
  switch (kind) {
    case 1: return (long long)memoryStatus.ullTotalPhys;
    case 2: return (long long)memoryStatus.ullAvailPhys;
    case 3: return memoryStatus.dwMemoryLoad;
    default: return -1;
  }
}

void ClockHands::DrawInfoLine(const SYSTEMTIME* time) {
  // Drawn with the context's own pen and brush: a black outline round white.
  RoundRect(memoryDC, INFO_BOX_LEFT, INFO_BOX_TOP, INFO_BOX_RIGHT, INFO_BOX_BOTTOM,
            INFO_BOX_CORNER, INFO_BOX_CORNER);
  InfoValues values = {time->wMonth, time->wDay, time->wHour, time->wMinute, time->wSecond, 0,
                       0, 0};
  if (infoMode == INFO_CPU) values.cpuPercent = GetCpuUsage();
  if (infoMode == INFO_FREE_MEMORY) values.availableBytes = (uint64_t)GetMemoryValue(2);
  if (infoMode == INFO_MEMORY_LOAD) values.memoryLoad = (uint32_t)GetMemoryValue(3);
  char text[INFO_TEXT_SIZE];
  int x;
  int length = FormatInfoText(infoMode, &values, text, sizeof text, &x);
  if (length > 0) TextOutA(memoryDC, x, INFO_TEXT_Y, text, length);
}
