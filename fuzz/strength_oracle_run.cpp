// The strength oracle over seeded cases for a number of seconds: the ctest row. Prints the cases
// that break a rule as keywright-cli command lines, how many cases ran, and fails when any did.

#include "fuzz/StrengthOracle.h"

int main(int argc, char* argv[]) {
    return oracle::runFromCommandLine(argc, argv, oracle::RunDefaults{});
}
