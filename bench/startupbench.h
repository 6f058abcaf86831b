#pragma once

// The program's start-up with the bundled catalogues, to the first paint of the main
// window, against a minimal Qt Widgets program: both as fresh processes, offscreen,
// alternating; wall time and peak memory.
void registerstartupbenchmarks();
