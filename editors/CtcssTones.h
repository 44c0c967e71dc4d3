#pragma once
#include <QStringList>
#include <array>

// The 50 CTCSS tones in hertz, ascending. Every tone list has 51 items:
// item 0 "Нет" (no tone), item k the tone k - 1.
extern const std::array<float, 50> CtcssTones;

// "67,0 Гц": one decimal in the program's number format, a space and the
// unit.
QString ToneText(float hz);

// "Нет" followed by the 50 tone texts.
QStringList ToneListItems();
