#pragma once
#include <QVector>
#include <QWidget>

class QLabel;
class QScrollArea;
class QTimer;
class Tf_startup;
class Tfr_reccord;
struct TTarnikPlus;

// The number of channels of a station, numbered 0 to 99.
constexpr int ChannelCount = 100;

// The 100 channel rows, index = channel number. Filled by the channel list
// when it is created; the other editors reach the rows through it.
extern QVector<Tfr_reccord*> channelRows;

// The "Каналы" page: a header strip over a scrolling column of the 100
// channel rows. It translates between the rows and a record's channel table.
class Tf_channels : public QWidget {
    Q_OBJECT
public:
    // Embeds itself in the page, builds the rows behind the splash while its
    // progress bar advances, closes the splash and starts Creation.
    Tf_channels(QWidget* page, Tf_startup* splash);

    QWidget* PaintBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QScrollArea* ScrollBox1;
    QTimer* Creation;
    // Creation's pause in milliseconds, one second; tests of other things
    // than the start-up set it shorter before the windows are built.
    static int creationDelayMs;

    void LoadFromRecord(const TTarnikPlus& record);
    void SaveToRecord(TTarnikPlus& record);
    void CreationTimer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void PaintBox1Paint();
    QWidget* rowsHost;
};

extern Tf_channels* f_channels;
