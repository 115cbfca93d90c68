// The strength oracle's long run: 1,000,000 seeded cases of up to 10^6 bodies each (most of them
// small, one in 64 up to the limit), every body listed, formatted and counted against the
// strength calls. Prints the cases per second and every class of broken rule; the options of
// the ctest row (fuzz/strength_oracle_run.cpp) apply, --help lists them.
// Usage: bench_strength_oracle [--seed N] [--cases N] [--seconds S] ...

#include "fuzz/StrengthOracle.h"

int main(int argc, char* argv[]) {
    oracle::RunDefaults defaults;
    defaults.seconds = 0;
    defaults.cases = 1000000;
    defaults.limits.mostBodies = 1e6;
    defaults.limits.smallBodies = 300;
    defaults.limits.largeShare = 4;
    return oracle::runFromCommandLine(argc, argv, defaults);
}
