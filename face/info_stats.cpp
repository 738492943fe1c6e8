#include "face/info_stats.h"

#include "platform/newer_calls.h"

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

static int ReadProcessorTimes(CpuTimes* times) {
  FILETIME idle, kernel, user;
  if (!Newer()->getSystemTimes || !Newer()->getSystemTimes(&idle, &kernel, &user)) return 0;
  *times = CpuTimes{Ticks(idle), Ticks(kernel), Ticks(user)};
  return 1;
}

void StartCpuReading(CpuReading* reading) {
  DWORD usage;
  reading->percent = -1;
  reading->lastAt = GetTickCount();
  // Querying the start key is what starts the statistic. Systems without
  // it never gain it, so it is not asked again on every redraw.
  if (ReadDynamicStat("PerfStats\\StartStat", &usage))
    reading->source = CPU_FROM_DYNAMIC_STATS;
  else if (ReadProcessorTimes(&reading->last))
    reading->source = CPU_FROM_PROCESSOR_TIMES;
  else
    reading->source = CPU_FROM_NOTHING;
}

// A figure from the system's source; -1 when it gives none this time.
static int ReadFromSource(CpuReading* reading) {
  if (reading->source == CPU_FROM_DYNAMIC_STATS) {
    DWORD usage = 0;
    if (ReadDynamicStat("PerfStats\\StartStat", &usage) &&
        ReadDynamicStat("PerfStats\\StatData", &usage))
      return (int)usage;
    return -1;
  }
  CpuTimes now;
  if (reading->source != CPU_FROM_PROCESSOR_TIMES || !ReadProcessorTimes(&now)) return -1;
  int percent = CpuPercentBetween(&reading->last, &now);
  reading->last = now;
  return percent;
}

int ReadCpuPercent(CpuReading* reading) {
  DWORD now = GetTickCount();
  if (reading->percent >= 0 && now - reading->lastAt < CPU_READING_GAP_MS) return reading->percent;
  // The last figure again when no time has passed on the counters.
  int percent = ReadFromSource(reading);
  if (percent >= 0) {
    reading->percent = percent;
    reading->lastAt = now;
  }
  return reading->percent;
}

void ReadMemoryFigures(MemoryFigures* figures) {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  if (Newer()->globalMemoryStatusEx && Newer()->globalMemoryStatusEx(&status)) {
    *figures = MemoryFigures{status.ullTotalPhys, status.ullAvailPhys, status.dwMemoryLoad};
    return;
  }
  // The older call counts in 32 bits: beyond 4 GiB it reports what fits.
  MEMORYSTATUS old = {};
  old.dwLength = sizeof old;
  GlobalMemoryStatus(&old);
  *figures = MemoryFigures{old.dwTotalPhys, old.dwAvailPhys, old.dwMemoryLoad};
}

void ReadInfoValues(int mode, CpuReading* cpu, const SYSTEMTIME* time, InfoValues* values) {
  *values =
      InfoValues{time->wMonth, time->wDay, time->wHour, time->wMinute, time->wSecond, 0, 0, 0};
  if (mode == INFO_CPU) values->cpuPercent = ReadCpuPercent(cpu);
  if (mode == INFO_FREE_MEMORY || mode == INFO_MEMORY_LOAD) {
    MemoryFigures memory;
    ReadMemoryFigures(&memory);
    values->availableBytes = memory.availableBytes;
    values->memoryLoad = memory.load;
  }
}
