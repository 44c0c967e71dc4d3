#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The windows-1251 code page of the program's files (catalogue, programmer
// files), converted by a table of its own: the same on every platform,
// without the system's or ICU's converters (the Windows build has neither
// for this code page).
namespace Cp1251 {

// The name files declare it by.
constexpr const char* Name = "windows-1251";

// Every byte has a character: ASCII as itself, the upper half as the code
// page maps it (0x98, unassigned, as U+0098).
QString Decode(QByteArrayView bytes);

// The byte of a character, or -1 when the code page cannot hold it.
int ByteOf(char32_t character);

// The text as bytes; a character the code page cannot hold becomes 0x1A and
// makes ok false (when given).
QByteArray Encode(const QString& text, bool* ok = nullptr);

} // namespace Cp1251
