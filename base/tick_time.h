// A local time to the second, as the clock's tick reads it and hands it to
// the jobs of a boundary.
#pragma once

struct TickTime {
  int year, month, day, hour, minute, second;
};
