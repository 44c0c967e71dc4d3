// tarnik-port-holder DEVICE: opens the device as the programmer opens a
// port, prints HELD, and keeps it until its standard input closes. The
// link tests use it as "another program" that holds a port.
#include "link/SerialLine.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarnik-port-holder DEVICE\n");
        return 2;
    }
    TSerialLine line;
    if (!line.OpenDevice(QString::fromLocal8Bit(argv[1]), 9600)) {
        std::printf("FAILED\n");
        return 1;
    }
    std::printf("HELD\n");
    std::fflush(stdout);
    while (std::fgetc(stdin) != EOF) {
    }
    line.ClosePort();
    return 0;
}
