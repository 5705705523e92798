// Milestones of a run on standard error, for the benchmarks: "norvik-timing: <what> <ms>" with the
// milliseconds since the process started, each milestone once, only when NORVIK_TIMING is set.
#pragma once

void TimingMark(const char* what);
