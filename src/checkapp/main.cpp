#include <cstdio>
#include <string_view>
#include <vector>

#include "args.h"
#include "check/run.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> given = utf8args(argc, argv);
    const std::vector<std::string_view> args(given.begin(), given.end());
    return runcheck(args, userlanguage(), stdout, stderr);
}
