// The read and write commands without a station: a failed read leaves the
// editors, the check before a write, the guard that keeps one station
// exchange at a time and defers a close until it has ended, and the safe
// write option kept in the catalogue.
#include "tests/support/TestRegistry.h"
#include "editors/Fconfig.h"
#include "tests/editors/ProgramWindows.h"
#include "widgets/Frbutton.h"

namespace {
int LastIcon()
{
    const int n = f_journal->ListView1->topLevelItemCount();
    return n ? f_journal->ListView1->topLevelItem(n - 1)->data(0, Qt::UserRole).toInt() : -1;
}

void SetChannel(int i, int rxHz, int txHz)
{
    Tfr_reccord* row = channelRows[i];
    row->CheckBox1->setChecked(true);
    row->commonFrequency = false;
    row->CSpinEdit1->SetValue(rxHz);
    row->CSpinEdit2->SetValue(txHz);
    row->commonFrequency = true;
}
} // namespace

class TestReadWrite : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    void aFailedReadChangesNeitherPage()
    {
        TestPorts ports;
        SimStation silent;   // a port that opens, with nothing answering
        QVERIFY(silent.Start(19200, {QStringLiteral("--silent")}, &ports, 1));
        ProgramWindows p;
        QVERIFY(p.started);
        SetChannel(4, 35000000, 36000000);
        f_settings->TrackBar1->setValue(1234);
        const QStringList before = EditorSnapshot();
        const int entries = p.Journal().size();
        f_main->read_btn->clicked();
        QVERIFY(p.Journal().size() > entries);
        QCOMPARE(LastIcon(), 6);
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(!f_main->StationBusy());
        QCOMPARE(f_main->read_btn->State(), int(Tfr_button::Normal));
    }

    void aFrequencyTheStationCannotHoldStopsTheWrite_data()
    {
        QTest::addColumn<int>("rx");
        QTest::addColumn<int>("tx");
        QTest::addColumn<QString>("said");
        QTest::newRow("beyond the code") << 59000000 << 40000000 << "вне диапазона станции";
        QTest::newRow("an empty slot") << 57000000 << 57500000 << "пустым";
    }
    void aFrequencyTheStationCannotHoldStopsTheWrite()
    {
        QFETCH(int, rx);
        QFETCH(int, tx);
        QFETCH(QString, said);
        // A catalogue whose band 1 reaches past what the station can hold.
        ProgramWindows p(SettingsWith("<max1>41000</max1>", "<max1>60000</max1>"));
        QVERIFY(p.started);
        SetChannel(2, 40000000, 40000000);
        SetChannel(7, rx, tx);
        const int entries = p.Journal().size();
        f_main->write_btn->clicked();
        QCOMPARE(p.errors.size(), 1);
        QVERIFY2(p.errors[0].startsWith(QStringLiteral("Канал 7:")), qPrintable(p.errors[0]));
        QVERIFY(p.errors[0].contains(said));
        QCOMPARE(p.Journal().size(), entries);   // the link was not asked to send anything
    }

    void aHoldableConfigurationGoesToTheLink_data()
    {
        QTest::addColumn<bool>("safeWrite");
        QTest::addColumn<QString>("failure");
        QTest::newRow("every byte") << false << "Ошибка записи данных. Возможно станция не подключена.";
        QTest::newRow("safe write") << true << "Ошибка чтения данных. Возможно станция не подключена.";
    }
    void aHoldableConfigurationGoesToTheLink()
    {
        QFETCH(bool, safeWrite);
        QFETCH(QString, failure);
        TestPorts ports;
        SimStation silent;   // a port that opens, with nothing answering
        QVERIFY(silent.Start(19200, {QStringLiteral("--silent")}, &ports, 1));
        ProgramWindows p;
        QVERIFY(p.started);
        f_config->CheckBox2->setChecked(safeWrite);
        SetChannel(7, 35000000, 36000000);
        const int entries = p.Journal().size();
        f_main->write_btn->clicked();
        QVERIFY(p.errors.isEmpty());
        QVERIFY(p.Journal().size() > entries);   // no station answers: the link reports its failure
        QCOMPARE(p.Journal().last(), failure);
        QCOMPARE(LastIcon(), 6);
    }

    void theSafeWriteOptionSurvivesARestart()
    {
        QByteArray saved;
        {
            ProgramWindows p;
            QVERIFY(p.started);
            QVERIFY(f_config->CheckBox2->isChecked());   // shipped on
            f_config->CheckBox2->setChecked(false);
            f_main->close();
            saved = p.run.ReadSettings();
        }
        QVERIFY(saved.contains("<safewrite>0</safewrite>"));
        ProgramWindows again(saved);
        QVERIFY(again.started);
        QVERIFY(!f_config->CheckBox2->isChecked());
        QVERIFY(f_config->CheckBox1->isChecked());   // the other option is its own
    }

    void aCatalogueWithoutTheOptionStartsWithItOn()
    {
        ProgramWindows p(SettingsWith("<safewrite>1</safewrite>", ""));
        QVERIFY(p.started);
        QVERIFY(!p.run.ReadSettings().contains("safewrite"));
        QVERIFY(f_config->CheckBox2->isChecked());
        f_main->close();
        QVERIFY(p.run.ReadSettings().contains("<safewrite>1</safewrite>"));
    }

    void noCommandStartsWhileAnExchangeRuns()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        const int entries = p.Journal().size();
        {
            Tf_main::StationCommand exchange(f_main);
            QVERIFY(f_main->StationBusy());
            for (Tfr_button* b : {f_main->read_btn, f_main->write_btn, f_main->fr_button2})
                QCOMPARE(b->State(), int(Tfr_button::Disabled));
            QVERIFY(!f_main->PageControl1->isEnabled());
            f_main->read_btnPClick(f_main->read_btn);
            f_main->write_btnPClick(f_main->write_btn);
            QCOMPARE(p.Journal().size(), entries);
        }
        QVERIFY(f_main->PageControl1->isEnabled());
        QCOMPARE(f_main->write_btn->State(), int(Tfr_button::Normal));
    }

    void aCloseDuringAnExchangeHappensWhenItEnds()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        f_config->CheckBox1->setChecked(false);
        {
            Tf_main::StationCommand exchange(f_main);
            f_main->close();
            QTest::qWait(50);
            QVERIFY(f_main->isVisible());
            QVERIFY(p.run.ReadSettings().contains("<onefreq>1</onefreq>"));
        }
        QTRY_VERIFY(!f_main->isVisible());
        QVERIFY(p.run.ReadSettings().contains("<onefreq>0</onefreq>"));
    }
};

TARNIK_TEST_MAIN(TestReadWrite)
#include "test_readwrite.moc"
