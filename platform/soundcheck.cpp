// pocketrix-soundcheck FILE: whether the alarm sound can be played here. Exits 0 when the
// wave file loads and an output opens for it; else prints the platform's text for the
// failure and exits 1. Pocketrix runs it at start-up instead of loading the sound
// libraries itself.

#include <cstdio>

#include "platform/sdlaudio.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: pocketrix-soundcheck FILE\n", stderr);
        return 2;
    }
    const std::string failure = pocketrix::checkSound(argv[1]);
    if (failure.empty())
        return 0;
    std::fputs(failure.c_str(), stdout);
    return 1;
}
