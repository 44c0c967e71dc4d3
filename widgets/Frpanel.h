#pragma once
#include <QImage>
#include <QStringList>
#include <QWidget>

// The background of the program's windows: a three-band bluish-grey
// gradient with a thin black outline and an optional caption centred on the
// bottom band. Owners place their controls on top of it.
class Tfr_panel : public QWidget {
    Q_OBJECT
public:
    enum TState { Hover = 0, Normal = 1 };

    explicit Tfr_panel(QWidget* parent = nullptr);

    void SetCaption(const QString& text);

    int State() const { return state; }
    const QStringList& Lines() const { return lines; }
    int TopBand = 5;
    int BottomBand = 5;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void BuildStateImages();

    QImage StateImage;
    int state = Normal;
    QStringList lines{QStringLiteral("Панель")};
};
