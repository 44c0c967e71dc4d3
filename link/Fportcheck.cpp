#include "link/Fportcheck.h"
#include "document/JournalSink.h"
#include "link/Fcomsettings.h"
#include "link/ImageCodec.h"
#include "link/ProgressBarSink.h"
#include "link/SerialLine.h"
#include "link/StationLink.h"
#include "link/StationRecord.h"
#include "widgets/CSpinEdit.h"
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

Tf_port* f_port = nullptr;

namespace {

const QByteArray IdentifyRequest("\x11\x39\x01", 3);
const QByteArray ReadImageRequest("\x11\x39\x02", 3);

QPushButton* MakeButton(const QString& caption, int x, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(x, 8, 75, 25);
    return b;
}

TConnectionChoice ChosenConnection()
{
    return {f_com->fr_combobox1->currentText(), f_com->fr_combobox2->currentText()};
}

void Log(int icon, const QString& text)
{
    AddJournalEvent(icon, text);
}

} // namespace

Tf_port::Tf_port(QWidget* parent)
    : QWidget(parent),
      line(std::make_unique<TSerialLine>()),
      link(std::make_unique<TStationLink>(*line, ChosenConnection, Log))
{
    setWindowTitle(tr("Порт"));
    resize(755, 792);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    setFont(f);

    Panel1 = new QFrame(this);
    Panel1->setFixedHeight(41);
    Label1 = new QLabel(QStringLiteral("COM"), Panel1);
    Label1->move(8, 0);
    CSpinEdit1 = new TCSpinEdit(Panel1);
    CSpinEdit1->setGeometry(56, 0, 121, 17);
    CSpinEdit1->SetValue(1);
    Label2 = new QLabel(QStringLiteral("SPEED"), Panel1);
    Label2->move(8, 24);
    CSpinEdit2 = new TCSpinEdit(Panel1);
    CSpinEdit2->setGeometry(56, 17, 121, 20);
    CSpinEdit2->SetValue(4800);
    Button1 = MakeButton(QStringLiteral("EEPROM"), 184, Panel1);
    Button2 = MakeButton(QStringLiteral("ID"), 264, Panel1);
    Button3 = MakeButton(QStringLiteral("MAKE DATA"), 344, Panel1);

    PageControl1 = new QTabWidget(this);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("HEX"));
    PageControl1->addTab(TabSheet2, QStringLiteral("DATA"));

    // The fixed first row and column of the grid are its headers.
    sg = new QTableWidget(GridRows - 1, GridColumns - 1, TabSheet1);
    sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg->horizontalHeader()->setMinimumSectionSize(16);
    sg->verticalHeader()->setMinimumSectionSize(16);
    sg->horizontalHeader()->setDefaultSectionSize(40);
    sg->verticalHeader()->setDefaultSectionSize(16);
    sg->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg->verticalHeader()->setFixedWidth(40);
    sg->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QStringList columns;
    for (int c = 0; c < GridColumns - 1; ++c)
        columns << QString::number(c, 16).toUpper();
    sg->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (int r = 0; r < GridRows - 1; ++r)
        rows << QStringLiteral("%1").arg(r, 2, 16, QLatin1Char('0')).toUpper();
    sg->setVerticalHeaderLabels(rows);
    auto* pageLayout = new QVBoxLayout(TabSheet1);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(sg);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(PageControl1);

    connect(Button1, &QPushButton::clicked, this, &Tf_port::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tf_port::Button2Click);
}

Tf_port::~Tf_port() = default;

QString Tf_port::CellText(int column, int row) const
{
    if (column < 0 || column >= GridColumns || row < 0 || row >= GridRows)
        return QString();
    if (row == 0 && column == 0)
        return QString();
    if (row == 0)
        return sg->horizontalHeaderItem(column - 1)->text();
    if (column == 0)
        return sg->verticalHeaderItem(row - 1)->text();
    const QTableWidgetItem* item = sg->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

bool Tf_port::ReadStation(Tfr_progress* progress, TTarnikPlus& record)
{
    TProgressBarSink sink(progress);
    return link->ReadStation(progress ? &sink : nullptr, record);
}

bool Tf_port::WriteStation(Tfr_progress* progress, const TTarnikPlus& record)
{
    TProgressBarSink sink(progress);
    return link->WriteStation(progress ? &sink : nullptr, record);
}

TSafeWriteResult Tf_port::SafeWrite(Tfr_progress* progress, const TSafeWrite::BuildImage& build,
                                    const TSafeWrite::Confirm& confirm)
{
    TProgressBarSink sink(progress);
    TSafeWrite write(*line, ChosenConnection, Log);
    write.SetConfirm(confirm);
    return write.Run(build, progress ? &sink : nullptr);
}

bool Tf_port::WritePwmPower(int power)
{
    return link->WritePwmPower(power);
}

bool Tf_port::OpenPort(int port, int baud) { return line->OpenPort(port, baud); }
bool Tf_port::ClosePort() { return line->ClosePort(); }
bool Tf_port::Identify() { return link->Identify(); }

int Tf_port::Transfer(const QByteArray& request, QByteArray& answer, unsigned count,
                      TTransferProgress* progress)
{
    return line->Transfer(request, answer, count, progress);
}

void Tf_port::ClearGrid()
{
    for (int row = 0; row < StationImageSize / 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            if (QTableWidgetItem* item = sg->item(row, column))
                item->setText(QString());
        }
    }
}

void Tf_port::ShowByte(int offset, quint8 byte)
{
    const QString text = QStringLiteral("0x") + QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    const int row = offset / 16;
    const int column = offset % 16;
    if (QTableWidgetItem* item = sg->item(row, column))
        item->setText(text);
    else
        sg->setItem(row, column, new QTableWidgetItem(text));
    line->ProcessMessages();
}

QByteArray Tf_port::Exchange(const QByteArray& request, unsigned count)
{
    // The open result is not looked at: without a port every byte stays 0.
    line->OpenPort(CSpinEdit1->Value(), CSpinEdit2->Value());
    QByteArray answer;
    line->Transfer(request, answer, count);
    line->ClosePort();
    return answer;
}

void Tf_port::Button1Click()
{
    QByteArray image = Exchange(ReadImageRequest, StationImageSize);
    ClearGrid();
    // Shown as the program would write it back.
    TTarnikPlus scratch;
    DecodeImage(image, scratch);
    EncodeImage(scratch, image);
    for (int i = 0; i < image.size(); ++i)
        ShowByte(i, static_cast<quint8>(image.at(i)));
}

void Tf_port::Button2Click()
{
    const QByteArray answer = Exchange(IdentifyRequest, 1);
    ClearGrid();
    ShowByte(0, static_cast<quint8>(answer.at(0)));
}
