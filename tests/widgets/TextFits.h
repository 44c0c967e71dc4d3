#pragma once
// Whether the texts of a window fit the controls that show them: every
// caption measured with the control's own font against the room the control
// gives it, and a text that grows its control (an auto-sized label or check
// box) against the controls beside it.
#include <QStringList>

class QWidget;

// One line per text that does not fit: the control, the text, the pixels it
// needs and the pixels it has. Looks at the window and all its children,
// shown or not (a hidden control shows later).
QStringList TextMisfits(QWidget* window);
