#include "tests/tools/StationClient.h"
#include <QElapsedTimer>

bool StationClient::Open(const QString& path, int baud)
{
    port.setPortName(path);
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return port.open(QIODevice::ReadWrite);
}

QByteArray StationClient::Exchange(const QByteArray& request, int expected, int timeoutMs)
{
    port.clear();
    port.readAll();
    port.write(request);
    port.waitForBytesWritten(timeoutMs);
    QByteArray answer;
    QElapsedTimer timer;
    timer.start();
    while (answer.size() < expected) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            break;
        if (port.waitForReadyRead(static_cast<int>(left)))
            answer += port.readAll();
    }
    return answer;
}

QByteArray StationClient::Collect(int ms)
{
    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        if (port.waitForReadyRead(static_cast<int>(ms - timer.elapsed())))
            bytes += port.readAll();
    }
    return bytes + port.readAll();
}

QByteArray IdentifyRequest() { return QByteArray::fromHex("113901"); }
QByteArray ReadImageRequest() { return QByteArray::fromHex("113902"); }
QByteArray FinishRequest() { return QByteArray::fromHex("113904"); }

QByteArray WriteRequest(int offset, uint8_t data)
{
    QByteArray r = QByteArray::fromHex("1139");
    r.append(static_cast<char>(0x03 + 0x10 * (offset / 256)));
    r.append(static_cast<char>(offset % 256));
    r.append(static_cast<char>(data));
    return r;
}
