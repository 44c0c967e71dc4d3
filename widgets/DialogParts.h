#pragma once
#include <QRect>
#include <QString>

class QWidget;
class Tfr_button;
class Tfr_panel;

// The common make-up of the program's dialogs: the window's title, its
// Arial font, its fixed client size, and a drawn panel with an empty
// caption filling it as the background. Returns the panel.
Tfr_panel* DialogBackground(QWidget* window, const QString& title, int width, int height, int fontPixels);

// Puts a window in the middle of the primary screen's free area.
void CentreOnScreen(QWidget* window);

// A drawn dialog button at its place, with its caption and the picture
// Source/<picture> under StartDir.
Tfr_button* DialogButton(QWidget* parent, const QRect& place, const QString& caption, const QString& picture);
