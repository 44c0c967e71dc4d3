#pragma once
#include <QByteArray>
#include <QSerialPort>
#include <QString>

// The programmer's side of the line in the tests: a QSerialPort at 8N1,
// with one request and its answer per exchange.
class StationClient {
public:
    bool Open(const QString& path, int baud);
    void Close() { port.close(); }
    QSerialPort& Port() { return port; }

    // Empties both queues, sends the request and collects up to expected
    // answer bytes, waiting at most timeoutMs for all of them.
    QByteArray Exchange(const QByteArray& request, int expected, int timeoutMs = 1000);

    // Everything that arrives within the given time.
    QByteArray Collect(int ms);

private:
    QSerialPort port;
};

// Requests of the station protocol.
QByteArray IdentifyRequest();
QByteArray ReadImageRequest();
QByteArray WriteRequest(int offset, uint8_t data);
QByteArray FinishRequest();
