#include "editors/Fchannels.h"
#include "document/JournalSink.h"
#include "editors/Frreccord.h"
#include "link/StationRecord.h"
#include "widgets/CSpinEdit.h"
#include "widgets/Frprogress.h"
#include "widgets/Fstartup.h"
#include "widgets/U_drawing.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

QVector<Tfr_reccord*> channelRows;
Tf_channels* f_channels = nullptr;

namespace {
constexpr int HeaderHeight = 32;
constexpr int RowHeight = 32;
} // namespace

Tf_channels::Tf_channels(QWidget* page, Tf_startup* splash)
    : QWidget(page)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    resize(862, 606);

    PaintBox1 = new QWidget(this);
    PaintBox1->installEventFilter(this);
    QFont headerFont(QStringLiteral("Arial"));
    headerFont.setPixelSize(16);
    headerFont.setBold(true);
    const QStringList captions{tr("Канал"), tr("RX(Гц)"), tr("TX(Гц)"), QStringLiteral("CTCSS(RX)"), QStringLiteral("CTCSS(TX)")};
    const int xs[] = {8, 135, 315, 475, 603};
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    for (int i = 0; i < 5; ++i) {
        *labels[i] = new QLabel(captions[i], PaintBox1);
        (*labels[i])->setFont(headerFont);
        (*labels[i])->move(xs[i], 8);
        (*labels[i])->adjustSize();
        (*labels[i])->setAttribute(Qt::WA_TranslucentBackground);
    }

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    rowsHost = new QWidget;
    rowsHost->resize(722, RowHeight * ChannelCount);
    ScrollBox1->setWidget(rowsHost);

    Creation = new QTimer(this);
    Creation->setInterval(creationDelayMs);
    Creation->setSingleShot(true);
    connect(Creation, &QTimer::timeout, this, &Tf_channels::CreationTimer);

    if (page) {
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(this);
    }
    if (splash)
        splash->show();
    show();
    QApplication::processEvents();

    channelRows.resize(ChannelCount);
    ScrollBox1->hide();
    for (int i = 0; i < ChannelCount; ++i) {
        // Owned by the list from the start (hidden), so a row never becomes a
        // window of its own; CreationTimer places and shows it.
        channelRows[i] = new Tfr_reccord(rowsHost);
        channelRows[i]->hide();
        if (splash)
            splash->fr_progress1->SetPosition(i * 100 / ChannelCount + 1);
    }
    QApplication::processEvents();
    if (splash)
        splash->close();
    Creation->start();
}

void Tf_channels::resizeEvent(QResizeEvent*)
{
    PaintBox1->setGeometry(0, 0, width(), HeaderHeight);
    ScrollBox1->setGeometry(0, HeaderHeight, width(), std::max(0, height() - HeaderHeight));
}

bool Tf_channels::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PaintBox1 && event->type() == QEvent::Paint) {
        PaintBox1Paint();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tf_channels::PaintBox1Paint()
{
    QPainter p(PaintBox1);
    GradientFill(p, 0, 0, PaintBox1->width(), PaintBox1->height(),
                 RGBColor(156, 158, 158), RGBColor(236, 233, 216), GradientTopToBottom);
}

int Tf_channels::creationDelayMs = 1000;

void Tf_channels::CreationTimer()
{
    AddJournalEvent(0, tr("Пожайлуста подождите..."));
    ScrollBox1->show();
    QApplication::processEvents();
    Creation->stop();
    for (int n = 0; n < ChannelCount; ++n) {
        Tfr_reccord* row = channelRows[n];
        row->move(0, RowHeight * n);
        row->Panel1->setText(QString::number(n));
        row->show();
        QApplication::processEvents();
    }
    AddJournalEvent(5, tr("Можно начинать к работу"));
    QApplication::processEvents();
}

// Each enabled channel's own receive and transmit frequency go into its
// fields, whatever the common-frequency option: mirroring is for the user's
// edits, and a load that copied one over the other would change every
// split-frequency channel at the next write.
void Tf_channels::LoadFromRecord(const TTarnikPlus& record)
{
    for (int i = 0; i < ChannelCount && i < static_cast<int>(record.channels.size()); ++i) {
        const TTarnikRec& ch = record.channels[i];
        Tfr_reccord* row = channelRows[i];
        row->CheckBox1->setChecked(ch.enable);
        if (!ch.enable)
            continue;
        row->LoadFrequencies(ch.RX * 1000, ch.TX * 1000);
        row->ComboBox1->setCurrentIndex(ch.CTCSSRX);
        row->ComboBox2->setCurrentIndex(ch.CTCSSTX);
    }
}

void Tf_channels::SaveToRecord(TTarnikPlus& record)
{
    record.lastChannel = 0;
    record.channels.resize(ChannelCount);
    for (int i = 0; i < ChannelCount; ++i) {
        Tfr_reccord* row = channelRows[i];
        TTarnikRec& ch = record.channels[i];
        ch.enable = row->CheckBox1->isChecked();
        if (!ch.enable)
            continue;
        record.lastChannel = static_cast<uint8_t>(i);
        // A value still being typed (the toolbar buttons leave it the focus)
        // is stored as committing it would leave it: mirrored, and clamped.
        row->CommitTypedFrequency();
        ch.RX = row->CSpinEdit1->ClampedValue() / 1000;
        ch.TX = row->CSpinEdit2->ClampedValue() / 1000;
        ch.CTCSSRX = row->ComboBox1->currentIndex();
        ch.CTCSSTX = row->ComboBox2->currentIndex();
    }
}
