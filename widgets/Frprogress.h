#pragma once
#include <QImage>
#include <QWidget>

class QPainter;
class TPaintBox;

// A percentage shown as a grey bar on the kit's gradient with the number
// written across it. SetPosition repaints at once, so a long loop on the GUI
// thread shows its progress without returning to the message loop.
class Tfr_progress : public QWidget {
    Q_OBJECT
public:
    explicit Tfr_progress(QWidget* parent = nullptr);

    // Clamps to 0..100 (callers may pass 101). A value that changes the
    // position is painted before the call returns; the same value again
    // paints nothing, the picture being unchanged.
    void SetPosition(int value);
    int Position() const { return position; }

    // Height of the gradient bands, and the inset of the grey bar.
    static constexpr int TopBand = 3;
    static constexpr int BottomBand = 3;

    // The painting surface over the whole bar.
    TPaintBox* P;

protected:
    void resizeEvent(QResizeEvent*) override;

private:
    void FrameResize();
    void BuildStateImages();
    void PPaint(QPainter& canvas);

    int position = 0;
    QImage StateImages;
};
