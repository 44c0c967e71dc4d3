#pragma once
// Whether the texts of a window fit the controls that show them: every
// caption measured with the control's own font against the room the control
// gives it, and a text that grows its control (an auto-sized label or check
// box) against the controls beside it.
#include <QStringList>

class QWidget;
class TReportBand;

// One line per text that does not fit: the control, the text, the pixels it
// needs and the pixels it has. Looks at the window and all its children,
// shown or not (a hidden control shows later).
QStringList TextMisfits(QWidget* window);

// The same for a band of the printed report (and the bands printed after
// it): each label's text, as its first page prints it, must end before the
// labels and pictures to its right on its line and inside the band's width.
QStringList ReportMisfits(const TReportBand* band, int bandWidth);
