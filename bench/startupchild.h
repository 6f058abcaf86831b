#pragma once

class QWidget;

// For the two programs whose start-up is compared: both end the same way, once their window
// has been painted for the first time, and report their peak memory the same way.

// Quits the application at the first paint of `window`, after that paint is done.
void quitonfirstpaint(QWidget& window);

// Prints the process's peak resident memory in kB and a line end: VmHWM of /proc/self/status,
// or the peak working set on Windows. Returns false when it cannot be read.
bool printpeakmemory();
