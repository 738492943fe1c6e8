// A network still waking after the machine resumed: a server name that
// does not resolve then is tried again for a while before the check gives
// it up as not found.
#pragma once
#include <stdint.h>

enum { WAKING_SPAN_MS = 60000, WAKING_RETRY_MS = 2000 };

// Milliseconds to wait before the name is tried again, or 0 to give it up:
// resumed says whether the machine ever resumed, sinceResume how long ago.
uint32_t WakingRetryWait(int resumed, uint32_t sinceResume);
