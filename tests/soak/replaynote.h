#pragma once

#include <cstdint>

// What a crashed or aborted soak prints on its way out, so the run can be repeated: the
// random start value and the event it was at. The note is kept up to date by note().
void installreplaynote();
void note(std::uint64_t start, int event);
