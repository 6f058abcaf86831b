#include "fastpaths.h"

// Windows maps fresh pages as they are first written; there is no cheaper way to ask for them
// all at once that is worth a system call here.
void prefault(void* /*data*/, std::size_t /*size*/) {}
