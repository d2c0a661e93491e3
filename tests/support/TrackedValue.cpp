// TrackedValue.cpp: the counters of TrackedValue.
#include "support/TrackedValue.h"

int TrackedValue::s_nLive = 0;
int TrackedValue::s_nCopiesLeft = -1;
