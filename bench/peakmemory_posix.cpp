#include <cstdio>
#include <fstream>
#include <string>

#include "startupchild.h"

bool printpeakmemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (!line.starts_with("VmHWM:")) continue;
        std::printf("%lu\n", std::stoul(line.substr(6)));
        return true;
    }
    return false;
}
