// Processor use and memory for the information line, from whichever calls
// this system has.
#pragma once
#include <windows.h>
#include <stdint.h>

#include "face/info_line.h"

// Where this system keeps its processor figure.
enum CpuSource { CPU_FROM_NOTHING, CPU_FROM_DYNAMIC_STATS, CPU_FROM_PROCESSOR_TIMES };

// Processor counters move a system tick (10 to 16 ms) at a time: a reading
// sooner than this after the last would give the last figure again, or one
// over a tick or two. Every redraw of a new second comes later than this.
enum { CPU_READING_GAP_MS = 100 };

struct CpuReading {
  int source;     // a CpuSource, found when the line is chosen
  CpuTimes last;  // processor times at the last reading
  DWORD lastAt;   // tick count of the last reading
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

// What the information line of mode shows at time: the figures it needs
// read now, the others zero.
void ReadInfoValues(int mode, CpuReading* cpu, const SYSTEMTIME* time, InfoValues* values);
