#include "mail/wake_rule.h"

uint32_t WakingRetryWait(int resumed, uint32_t sinceResume) {
  if (!resumed || sinceResume >= WAKING_SPAN_MS) return 0;
  uint32_t left = WAKING_SPAN_MS - sinceResume;
  return left < (uint32_t)WAKING_RETRY_MS ? left : (uint32_t)WAKING_RETRY_MS;
}
