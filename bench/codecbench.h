#pragma once

// The Windows-1251 codec over 10 MB of Cyrillic text and of text the code page cannot hold,
// beside a plain copy of the same bytes.
void registercodecbenchmarks();
