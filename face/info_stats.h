// Processor use and memory for the information line, from whichever calls
// this system has.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "face/info_line.h"

struct CpuReading {
  CpuTimes last;  // processor times at the last reading
  int percent;    // the last figure; -1 while there is none
};

// The first reading, taken when the processor line is chosen, so that the
// first figure covers the time since then rather than since boot.
void StartCpuReading(CpuReading* reading);
// Processor use since the last reading: the dynamic statistics where the
// system keeps them (95, 98, Me), else the busy share of processor times
// (XP SP1 and later), else no figure (-1).
int ReadCpuPercent(CpuReading* reading);

struct MemoryFigures {
  uint64_t totalBytes;
  uint64_t availableBytes;
  uint32_t load;  // percent in use
};
void ReadMemoryFigures(MemoryFigures* figures);
