#pragma once
// Runs the built tarnik-cli as a child process and keeps what it printed.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct CliRun {
    int exitCode = -1;
    QString out;          // standard output
    QString err;          // standard error
    QByteArray outBytes;  // standard output as it came (a binary file)
};

// Runs tarnik-cli with the arguments in the directory (the current one when
// empty); the environment is the test's own (TARNIK_PORTS included).
CliRun RunCli(const QStringList& args, const QString& workDir = QString(), int timeoutMs = 120000);

// The same with the bytes as its standard input (closed after them).
CliRun RunCliWithInput(const QStringList& args, const QByteArray& input, const QString& workDir = QString(),
                       int timeoutMs = 120000);

// The same under the locale variables given ("LANG=en_US.UTF-8"), every
// other LANG, LANGUAGE and LC_* of the test's environment removed.
CliRun RunCliWithLocale(const QStringList& args, const QStringList& localeVariables,
                        const QString& workDir = QString());

// Runs tarnik-cli and sends it the signal as soon as its standard error
// holds every one of the texts; the run then goes on to its end. exitCode
// is the code it ended with (-1 when the signal killed it).
CliRun RunCliSignalled(const QStringList& args, const QStringList& after, int signal, int timeoutMs = 120000);

// Whole files, for the tests' inputs and outputs.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// A configuration whose values all lie in the shipped catalogue, as the
// program writes it: channel 0 alone, at 45000/45100 kHz with tones 1 and 2
// (67.0 and 71.9 Hz).
QByteArray OneChannelImage();
