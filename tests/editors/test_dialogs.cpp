// The options dialog ("Принять", "Отмена" and what each one reaches) and the
// set-channel dialog with its command.
#include "tests/support/TestRegistry.h"
#include "editors/Fconfig.h"
#include "editors/Ffreqedit.h"
#include "editors/Fsetchannel.h"
#include "tests/editors/ProgramWindows.h"
#include "widgets/Frbutton.h"
#include <QTimer>

namespace {
// Runs `drive` once the modal dialog is open.
void WhenOpen(QWidget* dialog, std::function<void()> drive)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, dialog, drive] {
        if (dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            drive();
        }
    });
    poll->start(10);
}

void StepReceiveUp(Tfr_reccord* row)
{
    row->SpeedButton2MouseDown();
    row->SpeedButton2MouseUp();
}

void RunOptions(bool tick, bool accept)
{
    WhenOpen(f_config, [tick, accept] {
        f_config->CheckBox1->setChecked(tick);
        if (accept)
            f_config->fr_button1PClick();
        else
            f_config->fr_button2PClick();
    });
    f_main->fr_button7PClick(f_main->fr_button7);
}

// Runs the set-channel command; `fill` sets the dialog and presses a button.
void RunSetChannel(std::function<void()> fill)
{
    WhenOpen(f_setchannel, fill);
    f_main->fr_button2PClick(f_main->fr_button2);
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }
    void init()
    {
        windows = new ProgramWindows;
        QVERIFY(windows->started);
        for (int i : {3, 12})
            channelRows[i]->CheckBox1->setChecked(true);
    }
    void cleanup()
    {
        delete windows;
        windows = nullptr;
    }

    void acceptingTheOptionsDecouplesAndCouplesTheRows()
    {
        Tfr_reccord* row = channelRows[3];
        RunOptions(false, true);
        for (Tfr_reccord* r : channelRows)
            QVERIFY(!r->commonFrequency);
        StepReceiveUp(row);
        QCOMPARE(row->CSpinEdit1->Value(), 33025000);
        QCOMPARE(row->CSpinEdit2->Value(), 33000000);

        RunOptions(true, true);
        QVERIFY(row->commonFrequency);
        QCOMPARE(row->CSpinEdit2->Value(), 33000000);   // stays different until the next change
        StepReceiveUp(row);
        QCOMPARE(row->CSpinEdit2->Value(), 33050000);
    }

    void cancellingTheOptionsLeavesTheRowsButKeepsTheTick()
    {
        RunOptions(false, false);
        for (Tfr_reccord* r : channelRows)
            QVERIFY(r->commonFrequency);
        QVERIFY(!f_config->CheckBox1->isChecked());
        bool shownTicked = true;
        WhenOpen(f_config, [&] {
            shownTicked = f_config->CheckBox1->isChecked();
            f_config->fr_button2PClick();
        });
        f_main->fr_button7PClick(f_main->fr_button7);
        QVERIFY(!shownTicked);

        // The set-channel dialog follows the box, not the rows.
        RunSetChannel([] {
            f_setchannel->CSpinEdit1->SetValue(34000000);
            QCOMPARE(f_setchannel->CSpinEdit2->Value(), 33000000);
            f_setchannel->fr_button2PClick();
        });

        // The toggled state is what the program stores when it ends.
        f_main->close();
        QVERIFY(windows->run.ReadSettings().contains("<onefreq>0</onefreq>"));
    }

    void theSetChannelDialogStartsFromRowZero()
    {
        channelRows[0]->ComboBox1->setCurrentIndex(4);
        channelRows[0]->ComboBox2->setCurrentIndex(6);
        channelRows[0]->CheckBox1->setChecked(true);
        channelRows[0]->CSpinEdit1->SetValue(40000000);
        f_setchannel->CSpinEdit3->SetValue(17);
        f_setchannel->CSpinEdit1->SetValue(12345);
        int rx = 0, tx = 0, rxMax = 0, step = 0, toneRx = 0, toneTx = 0, number = 0;
        RunSetChannel([&] {
            rx = f_setchannel->CSpinEdit1->Value();
            tx = f_setchannel->CSpinEdit2->Value();
            rxMax = f_setchannel->CSpinEdit1->MaxValue();
            step = f_setchannel->CSpinEdit2->Increment();
            toneRx = f_setchannel->ComboBox1->currentIndex();
            toneTx = f_setchannel->ComboBox2->currentIndex();
            number = f_setchannel->CSpinEdit3->Value();
            f_setchannel->fr_button2PClick();
        });
        QCOMPARE(rx, 33000000);
        QCOMPARE(tx, 33000000);
        QCOMPARE(rxMax, 41000000);
        QCOMPARE(step, 25000);
        QCOMPARE(toneRx, 4);
        QCOMPARE(toneTx, 6);
        QCOMPARE(number, 17);   // the number used last time
        QVERIFY(!f_setchannel->accepted);
    }

    void okPutsTheChosenRowOnTheDialogsValues()
    {
        Tfr_reccord* row = channelRows[12];
        row->CheckBox1->setChecked(false);
        RunSetChannel([] {
            f_setchannel->CSpinEdit3->SetValue(12);
            f_setchannel->CSpinEdit1->SetValue(33500000);
            f_setchannel->ComboBox1->setCurrentIndex(3);
            f_setchannel->fr_button1PClick();
        });
        QVERIFY(f_setchannel->accepted);
        QVERIFY(row->CheckBox1->isChecked() && row->CSpinEdit1->isEnabled());
        QCOMPARE(row->CSpinEdit1->Value(), 33500000);
        QCOMPARE(row->CSpinEdit2->Value(), 33500000);
        QCOMPARE(row->ComboBox1->currentText(), QStringLiteral("71,9 Гц"));
        QCOMPARE(row->CSpinEdit1->MaxValue(), 41000000);
    }

    void okAppliesSplitFrequenciesToARowWithoutTheCommonFrequency()
    {
        RunOptions(false, true);
        RunSetChannel([] {
            f_setchannel->CSpinEdit3->SetValue(40);
            f_setchannel->CSpinEdit1->SetValue(35000000);
            f_setchannel->CSpinEdit2->SetValue(36000000);
            f_setchannel->ComboBox2->setCurrentIndex(50);
            f_setchannel->fr_button1PClick();
        });
        Tfr_reccord* row = channelRows[40];
        QCOMPARE(row->CSpinEdit1->Value(), 35000000);
        QCOMPARE(row->CSpinEdit2->Value(), 36000000);
        QCOMPARE(row->ComboBox2->currentIndex(), 50);
    }

    void aChannelNumberOutsideTheChannelsAppliesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("150") << "150";
        QTest::newRow("100") << "100";
        QTest::newRow("negative") << "-3";
    }
    void aChannelNumberOutsideTheChannelsAppliesNothing()
    {
        QFETCH(QString, typed);
        const QStringList before = EditorSnapshot();
        RunSetChannel([typed] {
            f_setchannel->CSpinEdit3->SetText(typed);   // typed, the field still has the focus
            f_setchannel->CSpinEdit1->SetValue(36000000);
            f_setchannel->fr_button1PClick();
        });
        QVERIFY(!f_setchannel->accepted);
        QCOMPARE(EditorSnapshot(), before);
    }

    void cancelAppliesNothing()
    {
        const QStringList before = EditorSnapshot();
        RunSetChannel([] {
            f_setchannel->CSpinEdit3->SetValue(3);
            f_setchannel->CSpinEdit1->SetValue(36000000);
            f_setchannel->fr_button2PClick();
        });
        QCOMPARE(EditorSnapshot(), before);
    }

    void theDialogsFieldsStepAndTakeTheFrequencyEntry()
    {
        int rxAfterStep = 0, txAfterStep = 0, rxAfterEntry = 0, txAfterEntry = 0;
        RunSetChannel([&] {
            f_setchannel->SpeedButton4MouseDown();
            f_setchannel->Timer1Timer();
            f_setchannel->SpeedButton4MouseUp();
            rxAfterStep = f_setchannel->CSpinEdit1->Value();
            txAfterStep = f_setchannel->CSpinEdit2->Value();
            WhenOpen(f_freq, [] {
                QTest::keyClicks(f_freq->MaskEdit1, QStringLiteral("38000"));
                f_freq->fr_button1PClick();
            });
            f_setchannel->CSpinEdit2Click();
            rxAfterEntry = f_setchannel->CSpinEdit1->Value();
            txAfterEntry = f_setchannel->CSpinEdit2->Value();
            f_setchannel->fr_button2PClick();
        });
        QCOMPARE(txAfterStep, 33050000);
        QCOMPARE(rxAfterStep, 33050000);   // the options box is ticked
        QCOMPARE(txAfterEntry, 38000000);
        QCOMPARE(rxAfterEntry, 38000000);
    }

    void theCommandWaitsForAStationExchange()
    {
        Tf_main::StationCommand exchange(f_main);
        f_main->fr_button2PClick(f_main->fr_button2);   // would block in exec() if it opened
        QVERIFY(!f_setchannel->isVisible());
        QCOMPARE(f_main->fr_button2->State(), int(Tfr_button::Disabled));
    }

private:
    ProgramWindows* windows = nullptr;
};

TARNIK_TEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
