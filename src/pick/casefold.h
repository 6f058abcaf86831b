#pragma once

#include <array>

// Each Windows-1251 byte with its letter in lower case, "ё" as "е", for comparing texts
// without regard to case; bytes that are no letter stay as they are. Built once from the
// codec and Unicode's case rules.
const std::array<unsigned char, 256>& cp1251fold();
