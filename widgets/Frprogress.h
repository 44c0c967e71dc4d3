#pragma once
#include <QImage>
#include <QWidget>

// A percentage shown as a grey bar on the kit's gradient with the number
// written across it. SetPosition repaints at once, so a long loop on the GUI
// thread shows its progress without returning to the message loop.
class Tfr_progress : public QWidget {
    Q_OBJECT
public:
    explicit Tfr_progress(QWidget* parent = nullptr);

    // Clamps to 0..100 (callers may pass 101).
    void SetPosition(int value);
    int Position() const { return position; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void BuildStateImages();

    int position = 0;
    QImage StateImage;
};
