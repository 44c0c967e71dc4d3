#pragma once
#include <QString>

// Why a file operation failed, in the program's own words: the system's
// texts (strerror, QFile::errorString) speak English or the locale's
// language and never reach the user. The callers put the path in front.

enum class TFileAccess { Read, Write };

// The cause behind a system error number, for reading or writing a file:
// "файл не найден", "нет прав на чтение файла", "на диске нет места"...
QString FileErrorText(int error, TFileAccess access);

// Why writing the file at path failed, when the system gave no usable
// error number: found by looking at the path itself (its folder missing or
// no folder, the path a folder, no right to write there). Empty when
// nothing there explains it.
QString WriteProblemAt(const QString& path);
