#pragma once
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

class QTimer;

// The program's push button: a two-band gradient background per state, a
// caption of centred lines and an optional picture beside the caption.
// clicked() is the button's click; a disabled button reports none.
class Tfr_button : public QWidget {
    Q_OBJECT
public:
    enum TState { Hover = 0, Normal = 1, Disabled = 2, Pressed = 3 };
    enum TPictureLayout { PictureLeft = 0, PictureRight = 1, PictureAbove = 2, PictureBelow = 3 };
    static constexpr int PictureGap = 5;

    explicit Tfr_button(QWidget* parent = nullptr);

    void SetCaption(const QString& text);
    void SetPicture(const QString& path);
    void SetPictureLayout(int layout);
    void SetEnabled(bool enabled);

    int State() const { return state; }
    int PictureLayout() const { return pictureLayout; }
    bool HasPicture() const { return hasPicture; }
    const QStringList& Lines() const { return lines; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;

private:
    void BuildStateImages();
    void SetState(int s);

    QImage StateImages[4];
    QPixmap Picture;
    bool hasPicture = false;
    int state = Normal;
    int pictureLayout = PictureLeft;
    QStringList lines{QStringLiteral("Кнопка")};
    QTimer* T;
};

// Splits a caption at line feeds; a trailing non-empty remainder is the last
// line, an empty text gives no lines.
QStringList SplitCaption(const QString& text);
