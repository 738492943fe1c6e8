#include "face/info_line.h"

#include <limits.h>

#include "base/format_text.h"

int FormatInfoText(int mode, const InfoValues* v, char* text, size_t size, int* x) {
  int length = 0;
  *x = 72;
  if (size > 0) text[0] = 0;
  switch (mode) {
    case INFO_DATE:
      length = FormatText(text, size, "%2d月%2d日", v->month, v->day);
      break;
    case INFO_TIME:
      length = FormatText(text, size, "%02d:%02d:%02d", v->hour, v->minute, v->second);
      break;
    case INFO_CPU:
      // A system that keeps no processor figure shows none.
      if (v->cpuPercent < 0)
        length = FormatText(text, size, "CPU: --%%");
      else
        length = FormatText(text, size, "CPU:%3d%%", v->cpuPercent);
      break;
    case INFO_FREE_MEMORY: {
      // Counted in 64 bits so that more than 2 GiB shows as it is.
      uint64_t megabytes = v->availableBytes / 1048576;
      int shown = megabytes > INT_MAX ? INT_MAX : (int)megabytes;
      length = FormatText(text, size, "%7dMB", shown);
      *x = 68;
      break;
    }
    case INFO_MEMORY_LOAD:
      length = FormatText(text, size, "LOAD:%3d%%", (int)v->memoryLoad);
      *x = 68;
      break;
    default: break;
  }
  if (length < 0 || size == 0) return 0;
  return (size_t)length < size ? length : (int)size - 1;
}

int CpuPercentBetween(const CpuTimes* before, const CpuTimes* after) {
  if (after->kernel < before->kernel || after->user < before->user || after->idle < before->idle)
    return -1;
  uint64_t total = (after->kernel - before->kernel) + (after->user - before->user);
  uint64_t idle = after->idle - before->idle;
  if (total == 0) return -1;
  if (idle > total) return 0;
  return (int)((total - idle) * 100 / total);
}
