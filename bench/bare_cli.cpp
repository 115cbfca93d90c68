// The yardstick of cli_startup.sh: a bare QtCore program that prints one line, the least that a
// Qt command-line program pays to start, print and end.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::puts("q7Rk2ZpW4mTx9LbN");
    return 0;
}
