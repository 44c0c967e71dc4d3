// The station settings page: the lists and the band change at start-up, the
// band change on a pick and on a record load, the record translation, the
// refusals of an unknown band and of a bad catalogue, the noise-level rows
// and "Установить".
#include "tests/support/TestRegistry.h"
#include "document/Convert.h"
#include "editors/Ffreqedit.h"
#include "editors/Fconfig.h"
#include "link/StationRecord.h"
#include "tests/editors/ProgramWindows.h"
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

namespace {
TTarnikPlus SampleSettings()
{
    TTarnikPlus r;
    r.range = 2;
    r.volume = 5;
    r.squelch = 9;
    r.analogSql = 15;
    r.deviation = 10;
    r.micSensitivity = 3;
    r.rxGain = 16;
    r.ctcssTxLevel = 4;
    r.ctcssRxLevel = 11;
    r.scramblerOn = true;
    r.scramblerFitted = false;
    r.pttTimeout = true;
    r.busyLockout = false;
    r.repeater = true;
    r.timeoutTime = 65535;
    r.normalPowerOff = true;
    r.normalTxEnd = false;
    r.noiseLevels = {0, 1, 2, 50, 100, 127, 128, 200, 254, 255};
    r.pwmPower = 255;
    return r;
}

void CompareSettings(const TTarnikPlus& a, const TTarnikPlus& b)
{
    QCOMPARE(a.range, b.range);
    QCOMPARE(a.volume, b.volume);
    QCOMPARE(a.squelch, b.squelch);
    QCOMPARE(a.analogSql, b.analogSql);
    QCOMPARE(a.deviation, b.deviation);
    QCOMPARE(a.micSensitivity, b.micSensitivity);
    QCOMPARE(a.rxGain, b.rxGain);
    QCOMPARE(a.ctcssTxLevel, b.ctcssTxLevel);
    QCOMPARE(a.ctcssRxLevel, b.ctcssRxLevel);
    QCOMPARE(a.scramblerOn, b.scramblerOn);
    QCOMPARE(a.scramblerFitted, b.scramblerFitted);
    QCOMPARE(a.pttTimeout, b.pttTimeout);
    QCOMPARE(a.busyLockout, b.busyLockout);
    QCOMPARE(a.repeater, b.repeater);
    QCOMPARE(a.timeoutTime, b.timeoutTime);
    QCOMPARE(a.normalPowerOff, b.normalPowerOff);
    QCOMPARE(a.normalTxEnd, b.normalTxEnd);
    QCOMPARE(a.noiseLevels, b.noiseLevels);
    QCOMPARE(a.pwmPower, b.pwmPower);
}

void VerifyEveryRowOn(int minHz, int maxHz, int stepHz)
{
    for (Tfr_reccord* row : channelRows) {
        for (TCSpinEdit* f : {row->CSpinEdit1, row->CSpinEdit2}) {
            QCOMPARE(f->MinValue(), minHz);
            QCOMPARE(f->MaxValue(), maxHz);
            QCOMPARE(f->Increment(), stepHz);
            QCOMPARE(f->Value(), minHz);
        }
    }
}

void PickBand(int index)
{
    f_settings->ComboBox1->setCurrentIndex(index);
    emit f_settings->ComboBox1->activated(index);
}

void PutChannelsOffTheMinimum()
{
    for (int i : {0, 3, 99}) {
        Tfr_reccord* row = channelRows[i];
        row->CheckBox1->setChecked(i != 3);
        row->commonFrequency = false;
        row->CSpinEdit1->SetValue(row->CSpinEdit1->MaxValue());
        row->CSpinEdit2->SetValue(row->CSpinEdit2->MinValue() + 500000);
        row->commonFrequency = true;
    }
}
} // namespace

