// BenchPump.h: what the application's message loop would do between two steps of a benchmark.
#pragma once

// Translates and dispatches every message waiting in this thread's queue, so that what the
// windows posted to themselves (layouts, deferred deletions) is counted with the step.
void BenchPump();
