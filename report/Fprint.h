#pragma once
#include "report/ReportBands.h"
#include <QVector>
#include <QWidget>

class QPrinter;

// "33 000 000": the decimal digits of a frequency in hertz with a space
// inserted before the sixth and then before the third character (appended
// when the text is too short for the position).
QString FormatHz(int hz);

// The printed configuration report: the station settings and the enabled
// channels on one to four A4 pages, previewed before printing. It is filled
// from what the editors show, so unsaved edits print too.
class Tf_print : public QWidget {
    Q_OBJECT
public:
    explicit Tf_print(QWidget* parent = nullptr);

    TReport report;

    TReportBand* PageHeaderBand1;
    TReportLabel* QRLabel1;      // ЗАО "Велтар"
    TReportLabel* QRLabel2;      // "Программатор Tarnik"

    TReportBand* B1;             // settings and the first 15 enabled channels
    TReportBand* B2;             // enabled channels 16 to 45
    TReportBand* B3;             // 46 to 75
    TReportBand* B4;             // 76 to 100

    TReportBand* PageFooterBand1;
    TReportSysData* QRSysData1;  // date and time
    TReportLabel* QRLabel4;      // "Страница"
    TReportSysData* QRSysData2;  // page number

    // B1: the settings section.
    TReportLabel* QRLabel24;     // "Параметры станции"
    TReportLabel* bandValue;
    TReportLabel* volumeValue;
    TReportLabel* squelchValue;
    TReportLabel* analogSqlValue;
    TReportLabel* deviationValue;
    TReportLabel* micValue;
    TReportLabel* rxGainValue;
    TReportLabel* ctcssTxValue;
    TReportLabel* ctcssRxValue;
    TReportLabel* scramblerOnValue;
    TReportLabel* scramblerFittedValue;
    TReportLabel* pttTimeoutValue;
    TReportLabel* busyLockoutValue;
    TReportLabel* repeaterValue;
    TReportLabel* timeoutValue;
    TReportLabel* noiseLine1;    // levels 1 to 4
    TReportLabel* noiseLine2;    // 5 to 8
    TReportLabel* noiseLine3;    // 9 and 10
    TReportLabel* pwmValue;

    // B1: the channel section.
    TReportLabel* QRLabel26;     // "Установленные частоты каналов"
    TReportLabel* channelRule;
    QList<TReportLabel*> channelHeadings;
    TReportLabel* QRLabel52;     // "Каналов:"
    TReportLabel* QRLabel53;     // number of enabled channels
    TReportImage* I;

    TReportImage* I2;
    TReportImage* I3;
    TReportImage* I4;

    // Fills the report from the settings page and the channel rows.
    void FillReport();

    // Draws part k (1..4) of the channel table into the image: entries
    // bound k-1 up to bound k of the enabled channel numbers (bounds 0, 15,
    // 45, 75, 100), n of which there are.
    void DrawChannelTable(TReportImage* image, int k, const QVector<int>& channels, int n);

    // The print preview of the filled report, modal over the parent (the
    // main window; this window when none is given); the user prints or
    // saves as PDF from it.
    void PreviewModal(QWidget* parent = nullptr);

    // Prints the report onto the printer, honouring a chosen page range.
    // Returns the number of pages emitted.
    int Print(QPrinter* printer);

private:
    void BuildContinuationBand(TReportBand* band, TReportImage*& image);
};

extern Tf_print* f_print;
