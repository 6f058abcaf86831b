#pragma once

#include <span>

// Writes `text` to standard error at once, with no allocation or buffer: safe in a signal
// handler.
void writestderr(const char* text);

// The signals by which this system ends a program that has crashed.
std::span<const int> crashsignals();
