#pragma once

// The first words of every test program that runs under Wine: the runner (wine-run.sh --test-program) tells a
// run that reached the program from one that Wine never started by this line on the error stream, written
// and flushed before anything else can fail.
#include <cstdio>

namespace zep::test {

inline void AnnounceTestProgramStart()
{
    std::fputs("test program started\n", stderr);
    std::fflush(stderr);
}

}  // namespace zep::test
