#include "base/dpi_scale.h"

#include <stdint.h>

int ScaleToDpi(int value, int dpi) {
  long long product = (long long)value * dpi;
  long long half = BASE_DPI / 2;
  long long scaled = product >= 0 ? (product + half) / BASE_DPI : -((-product + half) / BASE_DPI);
  if (scaled > INT32_MAX) return INT32_MAX;
  if (scaled < INT32_MIN) return INT32_MIN;
  return (int)scaled;
}

int ClockSizeInEffect(int sizePercent) {
  if (sizePercent < CLOCK_SIZE_SMALLEST || sizePercent > CLOCK_SIZE_LARGEST)
    return CLOCK_SIZE_NORMAL;
  return sizePercent;
}

int ClockDpi(int screenDpi, int sizePercent) {
  long long scaled = (long long)screenDpi * ClockSizeInEffect(sizePercent);
  return (int)((scaled + CLOCK_SIZE_NORMAL / 2) / CLOCK_SIZE_NORMAL);
}