class TestSettingsPage : public QObject {
    Q_OBJECT
private slots:
    void startUpFillsTheListsAndPutsEveryRowOnBandOne()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        QVERIFY(p.JournalHas(QStringLiteral("Настройки загружены")));
        QCOMPARE(f_settings->size(), QSize(557, 871));
        QCOMPARE(f_settings->ComboBox1->count(), 3);
        QCOMPARE(f_settings->ComboBox1->itemText(0), QStringLiteral("33000 - 41000 кГц"));
        QCOMPARE(f_settings->ComboBox2->count(), 11);
        QCOMPARE(f_settings->ComboBox2->itemText(0), QStringLiteral("Нет"));
        QCOMPARE(f_settings->ComboBox3->count(), 8);
        QCOMPARE(f_settings->ComboBox5->count(), 10);
        QCOMPARE(f_settings->ComboBox7->count(), 16);
        QCOMPARE(f_settings->ComboBox7->itemText(15), QStringLiteral("15"));
        for (QComboBox* box : {f_settings->ComboBox4, f_settings->ComboBox6, f_settings->ComboBox8, f_settings->ComboBox9}) {
            QCOMPARE(box->count(), 17);
            QCOMPARE(box->itemText(0), QStringLiteral("Нет"));
        }
        for (QComboBox* box : f_settings->Lists())
            QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(frequencyStep, 25000);
        VerifyEveryRowOn(33000000, 41000000, 25000);
        for (Tfr_reccord* row : channelRows)
            QVERIFY(row->commonFrequency);
        QVERIFY(f_config->CheckBox1->isChecked());
        QVERIFY(!f_settings->GroupBox1->isEnabled());
        QCOMPARE(f_settings->Edit1->text(), QStringLiteral("0"));
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("0"));
        QVERIFY(p.errors.isEmpty());
    }

    void commonFrequencyOffAtStartUp()
    {
        ProgramWindows p(SettingsWith("<onefreq>1</onefreq>", "<onefreq>0</onefreq>"));
        QVERIFY(p.started);
        for (Tfr_reccord* row : channelRows)
            QVERIFY(!row->commonFrequency);
        QVERIFY(!f_config->CheckBox1->isChecked());
    }

    void pickingABandResetsEveryRowToItsMinimum()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        PutChannelsOffTheMinimum();
        PickBand(2);
        VerifyEveryRowOn(49000000, 56975000, 25000);
        QCOMPARE(frequencyStep, 25000);
        channelRows[0]->SpeedButton2MouseDown();
        channelRows[0]->SpeedButton2MouseUp();
        QCOMPARE(channelRows[0]->CSpinEdit1->Value(), 49025000);
        QVERIFY(!channelRows[3]->CheckBox1->isChecked());   // enable states stay
        QVERIFY(channelRows[99]->CheckBox1->isChecked());
    }

    void theCatalogueStepRulesTheArrowsAndTheFrequencyEntry()
    {
        ProgramWindows p(SettingsWith("<step>25000</step>", "<step>10000</step>"));
        QVERIFY(p.started);
        QCOMPARE(frequencyStep, 10000);
        VerifyEveryRowOn(33000000, 41000000, 10000);
        QTimer::singleShot(0, f_freq, [] {
            QTest::keyClicks(f_freq->MaskEdit1, QStringLiteral("35125"));
            f_freq->fr_button1PClick();
        });
        f_freq->EnterInto(channelRows[4]->CSpinEdit1);
        QCOMPARE(channelRows[4]->CSpinEdit1->Value(), 35120000);
    }

    void aBandChangeWithABadCatalogueChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("step 0") << QByteArray("<step>25000</step>") << QByteArray("<step>0</step>");
        QTest::newRow("negative step") << QByteArray("<step>25000</step>") << QByteArray("<step>-25000</step>");
        QTest::newRow("step not a number") << QByteArray("<step>25000</step>") << QByteArray("<step>abc</step>");
        QTest::newRow("maximum missing") << QByteArray("<max2>49000</max2>") << QByteArray();
    }
    void aBandChangeWithABadCatalogueChangesNothing()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        ProgramWindows p;
        QVERIFY(p.started);
        PutChannelsOffTheMinimum();
        QVERIFY(p.run.WriteSettings(SettingsWith(from, to)));
        const QStringList before = EditorSnapshot();
        PickBand(1);
        QCOMPARE(p.errors.size(), 1);
        f_settings->ComboBox1->setCurrentIndex(0);   // the pick itself is the only change
        QCOMPARE(EditorSnapshot(), before);
    }

    void aBadStepStopsTheStartUpBeforeTheRowsChange()
    {
        frequencyStep = 1234;
        ProgramWindows p(SettingsWith("<step>25000</step>", "<step>0</step>"));
        QVERIFY(QTest::qWaitFor([] { return ProgramWindows::JournalHas(QStringLiteral("Можно начинать к работу")); }));
        QCOMPARE(p.errors.size(), 1);
        QVERIFY(!p.JournalHas(QStringLiteral("Настройки загружены")));
        QCOMPARE(frequencyStep, 1234);
        QCOMPARE(channelRows[0]->CSpinEdit1->MaxValue(), 0);
    }

    void noBandsSelectedNamesTheMissingBand()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        f_settings->ComboBox1->setCurrentIndex(-1);
        const QStringList before = EditorSnapshot();
        QVERIFY(!Guarded([] { f_settings->ComboBox1Change(f_main); }));
        QCOMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors[0].contains(QStringLiteral("диапазон 0")), qPrintable(p.errors[0]));
        QCOMPARE(EditorSnapshot(), before);
    }

    void loadThenSaveGivesTheSettingsBack()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        const TTarnikPlus in = SampleSettings();
        f_settings->LoadFromRecord(in);
        QCOMPARE(f_settings->Edit1->text(), QStringLiteral("65535"));
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("255"));
        QCOMPARE(f_settings->ComboBox9->currentIndex(), 11);   // the receive level in its own list
        QCOMPARE(f_settings->ComboBox8->currentIndex(), 4);
        QVERIFY(f_settings->CheckBox6->isChecked() && !f_settings->CheckBox7->isChecked());
        QCOMPARE(f_settings->noiseLevelRows[9]->CSpinEdit1->Text(), QStringLiteral("255"));
        VerifyEveryRowOn(41000000, 49000000, 25000);   // band 2
        TTarnikPlus out;
        f_settings->SaveToRecord(out);
        CompareSettings(out, in);

        TTarnikPlus flipped = in;
        flipped.normalPowerOff = false;
        flipped.normalTxEnd = true;
        flipped.range = 1;
        f_settings->LoadFromRecord(flipped);
        f_settings->SaveToRecord(out);
        CompareSettings(out, flipped);
    }

    void aValueWithoutAnItemIsSavedAs255()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        TTarnikPlus in = SampleSettings();
        in.volume = 8;        // the list holds 0..7
        in.deviation = 31;    // 0..10
        in.analogSql = 200;
        f_settings->LoadFromRecord(in);
        QCOMPARE(f_settings->ComboBox3->currentIndex(), -1);
        TTarnikPlus out;
        f_settings->SaveToRecord(out);
        QCOMPARE(out.volume, 255);
        QCOMPARE(out.deviation, 255);
        QCOMPARE(out.analogSql, 255);
        QCOMPARE(out.squelch, in.squelch);
    }

    void aRecordWithAnUnknownBandIsRefusedWhole_data()
    {
        QTest::addColumn<int>("range");
        QTest::newRow("0") << 0;
        QTest::newRow("beyond the list") << 4;
        QTest::newRow("255") << 255;
    }
    void aRecordWithAnUnknownBandIsRefusedWhole()
    {
        QFETCH(int, range);
        ProgramWindows p;
        QVERIFY(p.started);
        PutChannelsOffTheMinimum();
        const QStringList before = EditorSnapshot();
        TTarnikPlus in = SampleSettings();
        in.range = static_cast<uint8_t>(range);
        try {
            f_settings->LoadFromRecord(in);
            QFAIL("the record was accepted");
        } catch (const EConvertError& e) {
            QVERIFY2(e.Message().contains(QStringLiteral("диапазон %1 ").arg(range)), qPrintable(e.Message()));
        }
        QCOMPARE(EditorSnapshot(), before);
    }

    void aBandTheCatalogueCannotDescribeIsRefusedWhole()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        QVERIFY(p.run.WriteSettings(SettingsWith("<min2>41000</min2>", "<min2>x</min2>")));
        const QStringList before = EditorSnapshot();
        QVERIFY(!Guarded([] { f_settings->LoadFromRecord(SampleSettings()); }));
        QCOMPARE(p.errors.size(), 1);
        QCOMPARE(EditorSnapshot(), before);
    }

    void noiseLevelRows()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        QCOMPARE(f_settings->noiseLevelRows.size(), 10);
        for (int i = 0; i < 10; ++i) {
            Tfr_noiselevel* row = f_settings->noiseLevelRows[i];
            QCOMPARE(row->Panel1->text(), QStringLiteral("№%1").arg(i + 1));
            QCOMPARE(row->y(), 32 * i);
            QCOMPARE(row->size(), QSize(241, 32));
        }
        f_main->PageControl1->setCurrentIndex(1);
        QTRY_COMPARE(f_settings->ScrollBox1->viewport()->height(), 160);   // five rows at a time
        Tfr_noiselevel* row = f_settings->noiseLevelRows[0];
        row->SpeedButton1->click();
        QCOMPARE(row->CSpinEdit1->Value(), 0);
        row->CSpinEdit1->SetValue(254);
        row->SpeedButton2->click();
        row->SpeedButton2->click();
        QCOMPARE(row->CSpinEdit1->Value(), 255);
        row->CSpinEdit1->SetText(QString());
        QCOMPARE(row->CSpinEdit1->Value(), 0);
        QCOMPARE(row->CSpinEdit1->Text(), QStringLiteral("0"));
        // A value typed beyond 255 and saved while still in the field.
        row->CSpinEdit1->SetText(QStringLiteral("300"));
        TTarnikPlus out;
        f_settings->SaveToRecord(out);
        QCOMPARE(out.noiseLevels[0], 255);
    }

    void setWritesOnlyThePwmPowerAndWaitsForAnExchange()
    {
        TestPorts ports;
        SimStation silent;   // a port that opens, with nothing answering
        QVERIFY(silent.Start(19200, {QStringLiteral("--silent")}, &ports, 1));
        ProgramWindows p;
        QVERIFY(p.started);
        f_settings->TrackBar2->setValue(77);
        QCOMPARE(f_settings->Edit2->text(), QStringLiteral("77"));
        channelRows[1]->CheckBox1->setChecked(true);
        const QStringList before = EditorSnapshot();
        const int entries = p.Journal().size();
        {
            Tf_main::StationCommand other(f_main);
            f_settings->Button1Click();
            QCOMPARE(p.Journal().size(), entries);   // refused while another exchange runs
        }
        f_settings->Button1->click();
        // No station answers: the one exchange was tried and reported its failure.
        QVERIFY(p.Journal().size() > entries);
        const int n = f_journal->ListView1->topLevelItemCount();
        QCOMPARE(f_journal->ListView1->topLevelItem(n - 1)->data(0, Qt::UserRole).toInt(), 6);
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(!f_main->StationBusy());
    }
};

TARNIK_TEST_MAIN(TestSettingsPage)
#include "test_settingspage.moc"
