#include "tests/cli/CliRun.h"
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <algorithm>
#include <csignal>

CliRun RunCli(const QStringList& args, const QString& workDir, int timeoutMs)
{
    return RunCliWithInput(args, QByteArray(), workDir, timeoutMs);
}

namespace {
CliRun RunCliIn(const QProcessEnvironment& environment, const QStringList& args, const QByteArray& input,
                const QString& workDir, int timeoutMs)
{
    QProcess p;
    p.setProcessEnvironment(environment);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(TARNIK_BIN_DIR "/tarnik-cli"), args);
    CliRun run;
    const bool started = p.waitForStarted();
    if (started) {
        // Written a piece at a time: the program may stop reading (and end)
        // before a large input is all in.
        for (qsizetype at = 0; at < input.size() && p.state() == QProcess::Running; at += 65536) {
            p.write(input.mid(at, 65536));
            p.waitForBytesWritten(timeoutMs);
        }
        p.closeWriteChannel();
    }
    if (!started || (p.state() != QProcess::NotRunning && !p.waitForFinished(timeoutMs))) {
        p.kill();
        p.waitForFinished();
        run.err = QStringLiteral("tarnik-cli did not finish");
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.outBytes = p.readAllStandardOutput();
    run.out = QString::fromUtf8(run.outBytes);
    run.err = QString::fromUtf8(p.readAllStandardError());
#ifdef Q_OS_WIN
    // Text written to standard output ends its lines with CR LF there.
    run.out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    run.err.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return run;
}
} // namespace

CliRun RunCliWithInput(const QStringList& args, const QByteArray& input, const QString& workDir, int timeoutMs)
{
    return RunCliIn(QProcessEnvironment::systemEnvironment(), args, input, workDir, timeoutMs);
}

CliRun RunCliWithLocale(const QStringList& args, const QStringList& localeVariables, const QString& workDir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        if (name == QLatin1String("LANG") || name == QLatin1String("LANGUAGE") || name.startsWith(QLatin1String("LC_")))
            environment.remove(name);
    }
    for (const QString& variable : localeVariables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    return RunCliIn(environment, args, QByteArray(), workDir, 120000);
}

CliRun RunCliSignalled(const QStringList& args, const QStringList& after, int signal, int timeoutMs)
{
    QProcess p;
    p.start(QStringLiteral(TARNIK_BIN_DIR "/tarnik-cli"), args);
    CliRun run;
    QByteArray err;
    QElapsedTimer waited;
    waited.start();
    bool sent = false;
    while (p.waitForStarted() && p.state() == QProcess::Running && waited.elapsed() < timeoutMs) {
        p.waitForReadyRead(20);
        err += p.readAllStandardError();
        const QString text = QString::fromUtf8(err);
        if (!sent && std::all_of(after.begin(), after.end(), [&](const QString& t) { return text.contains(t); })) {
#ifdef Q_OS_WIN
            Q_UNUSED(signal);
            p.kill();   // no signals on Windows: the tests that send one skip there
#else
            ::kill(static_cast<pid_t>(p.processId()), signal);
#endif
            sent = true;
        }
    }
    if (p.state() == QProcess::Running) {
        p.kill();
        p.waitForFinished();
        run.err = QStringLiteral("tarnik-cli did not finish");
        return run;
    }
    p.waitForFinished();
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(err + p.readAllStandardError());
    if (!sent)
        run.err += QStringLiteral("\n(the signal was never sent)");
    return run;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray OneChannelImage()
{
    QByteArray image(1024, char(0xFF));
    const char ch0[] = {0x77, char(0x80), char(0x90), 1, 2};
    image.replace(0, 5, QByteArray(ch0, 5));
    const unsigned char settings[] = {0, 5, 7, 0, 0x60 | 3, 4, 0x40 | 15, 2, 11, 2, 15, 0x15, 0x34, 0x12, 0x01, 77};
    image.replace(500, sizeof settings, QByteArray(reinterpret_cast<const char*>(settings), sizeof settings));
    for (int i = 0; i < 10; ++i)
        image[520 + i] = char(i * 20 + 3);
    return image;
}
