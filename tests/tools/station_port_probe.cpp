// Opens a serial port the way the programmer does, from a process of its
// own, and tells whether that worked: "OPEN" and exit code 0, or "FAIL"
// with the error and exit code 1. Usage: station_port_probe PATH BAUD
#include <QCoreApplication>
#include <QSerialPort>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: station_port_probe PATH BAUD\n");
        return 2;
    }
    QSerialPort port(QString::fromLocal8Bit(argv[1]));
    port.setBaudRate(QString::fromLatin1(argv[2]).toInt());
    if (!port.open(QIODevice::ReadWrite)) {
        std::printf("FAIL %s\n", qPrintable(port.errorString()));
        return 1;
    }
    std::printf("OPEN\n");
    return 0;
}
