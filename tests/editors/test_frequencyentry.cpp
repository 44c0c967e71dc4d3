// The frequency entry: reading the masked text, rounding to the band step,
// and the dialog's entry field, Enter, "Ок" and "Отмена".
#include "tests/support/TestRegistry.h"
#include "editors/Ffreqedit.h"
#include "editors/FrequencyEntry.h"
#include "editors/Fsettings.h"
#include "widgets/CSpinEdit.h"
#include <QLineEdit>
#include <QTimer>
#include <QTest>

class TestFrequencyEntry : public QObject {
    Q_OBJECT
private slots:
    void readingTheEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("hz");
        QTest::newRow("step 12 500") << "45 125" << 12500 << 45125000;
        QTest::newRow("step 10 000 rounds down") << "45 125" << 10000 << 45120000;
        QTest::newRow("step 25 000 rounds down") << "45 130" << 25000 << 45125000;
        QTest::newRow("largest") << "99 999" << 1 << 99999000;
        QTest::newRow("largest, step 100") << "99 999" << 100 << 99999000;
        QTest::newRow("empty") << "      " << 25000 << 0;
        QTest::newRow("stops at the first inner blank") << "4  1  " << 1000 << 4000;
        QTest::newRow("two digits") << "45    " << 1000 << 45000;
        QTest::newRow("leading blanks skipped") << "   125" << 1000 << 125000;
        QTest::newRow("three characters") << "451" << 1 << 0;
        QTest::newRow("leading zeros") << "03 300" << 100 << 3300000;
    }
    void readingTheEntry()
    {
        QFETCH(QString, text);
        QFETCH(int, step);
        QFETCH(int, hz);
        QCOMPARE(FrequencyEntryHz(text, step), hz);
    }

    void aLongerTextStillFitsTheResult()
    {
        QVERIFY(FrequencyEntryHz(QStringLiteral("99 99999999999"), 1000) > 0);
        QCOMPARE(FrequencyEntryHz(QStringLiteral("45 125"), 0), 45125000);   // no step: not rounded
    }

    void typingShowsTheMaskAndReadsBackWithBlanks()
    {
        Tf_freq d;
        d.FormShow();
        QCOMPARE(d.EntryText(), QStringLiteral("      "));
        QCOMPARE(d.MaskEdit1->displayText(), QStringLiteral("__ ___"));
        QTest::keyClicks(d.MaskEdit1, QStringLiteral("451"));
        QCOMPARE(d.MaskEdit1->displayText(), QStringLiteral("45 1__"));
        QCOMPARE(d.EntryText(), QStringLiteral("45 1  "));
        QTest::keyClicks(d.MaskEdit1, QStringLiteral("x25"));   // only digits go in
        QCOMPARE(d.EntryText(), QStringLiteral("45 125"));
    }

    void enterOnReleaseAcceptsLikeOk()
    {
        frequencyStep = 12500;
        Tf_freq d;
        QTimer::singleShot(0, &d, [&] {
            QTest::keyClicks(d.MaskEdit1, QStringLiteral("45125"));
            QTest::keyPress(d.MaskEdit1, Qt::Key_Return);
            QVERIFY(d.isVisible());   // the press alone does nothing
            QTest::keyRelease(d.MaskEdit1, Qt::Key_Return);
        });
        d.exec();
        QVERIFY(d.accepted);
        QCOMPARE(d.frequencyHz, 45125000);
        frequencyStep = 100;
    }

    void okAcceptsAndRoundsToTheCurrentStep()
    {
        frequencyStep = 10000;
        Tf_freq d;
        QTimer::singleShot(0, &d, [&] {
            QTest::keyClicks(d.MaskEdit1, QStringLiteral("45125"));
            d.fr_button1PClick();
        });
        d.exec();
        QVERIFY(d.accepted);
        QCOMPARE(d.frequencyHz, 45120000);
        frequencyStep = 100;
    }

    void eachOpeningStartsEmpty()
    {
        Tf_freq d;
        QTimer::singleShot(0, &d, [&] {
            QTest::keyClicks(d.MaskEdit1, QStringLiteral("45125"));
            d.fr_button1PClick();
        });
        d.exec();
        QString shown;
        QTimer::singleShot(0, &d, [&] {
            shown = d.EntryText();
            d.fr_button2PClick();
        });
        d.exec();
        QCOMPARE(shown, QStringLiteral("      "));
        QVERIFY(!d.accepted);
        QCOMPARE(d.frequencyHz, 0);
    }

    void theCallingFieldTakesTheResultOnlyWhenAccepted()
    {
        Tf_freq d;
        TCSpinEdit field;
        field.SetMinValue(33000000);
        field.SetMaxValue(41000000);
        field.SetValue(35000000);

        QTimer::singleShot(0, &d, [&] {
            QTest::keyClicks(d.MaskEdit1, QStringLiteral("36"));
            d.fr_button2PClick();
        });
        d.EnterInto(&field);
        QCOMPARE(field.Value(), 35000000);   // "Отмена" leaves the field

        QTimer::singleShot(0, &d, [&] { d.fr_button1PClick(); });
        d.EnterInto(&field);
        QCOMPARE(field.Value(), 33000000);   // empty entry: the band minimum

        QTimer::singleShot(0, &d, [&] {
            QTest::keyClicks(d.MaskEdit1, QStringLiteral("99999"));
            d.fr_button1PClick();
        });
        d.EnterInto(&field);
        QCOMPARE(field.Value(), 41000000);   // above the band: the upper bound
    }
};

TARNIK_TEST_MAIN(TestFrequencyEntry)
#include "test_frequencyentry.moc"
