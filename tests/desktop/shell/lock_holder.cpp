// Holds the program's lock at the given path, as a running copy would, until its
// input ends or it is killed.

#include <cstdio>

#include <QCoreApplication>

#include "desktop/shell/single_instance.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2) return 2;
    grahavani::SingleInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.Acquire()) return 1;
    std::puts("locked");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
