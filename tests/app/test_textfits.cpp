// Every caption of the fixed layouts fits its control in English as well
// as in Russian: the windows are built in each language and every text is
// measured with the control's own font (Arial, as the windows ask for it)
// against the room the control gives it; the printed report's lines
// likewise against the labels beside them.
#include "tests/support/TestRegistry.h"
#include "ProgramHarness.h"
#include "document/ProgramLanguage.h"
#include "editors/Fconfig.h"
#include "editors/Ffreqedit.h"
#include "editors/Fsetchannel.h"
#include "link/Fcomsettings.h"
#include "link/Fsearch.h"
#include "report/Fprint.h"
#include "tests/support/TestRunDir.h"
#include "tests/widgets/TextFits.h"
#include "widgets/Fabout.h"
#include "widgets/Frbutton.h"
#include "widgets/Fstartup.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <memory>

namespace {

// The misfits of every window the program builds, each measured while it
// is shown (the drawn controls lay themselves out when shown).
QStringList ProgramMisfits()
{
    QStringList misfits;
    for (QWidget* w : QList<QWidget*>{f_main, f_com, f_config, f_freq, f_search, f_about, f_setchannel, f_startup}) {
        const bool wasShown = w->isVisible();
        w->show();
        if (!QTest::qWaitForWindowExposed(w))
            misfits << QStringLiteral("%1 not shown").arg(QString::fromLatin1(w->metaObject()->className()));
        misfits << TextMisfits(w);
        if (!wasShown)
            w->hide();
    }
    return misfits;
}

} // namespace

class TestTextFits : public QObject {
    Q_OBJECT
private slots:
    void init() { run = std::make_unique<TestRunDir>(); }
    void cleanup()
    {
        InstallLanguage(*qApp, QStringLiteral("ru"));
        run.reset();
    }

    // The measure itself: each kind of control that shows a caption is
    // caught when its text is too long, and left alone when it fits.
    void tooLongCaptionsAreCaught()
    {
        QWidget window;
        window.resize(300, 200);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(16);
        window.setFont(f);
        const QString longText = QStringLiteral("A caption far too long for its place");

        auto* label = new QLabel(QStringLiteral("Port"), &window);
        label->setGeometry(8, 8, 60, 20);
        auto* grown = new QLabel(QStringLiteral("Level"), &window);
        grown->move(8, 40);
        grown->adjustSize();
        auto* list = new QComboBox(&window);
        list->setGeometry(120, 40, 120, 24);
        list->addItems({QStringLiteral("None"), QStringLiteral("1")});
        auto* check = new QCheckBox(QStringLiteral("On"), &window);
        check->setGeometry(8, 80, 120, 20);
        auto* group = new QGroupBox(QStringLiteral("Flags"), &window);
        group->setGeometry(8, 110, 120, 40);
        auto* button = new Tfr_button(&window);
        button->setGeometry(140, 110, 100, 40);
        button->SetCaption(QStringLiteral("OK"));
        QCOMPARE(TextMisfits(&window), QStringList());

        label->setText(longText);
        QCOMPARE(TextMisfits(&window).size(), 1);
        label->setText(QStringLiteral("Port"));
        // An auto-sized caption that runs into the list beside it.
        grown->setText(longText);
        grown->adjustSize();
        QVERIFY(TextMisfits(&window).join('\n').contains(QStringLiteral("runs into")));
        grown->setText(QStringLiteral("Level"));
        grown->adjustSize();
        list->addItem(longText);
        QCOMPARE(TextMisfits(&window).size(), 1);
        list->removeItem(2);
        check->setText(longText);
        QCOMPARE(TextMisfits(&window).size(), 1);
        check->setText(QStringLiteral("On"));
        group->setTitle(longText);
        QCOMPARE(TextMisfits(&window).size(), 1);
        group->setTitle(QStringLiteral("Flags"));
        button->SetCaption(longText);
        QCOMPARE(TextMisfits(&window).size(), 1);
        button->SetCaption(QStringLiteral("OK\nOK\nOK"));
        QCOMPARE(TextMisfits(&window).size(), 1);
        button->SetCaption(QStringLiteral("OK"));
        QCOMPARE(TextMisfits(&window), QStringList());

        // A report line: a caption and its value to the right.
        TReport report;
        TReportBand* band = report.AddDetail(100, Qt::white);
        TReportLabel* caption = band->AddLabel(40, 10, QStringLiteral("Volume"), ReportFont(10));
        band->AddLabel(228, 10, QStringLiteral("Level 5"), ReportFont(10));
        band->AddLabel(16, 20, QString(60, QLatin1Char('_')), ReportFont(10));
        QCOMPARE(ReportMisfits(band, report.bandWidth), QStringList());
        caption->text = longText;
        QCOMPARE(ReportMisfits(band, report.bandWidth).size(), 1);
        caption->text = QStringLiteral("Volume");
        band->AddLabel(600, 40, longText, ReportFont(10));
        QCOMPARE(ReportMisfits(band, report.bandWidth).size(), 1);
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("read");
        QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("Read");
        QTest::newRow("Russian") << QStringLiteral("ru") << QStringLiteral("Чтение");
    }

    void everyTextFits()
    {
        QFETCH(QString, setting);
        QFETCH(QString, read);
        // Measured with the font the windows get for Arial on the machines
        // the program ships to (fonts-liberation).
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(16);
        QVERIFY2(QFontInfo(arial).family().contains(QStringLiteral("Liberation Sans"))
                     || QFontInfo(arial).family() == QStringLiteral("Arial"),
                 qPrintable(QFontInfo(arial).family()));

        InstallLanguage(*qApp, setting);
        QVERIFY(harness::StartProgram());
        QCOMPARE(f_main->read_btn->Lines(), QStringList{read});
        QStringList misfits = ProgramMisfits();
        // The printed report of the configuration the windows hold.
        f_print->FillReport();
        misfits << ReportMisfits(f_print->report.PageHeader(), f_print->report.bandWidth)
                << ReportMisfits(f_print->report.PageFooter(), f_print->report.bandWidth)
                << ReportMisfits(f_print->B1, f_print->report.bandWidth);
        harness::StopProgram();
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QLatin1Char('\n'))));
    }

private:
    std::unique_ptr<TestRunDir> run;
};

TARNIK_TEST_MAIN(TestTextFits)
#include "test_textfits.moc"
