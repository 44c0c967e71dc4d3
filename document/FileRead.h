#pragma once
#include <QByteArray>
#include <QString>

// Reads a whole file that must be a regular file of at most maxSize bytes.
// The file is opened without blocking and checked on the open descriptor,
// so a FIFO, a device or a directory is refused at once instead of being
// waited on, and a file swapped between the check and the read cannot slip
// through. Returns an empty text on success, else the reason, short and in
// the program's language, for a log or an error message; tooLarge, when
// given, tells whether the file was refused for its size alone.
QString ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& bytes, bool* tooLarge = nullptr);

// Reads standard input to its end, at most maxSize bytes: one byte more
// refuses the whole input (tooLarge set), so an endless stream such as a
// device piped in is not read without end. Blocks until the input ends.
// Returns an empty text on success, else the reason.
QString ReadStandardInput(qint64 maxSize, QByteArray& bytes, bool* tooLarge = nullptr);

// A size cap as the messages give it: "64 КБ", "16 МБ", "1024 байт".
QString SizeText(qint64 bytes);
