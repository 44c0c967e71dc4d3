#pragma once
#include <QFont>

// The font of the drawn controls: "Arial", 12 points, regular. Each control
// picks its colour per state.
QFont KitFont();
