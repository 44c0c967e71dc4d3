#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// A tarnik-station run for a test: started with the given options, ready
// once it printed its READY line, terminated (SIGTERM) when the object goes.
class StationProcess {
public:
    StationProcess() = default;
    ~StationProcess();
    StationProcess(const StationProcess&) = delete;
    StationProcess& operator=(const StationProcess&) = delete;

    static QString Program();

    // Starts the station and waits for READY. False when it did not get
    // there; then ExitCode() and ErrorText() tell why.
    bool Start(const QStringList& arguments, int timeoutMs = 5000);

    QString DevicePath() const { return devicePath; }

    // Sends a signal and waits for the exit; true when it exited by itself.
    bool Stop(int signal, int timeoutMs = 5000);
    bool WaitForExit(int timeoutMs = 5000);

    bool IsRunning() const { return process.state() != QProcess::NotRunning; }
    int ExitCode() const { return process.exitCode(); }
    bool ExitedNormally() const { return process.exitStatus() == QProcess::NormalExit; }
    QString ErrorText();
    QString OutputText();

private:
    QProcess process;
    QString devicePath;
    QByteArray output;
};
