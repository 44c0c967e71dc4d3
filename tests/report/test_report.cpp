// The printed report: band split and page count on real PDF output, the
// channel table's rows and texts, the settings values and FormatHz.
#include "tests/support/TestRegistry.h"
#include "report/Fprint.h"
#include "tests/app/ProgramHarness.h"
#include "tests/support/TestRunDir.h"
#include "widgets/Frbutton.h"
#include <QFile>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <climits>

namespace {

// A paint device that keeps the texts drawn on it with their positions in
// device coordinates, so a test can read what a picture or a page shows.
class TextRecorder : public QPaintDevice {
public:
    struct Text {
        QPointF pos;   // baseline start
        QString text;
        qreal end;     // x where the text ends
    };
    QList<Text> texts;

    QPaintEngine* paintEngine() const override { return &engine; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 718;
        case PdmHeight: return 1047;
        case PdmWidthMM: return 190;
        case PdmHeightMM: return 277;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder* owner) : QPaintEngine(AllFeatures), owner(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        // The defaults of the two polygon calls call each other.
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        // A line of mixed scripts arrives in pieces; a piece that starts
        // where the previous one ended is joined to it.
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            const QPointF at = state->transform().map(p);
            const qreal end = state->transform().map(p + QPointF(item.width(), 0)).x();
            if (!owner->texts.isEmpty()) {
                Text& last = owner->texts.last();
                if (qAbs(last.pos.y() - at.y()) < 0.01 && qAbs(last.end - at.x()) < 0.5) {
                    last.text += item.text();
                    last.end = end;
                    return;
                }
            }
            owner->texts.append({at, item.text(), end});
        }
        Type type() const override { return User; }

    private:
        TextRecorder* owner;
    };
    mutable Engine engine{this};
};

QStringList TextsOf(const TextRecorder& r)
{
    QStringList out;
    for (const auto& t : r.texts)
        out << t.text;
    return out;
}

// The table texts of one image, row by row (rows are 24 pixels high).
QList<QStringList> TableRows(const TReportImage* image)
{
    TextRecorder rec;
    {
        QPainter p(&rec);
        p.drawPicture(0, 0, image->picture);
    }
    QList<QStringList> rows;
    for (const auto& t : rec.texts) {
        const int row = qRound(t.pos.y()) / 24;
        while (rows.size() <= row)
            rows << QStringList();
        rows[row] << t.text;
    }
    return rows;
}

// Rows drawn into an image, found from its outline: the left edge is dark
// from the top down to the last row's bottom and white below.
int OutlineRows(const TReportImage* image)
{
    QImage img(665, 720, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        p.drawPicture(0, 0, image->picture);
    }
    int y = 0;
    while (y < img.height() && qGray(img.pixel(0, y)) < 128)
        ++y;
    return y % 24 == 0 ? y / 24 : -1;
}

int PdfPageObjects(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = f.readAll();
    int count = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at, 12) != "/Type /Pages")
            ++count;
    return count;
}

void EnableOnly(const QVector<int>& channels)
{
    for (int c = 0; c < channelRows.size(); ++c)
        channelRows[c]->CheckBox1->setChecked(channels.contains(c));
}

