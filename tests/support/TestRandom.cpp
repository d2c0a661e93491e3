// The test support library needs one translation unit; the generator itself is inline.
#include "support/TestRandom.h"
