#include "report/Fprint.h"
#include "editors/Fchannels.h"
#include "editors/Frnoiselevels.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include "widgets/CSpinEdit.h"
#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <algorithm>

Tf_print* f_print = nullptr;

namespace {
constexpr int PageBandHeight = 967;
constexpr int TableWidth = 665;
constexpr int TableHeight = 720;
constexpr int RowHeight = 24;
// The enabled channels are cut into the four images at these positions.
constexpr int Bounds[] = {0, 15, 45, 75, 100};
// Cell edges of the table columns inside an image.
constexpr int CellEdges[] = {0, 57, 209, 361, 513, 665};

const QColor White(255, 255, 255);
const QString Rule = QString(95, QLatin1Char('_'));

QString State(const QCheckBox* box)
{
    return box->isChecked() ? QCoreApplication::translate("Tf_print", "Включен") : QCoreApplication::translate("Tf_print", "Отключен");
}

QString JoinLevels(int from, int to)
{
    QStringList parts;
    for (int r = from; r <= to; ++r)
        parts << QString::number(f_settings->noiseLevelRows[r]->CSpinEdit1->ClampedValue());
    return parts.join(QStringLiteral(", "));
}

// The five column headings of the channel table at height y.
QList<TReportLabel*> AddHeadings(TReportBand* band, int y)
{
    const QFont f = ReportFont(12, false, true);
    return {band->AddLabel(26, y, QCoreApplication::translate("Tf_print", "Канал"), f),
            band->AddLabel(125, y, QCoreApplication::translate("Tf_print", "RX(Гц)"), f),
            band->AddLabel(279, y, QCoreApplication::translate("Tf_print", "TX(Гц)"), f),
            band->AddLabel(412, y, QStringLiteral("CTCSS(RX)"), f),
            band->AddLabel(561, y, QStringLiteral("CTCSS(TX)"), f)};
}
// Opens the preview at 100 % instead of fitted to the window, with the
// dialog's fit buttons released to match.
void ShowAtActualSize(QPrintPreviewDialog& preview)
{
    if (auto* view = preview.findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    for (const char* name : {"fitPageAction", "fitWidthAction"}) {
        if (auto* action = preview.findChild<QAction*>(QLatin1String(name))) {
            QActionGroup* group = action->actionGroup();
            if (group)
                group->setExclusive(false);
            action->setChecked(false);
            if (group)
                group->setExclusive(true);
        }
    }
}
} // namespace

QString FormatHz(int hz)
{
    QString s = QString::number(hz);
    s.insert(std::min<qsizetype>(5, s.size()), QLatin1Char(' '));
    s.insert(std::min<qsizetype>(2, s.size()), QLatin1Char(' '));
    return s;
}

Tf_print::Tf_print(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Отчет"));

    PageHeaderBand1 = report.PageHeader();
    QRLabel1 = PageHeaderBand1->AddLabel(11, 8, tr("ЗАО \"Велтар\""), ReportFont(16));
    QRLabel2 = PageHeaderBand1->AddLabel(480, 9, tr("Программатор Tarnik"), ReportFont(16, false, true));

    PageFooterBand1 = report.PageFooter();
    QRSysData1 = PageFooterBand1->AddSysData(20, 11, TReportSysData::DateTime, ReportFont(10));
    QRLabel4 = PageFooterBand1->AddLabel(607, 11, tr("Страница"), ReportFont(10));
    QRSysData2 = PageFooterBand1->AddSysData(680, 11, TReportSysData::PageNumber, ReportFont(10));

    B1 = report.AddDetail(PageBandHeight, White);
    const QFont title = ReportFont(16, true, true);
    const QFont text = ReportFont(10);
    QRLabel24 = B1->AddLabel(17, 19, tr("Параметры станции"), title);
    B1->AddLabel(16, 29, Rule, text);

    auto row = [&](int y, const QString& left, TReportLabel*& leftValue, const QString& right) {
        B1->AddLabel(40, y, left, text);
        leftValue = B1->AddLabel(228, y, QString(), text);
        if (!right.isEmpty())
            B1->AddLabel(359, y, right, text);
    };
    row(60, tr("Частотный диапазон"), bandValue, tr("Маскиратор включен"));
    row(97, tr("Уровень громкости"), volumeValue, tr("Маскиратор установлен"));
    row(135, tr("Уровень шумоподавителя"), squelchValue, tr("Режим отключения по таймауту"));
    row(172, tr("Уровень аналогового SQL"), analogSqlValue, tr("Блокировка передачи"));
    row(210, tr("Уровень девиации"), deviationValue, tr("Режим ретранслятора"));
    row(248, tr("Уровень чувствительности"), micValue, tr("Время таймаута"));
    row(286, tr("Усиление на прием"), rxGainValue, tr("Уровни шумоподавителя"));
    row(323, tr("Уровень CTCSS на передачу"), ctcssTxValue, QString());
    row(361, tr("Уровень CTCSS на прием"), ctcssRxValue, tr("Мощность ШИМ"));
    scramblerOnValue = B1->AddLabel(568, 60, QString(), text);
    scramblerFittedValue = B1->AddLabel(568, 97, QString(), text);
    pttTimeoutValue = B1->AddLabel(568, 135, QString(), text);
    busyLockoutValue = B1->AddLabel(568, 172, QString(), text);
    repeaterValue = B1->AddLabel(568, 210, QString(), text);
    timeoutValue = B1->AddLabel(568, 248, QString(), text);
    noiseLine1 = B1->AddLabel(568, 285, QString(), text);
    noiseLine2 = B1->AddLabel(568, 305, QString(), text);
    noiseLine3 = B1->AddLabel(568, 324, QString(), text);
    pwmValue = B1->AddLabel(568, 361, QString(), text);

    QRLabel26 = B1->AddLabel(17, 428, tr("Установленные частоты каналов"), title);
    channelRule = B1->AddLabel(16, 438, Rule, text);
    QRLabel52 = B1->AddLabel(568, 431, tr("Каналов:"), ReportFont(12, true));
    QRLabel53 = B1->AddLabel(653, 431, QStringLiteral("0"), ReportFont(12, true));
    channelHeadings = AddHeadings(B1, 463);
    I = B1->AddImage(19, 489, TableWidth, TableHeight);

    B2 = B1->AddChild(PageBandHeight, White);
    BuildContinuationBand(B2, I2);
    B3 = B2->AddChild(PageBandHeight, White);
    BuildContinuationBand(B3, I3);
    B4 = B3->AddChild(PageBandHeight, White);
    BuildContinuationBand(B4, I4);
}

void Tf_print::BuildContinuationBand(TReportBand* band, TReportImage*& image)
{
    band->AddLabel(17, 12, tr("Установленные частоты каналов"), ReportFont(16, true, true));
    band->AddLabel(16, 22, Rule, ReportFont(10));
    AddHeadings(band, 50);
    image = band->AddImage(16, 73, TableWidth, TableHeight);
}

void Tf_print::FillReport()
{
    for (TReportBand* band : {B1, B2, B3, B4}) {
        band->enabled = false;
        band->height = 0;
    }
    // No picture of an earlier report is left to print.
    for (TReportImage* image : {I, I2, I3, I4})
        image->picture = QPicture();

    bandValue->text = f_settings->ComboBox1->currentText();
    volumeValue->text = f_settings->ComboBox3->currentText();
    squelchValue->text = f_settings->ComboBox5->currentText();
    analogSqlValue->text = f_settings->ComboBox7->currentText();
    deviationValue->text = f_settings->ComboBox2->currentText();
    micValue->text = f_settings->ComboBox4->currentText();
    rxGainValue->text = f_settings->ComboBox6->currentText();
    ctcssTxValue->text = f_settings->ComboBox8->currentText();
    ctcssRxValue->text = f_settings->ComboBox9->currentText();
    scramblerOnValue->text = State(f_settings->CheckBox1);
    scramblerFittedValue->text = State(f_settings->CheckBox2);
    pttTimeoutValue->text = State(f_settings->CheckBox3);
    busyLockoutValue->text = State(f_settings->CheckBox4);
    repeaterValue->text = State(f_settings->CheckBox5);
    timeoutValue->text = f_settings->Edit1->text();
    pwmValue->text = f_settings->Edit2->text();
    noiseLine1->text = JoinLevels(0, 3);
    noiseLine2->text = JoinLevels(4, 7);
    noiseLine3->text = JoinLevels(8, 9);

    QVector<int> enabled;
    for (int c = 0; c < channelRows.size(); ++c)
        if (channelRows[c]->CheckBox1->isChecked())
            enabled << c;
    const int n = enabled.size();
    QRLabel53->text = QString::number(n);

    DrawChannelTable(I, 1, enabled, n);
    for (TReportElement* e : std::initializer_list<TReportElement*>{QRLabel26, channelRule, I})
        e->enabled = n > 0;
    for (TReportLabel* heading : channelHeadings)
        heading->enabled = n > 0;

    if (n > Bounds[1]) {
        DrawChannelTable(I2, 2, enabled, n);
        if (n > Bounds[2]) {
            DrawChannelTable(I3, 3, enabled, n);
            if (n > Bounds[3]) {
                DrawChannelTable(I4, 4, enabled, n);
                B4->enabled = true;
                B4->height = PageBandHeight;
            }
            B3->enabled = true;
            B3->height = PageBandHeight;
        }
        B2->enabled = true;
        B2->height = PageBandHeight;
    }
    B1->enabled = true;
    B1->height = PageBandHeight;
}

void Tf_print::DrawChannelTable(TReportImage* image, int k, const QVector<int>& channels, int n)
{
    const int rows = std::min({n, Bounds[k], static_cast<int>(channels.size())}) - Bounds[k - 1];
    if (rows <= 0)
        return;
    image->height = TableHeight;
    image->picture = QPicture();
    image->picture.setBoundingRect(QRect(0, 0, TableWidth, TableHeight));

    QPainter p(&image->picture);
    const int bottom = RowHeight * rows;
    // The outline covers the pixels 0..663 across and 0..bottom-1 down.
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    p.setBrush(Qt::white);
    p.drawRect(QRect(0, 0, TableWidth - 2, bottom - 1));

    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int e = 1; e <= 4; ++e)
        p.drawLine(CellEdges[e], 1, CellEdges[e], bottom - 1);
    for (int i = 1; i < rows; ++i)
        p.drawLine(1, RowHeight * i, TableWidth - 2, RowHeight * i);

