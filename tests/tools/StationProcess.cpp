#include "tests/tools/StationProcess.h"
#include <QElapsedTimer>
#include <csignal>

StationProcess::~StationProcess()
{
    if (IsRunning()) {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(3000);
    }
}

QString StationProcess::Program()
{
    return QStringLiteral(TARNIK_BIN_DIR "/tarnik-station");
}

bool StationProcess::Start(const QStringList& arguments, int timeoutMs)
{
    process.setProgram(Program());
    process.setArguments(arguments);
    process.start();
    if (!process.waitForStarted(timeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const int newline = output.indexOf('\n');
        if (newline >= 0) {
            const QByteArray line = output.left(newline);
            if (!line.startsWith("READY "))
                return false;
            devicePath = QString::fromLocal8Bit(line.mid(6));
            return true;
        }
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(50);
        output += process.readAllStandardOutput();
    }
    return false;
}

bool StationProcess::Stop(int signal, int timeoutMs)
{
    if (!IsRunning())
        return false;
    ::kill(static_cast<pid_t>(process.processId()), signal);
    return WaitForExit(timeoutMs);
}

bool StationProcess::WaitForExit(int timeoutMs)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(timeoutMs);
}

QString StationProcess::ErrorText()
{
    return QString::fromLocal8Bit(process.readAllStandardError());
}

QString StationProcess::OutputText()
{
    output += process.readAllStandardOutput();
    return QString::fromLocal8Bit(output);
}
