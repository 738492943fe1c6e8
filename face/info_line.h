// The information line under the pivot: its box, its texts and the
// processor-usage figure worked out from two samples of processor time.
#pragma once
#include <stddef.h>
#include <stdint.h>

enum InfoMode {
  INFO_NONE = 0,
  INFO_DATE = 1,
  INFO_TIME = 2,
  INFO_CPU = 3,
  INFO_FREE_MEMORY = 4,
  INFO_MEMORY_LOAD = 5
};

enum {
  INFO_BOX_LEFT = 65, INFO_BOX_TOP = 145, INFO_BOX_RIGHT = 135, INFO_BOX_BOTTOM = 163,
  INFO_BOX_CORNER = 10, INFO_TEXT_Y = 147, INFO_TEXT_SIZE = 32
};

struct InfoValues {
  int month, day, hour, minute, second;
  int cpuPercent;
  uint64_t availableBytes;
  uint32_t memoryLoad;
};

// Writes the mode's text (at most INFO_TEXT_SIZE - 1 bytes) and its x;
// returns the text length, 0 for a mode without text.
int FormatInfoText(int mode, const InfoValues* values, char* text, size_t size, int* x);

// Processor times as the system counts them; kernel time includes idle.
struct CpuTimes {
  uint64_t idle, kernel, user;
};

// Whole percent of busy time between two samples, or -1 when no time has
// passed between them (or the counters went backwards).
int CpuPercentBetween(const CpuTimes* before, const CpuTimes* after);
