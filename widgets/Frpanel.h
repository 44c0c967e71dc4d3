#pragma once
#include "widgets/CaptionLines.h"
#include <QImage>
#include <QStringList>
#include <QWidget>

class QPainter;
class QTimer;
class TPaintBox;

// The background of the program's windows: a three-band bluish-grey
// gradient with a thin black outline and an optional caption centred on the
// bottom band (white at rest, black while the mouse is over the panel).
// Owners place their controls on top of it.
class Tfr_panel : public QWidget {
    Q_OBJECT
public:
    enum TState { Hover = 0, Normal = 1 };

    explicit Tfr_panel(QWidget* parent = nullptr);

    // Replaces the caption lines (see SplitCaption); shows at the next paint.
    void SetCaption(const QString& text);

    int State() const { return state; }
    const QStringList& Lines() const { return lines; }
    // Heights of the top and bottom gradient bands; the caption is centred
    // on the bottom band. The background is rebuilt at the next resize.
    int TopBand = 5;
    int BottomBand = 5;

    // The painting surface under the panel's children.
    TPaintBox* P;
    // The hover timer, 100 ms.
    QTimer* T;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void FrameResize();
    void BuildStateImages();
    void PPaint(QPainter& canvas);
    void PMouseMove(QPoint pos);
    void TTimer();

    QImage StateImages[2];
    int state = Normal;
    QStringList lines{QStringLiteral("Панель")};
};