    const QFont font = ReportFont(11);
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetrics fm(font);
    for (int i = 0; i < rows; ++i) {
        const int c = channels[Bounds[k - 1] + i];
        const Tfr_reccord* row = channelRows[c];
        const QString texts[5] = {QString::number(c), FormatHz(row->CSpinEdit1->ClampedValue()),
                                  FormatHz(row->CSpinEdit2->ClampedValue()), row->ComboBox1->currentText(),
                                  row->ComboBox2->currentText()};
        for (int cell = 0; cell < 5; ++cell) {
            const int width = CellEdges[cell + 1] - CellEdges[cell];
            const int x = CellEdges[cell] + (width - fm.horizontalAdvance(texts[cell])) / 2;
            const int y = RowHeight * i + (RowHeight - fm.height()) / 2;
            p.drawText(QPoint(x, y + fm.ascent()), texts[cell]);
        }
    }
}

int Tf_print::Print(QPrinter* printer)
{
    int from = 1, to = 0;
    if (printer->printRange() == QPrinter::PageRange) {
        from = printer->fromPage();
        to = printer->toPage();
    }
    return report.Render(printer, from, to);
}

void Tf_print::PreviewModal(QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    report.SetUpPage(&printer);
    printer.setCopyCount(1);
    printer.setFromTo(1, 4);
    QPrintPreviewDialog preview(&printer, parent ? parent : this);
    preview.setWindowTitle(windowTitle());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { Print(p); });
    ShowAtActualSize(preview);
    preview.resize(900, 1000);
    preview.exec();
}
