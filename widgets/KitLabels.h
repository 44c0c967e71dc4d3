#pragma once
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

enum TLabelStyle { LabelBold, LabelItalic };

// A label drawn over a panel: transparent background, window-text colour,
// "Arial" with the given character height in pixels, text from the top left.
QLabel* PanelLabel(QWidget* panel, const QString& text, const QRect& geometry, int pixelSize,
                   TLabelStyle style);

// The logo picture (105 x 105 at 15, 17) on a panel. Throws when the logo
// file cannot be read (see LoadLogo).
QLabel* LogoImage(QWidget* panel);