QVector<int> FirstChannels(int n)
{
    QVector<int> v;
    for (int c = 0; c < n; ++c)
        v << c;
    return v;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private:
    TestRunDir run;
    QTemporaryDir out;

    int RenderPdf(const QString& path)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        f_print->report.SetUpPage(&printer);
        return f_print->Print(&printer);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(run.IsValid());
        QVERIFY(harness::StartProgram());
    }
    void cleanupTestCase() { harness::StopProgram(); }

    void formatHz_data()
    {
        QTest::addColumn<int>("hz");
        QTest::addColumn<QString>("text");
        QTest::newRow("band start") << 33000000 << "33 000 000";
        QTest::newRow("band end") << 56975000 << "56 975 000";
        QTest::newRow("odd") << 41234567 << "41 234 567";
        QTest::newRow("nine digits") << 123456789 << "12 345 6789";
        QTest::newRow("five digits") << 12345 << "12 345 ";
        QTest::newRow("zero") << 0 << "0  ";
    }
    void formatHz()
    {
        QFETCH(int, hz);
        QFETCH(QString, text);
        QCOMPARE(FormatHz(hz), text);
    }

    void pageCountFollowsEnabledChannels_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << 1;
        QTest::newRow("15") << 15 << 1;
        QTest::newRow("16") << 16 << 2;
        QTest::newRow("45") << 45 << 2;
        QTest::newRow("46") << 46 << 3;
        QTest::newRow("76") << 76 << 4;
        QTest::newRow("100") << 100 << 4;
    }
    void pageCountFollowsEnabledChannels()
    {
        QFETCH(int, channels);
        QFETCH(int, pages);
        EnableOnly(FirstChannels(channels));
        f_print->FillReport();
        QCOMPARE(f_print->report.PageCount(), pages);
        const QString path = out.filePath(QStringLiteral("report%1.pdf").arg(channels));
        QCOMPARE(RenderPdf(path), pages);
        QCOMPARE(PdfPageObjects(path), pages);
        QCOMPARE(f_print->QRLabel53->text, QString::number(channels));
        QCOMPARE(f_print->B2->Printed(), channels > 15);
        QCOMPARE(f_print->B3->Printed(), channels > 45);
        QCOMPARE(f_print->B4->Printed(), channels > 75);
    }

    void tableRowsPerPage()
    {
        EnableOnly(FirstChannels(100));
        f_print->FillReport();
        QCOMPARE(OutlineRows(f_print->I), 15);
        QCOMPARE(OutlineRows(f_print->I2), 30);
        QCOMPARE(OutlineRows(f_print->I3), 30);
        QCOMPARE(OutlineRows(f_print->I4), 25);
        const QList<QStringList> last = TableRows(f_print->I4);
        QCOMPARE(last.size(), 25);
        QCOMPARE(last.first().first(), QStringLiteral("75"));
        QCOMPARE(last.last().first(), QStringLiteral("99"));
        QCOMPARE(TableRows(f_print->I2).first().first(), QStringLiteral("15"));

        EnableOnly(FirstChannels(16));
        f_print->FillReport();
        QCOMPARE(OutlineRows(f_print->I2), 1);
        // Nothing of the longer report is left in the images not redrawn.
        QVERIFY(f_print->I3->picture.isNull());
    }

    void channelsPrintWithTheirOwnNumbersAndTexts()
    {
        EnableOnly({3, 7, 50});
        Tfr_reccord* three = channelRows[3];
        const int min = three->CSpinEdit1->MinValue();
        three->LoadFrequencies(min, min + 25000);
        three->ComboBox1->setCurrentIndex(0);
        three->ComboBox2->setCurrentIndex(1);
        channelRows[7]->ComboBox1->setCurrentIndex(50);
        channelRows[7]->ComboBox2->setCurrentIndex(0);
        f_print->FillReport();

        const QList<QStringList> rows = TableRows(f_print->I);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0], (QStringList{"3", FormatHz(min), FormatHz(min + 25000), "Нет", three->ComboBox2->itemText(1)}));
        QCOMPARE(rows[1][0], QStringLiteral("7"));
        QCOMPARE(rows[1][3], channelRows[7]->ComboBox1->itemText(50));
        QCOMPARE(rows[1][4], QStringLiteral("Нет"));
        QCOMPARE(rows[2][0], QStringLiteral("50"));
        QCOMPARE(OutlineRows(f_print->I), 3);
        QCOMPARE(f_print->report.PageCount(), 1);
    }

    void cellTextsAreCentred()
    {
        EnableOnly({42});
        f_print->FillReport();
        TextRecorder rec;
        {
            QPainter p(&rec);
            p.drawPicture(0, 0, f_print->I->picture);
        }
        QCOMPARE(rec.texts.size(), 5);
        const QFontMetrics fm(ReportFont(11));
        const int edges[] = {0, 57, 209, 361, 513, 665};
        for (int cell = 0; cell < 5; ++cell) {
            const auto& t = rec.texts[cell];
            QCOMPARE(qRound(t.pos.x()), edges[cell] + (edges[cell + 1] - edges[cell] - fm.horizontalAdvance(t.text)) / 2);
            QCOMPARE(qRound(t.pos.y()), (24 - fm.height()) / 2 + fm.ascent());
        }
    }

    void noChannelsLeavesOutTheChannelSection()
    {
        EnableOnly({});
        f_print->FillReport();
        QVERIFY(!f_print->QRLabel26->enabled);
        QVERIFY(!f_print->I->enabled);
        for (TReportLabel* h : f_print->channelHeadings)
            QVERIFY(!h->enabled);
        QVERIFY(f_print->QRLabel52->enabled);
        QCOMPARE(f_print->QRLabel53->text, QStringLiteral("0"));

        TextRecorder rec;
        {
            QPainter p(&rec);
            f_print->report.PaintPage(p, f_print->report.LayOut(), 0, QDateTime::currentDateTime());
        }
        const QStringList texts = TextsOf(rec);
        QVERIFY(texts.contains(QStringLiteral("Каналов:")));
        QVERIFY(!texts.contains(QStringLiteral("Установленные частоты каналов")));
        QVERIFY(!texts.contains(QStringLiteral("CTCSS(RX)")));
    }

    void settingsAsTheEditorsShowThem()
    {
        // Unsaved edits on the page print as they stand.
        f_settings->ComboBox3->setCurrentIndex(2);
        f_settings->CheckBox1->setChecked(true);
        f_settings->CheckBox2->setChecked(false);
        f_settings->TrackBar1->setValue(65535);
        f_settings->TrackBar2->setValue(255);
        for (int r = 0; r < 10; ++r)
            f_settings->noiseLevelRows[r]->CSpinEdit1->SetValue(10 * (r + 1));
        f_print->FillReport();
        QCOMPARE(f_print->volumeValue->text, f_settings->ComboBox3->itemText(2));
        QCOMPARE(f_print->bandValue->text, f_settings->ComboBox1->currentText());
        QCOMPARE(f_print->deviationValue->text, f_settings->ComboBox2->currentText());
        QCOMPARE(f_print->scramblerOnValue->text, QStringLiteral("Включен"));
        QCOMPARE(f_print->scramblerFittedValue->text, QStringLiteral("Отключен"));
        QCOMPARE(f_print->timeoutValue->text, QStringLiteral("65535"));
        QCOMPARE(f_print->pwmValue->text, QStringLiteral("255"));
        QCOMPARE(f_print->noiseLine1->text, QStringLiteral("10, 20, 30, 40"));
        QCOMPARE(f_print->noiseLine2->text, QStringLiteral("50, 60, 70, 80"));
        QCOMPARE(f_print->noiseLine3->text, QStringLiteral("90, 100"));
    }

    void everyPageHasHeaderAndNumberedFooter()
    {
        EnableOnly(FirstChannels(50));
        f_print->FillReport();
        const auto pages = f_print->report.LayOut();
        QCOMPARE(pages.size(), 3);
        for (int i = 0; i < pages.size(); ++i) {
            TextRecorder rec;
            {
                QPainter p(&rec);
                f_print->report.PaintPage(p, pages, i, QDateTime::currentDateTime());
            }
            const QStringList texts = TextsOf(rec);
            QVERIFY(texts.contains(QStringLiteral("ЗАО \"Велтар\"")));
            QVERIFY(texts.contains(QStringLiteral("Программатор Tarnik")));
            QVERIFY(texts.contains(QStringLiteral("Страница")));
            QVERIFY(texts.contains(QString::number(i + 1)));
            // The footer sits at the foot of the printable area: 1047 - 40.
            for (const auto& t : rec.texts)
                if (t.text == QStringLiteral("Страница"))
                    QCOMPARE(qRound(t.pos.y()), 1007 + 11 + QFontMetrics(ReportFont(10)).ascent());
        }
        QCOMPARE(f_print->report.DetailHeight(), 967);
    }

    void tableScalesWithTheDevice()
    {
        // On a 192-dpi page the table of 15 rows starts at twice its 96-dpi
        // place (header 40 + 489 down, 19 across) and is twice as long.
        EnableOnly(FirstChannels(15));
        f_print->FillReport();
        QImage page(2 * 718, 2 * 1047, QImage::Format_RGB32);
        page.setDotsPerMeterX(7559);
        page.setDotsPerMeterY(7559);
        page.fill(Qt::white);
        {
            QPainter p(&page);
            p.scale(2, 2);
            f_print->report.PaintPage(p, f_print->report.LayOut(), 0, QDateTime::currentDateTime());
        }
        // Below the headings (y 463 + 16), above the footer.
        int top = -1, bottom = -1;
        for (int y = 2 * (40 + 480); y < 2 * 1007; ++y) {
            if (qGray(page.pixel(38, y)) < 128) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        QVERIFY(qAbs(top - 2 * 529) <= 2);
        QVERIFY(qAbs(bottom - 2 * (529 + 360)) <= 2);
    }

    void pageRangeIsHonoured()
    {
        EnableOnly(FirstChannels(100));
        f_print->FillReport();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = out.filePath(QStringLiteral("range.pdf"));
        printer.setOutputFileName(path);
        f_print->report.SetUpPage(&printer);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        QCOMPARE(f_print->Print(&printer), 2);
        QCOMPARE(PdfPageObjects(path), 2);
    }

    void printButtonShowsThePreview()
    {
        EnableOnly(FirstChannels(46));
        int previewPages = -1;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (dialog) {
                seen = true;
                if (auto* view = dialog->findChild<QPrintPreviewWidget*>())
                    previewPages = view->pageCount();
                dialog->reject();
            }
        });
        f_main->fr_button1PClick(f_main->fr_button1);
        QVERIFY(seen);
        QCOMPARE(previewPages, 3);
    }
};

TARNIK_TEST_MAIN(TestReport)
#include "test_report.moc"
