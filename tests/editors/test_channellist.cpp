// The channel list page: the rows after start-up, and the translation of
// the channel table to and from a record.
#include "tests/support/TestRegistry.h"
#include "link/StationRecord.h"
#include "tests/editors/ProgramWindows.h"
#include <QLabel>
#include <QScrollArea>

namespace {
// A record whose enabled channels are 1 (split), 5 (disabled), 7, 42 and 98
// (split), inside band 1.
TTarnikPlus SampleChannels()
{
    TTarnikPlus r;
    r.channels.resize(100);
    auto set = [&](int i, int rx, int tx, int toneRx, int toneTx) {
        r.channels[i] = TTarnikRec{true, tx, rx, toneTx, toneRx};
    };
    set(1, 35000, 36000, 1, 50);
    set(7, 40000, 40000, 3, 0);
    set(42, 33025, 33050, 0, 12);
    set(98, 40975, 33000, 49, 2);
    r.channels[5] = TTarnikRec{false, 39000, 38000, 4, 4};
    return r;
}
} // namespace

class TestChannelList : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        windows = new ProgramWindows;
        QVERIFY(windows->started);
    }
    void cleanup()
    {
        delete windows;
        windows = nullptr;
    }

    void afterStartUpTheRowsStandNumbered32PixelsApart()
    {
        QCOMPARE(channelRows.size(), ChannelCount);
        QVERIFY(f_channels->ScrollBox1->isVisible());
        for (int n = 0; n < ChannelCount; ++n) {
            Tfr_reccord* row = channelRows[n];
            QCOMPARE(row->Panel1->text(), QString::number(n));
            QCOMPARE(row->pos(), QPoint(0, 32 * n));
            QVERIFY(row->isVisibleTo(f_channels));
            QCOMPARE(row->parentWidget(), f_channels->ScrollBox1->widget());
        }
        const QStringList journal = ProgramWindows::Journal();
        QVERIFY(journal.indexOf(QStringLiteral("Пожайлуста подождите..."))
                < journal.indexOf(QStringLiteral("Можно начинать к работу")));
    }

    void loadShowsEachChannelsOwnFrequenciesWithTheCommonFrequencyOn()
    {
        QVERIFY(channelRows[1]->commonFrequency);
        f_channels->LoadFromRecord(SampleChannels());
        Tfr_reccord* row = channelRows[1];
        QVERIFY(row->CheckBox1->isChecked() && row->CSpinEdit1->isEnabled());
        QCOMPARE(row->CSpinEdit1->Value(), 35000000);
        QCOMPARE(row->CSpinEdit2->Value(), 36000000);
        QCOMPARE(row->ComboBox1->currentIndex(), 1);
        QCOMPARE(row->ComboBox2->currentIndex(), 50);
        QCOMPARE(channelRows[98]->CSpinEdit1->Value(), 40975000);
        QCOMPARE(channelRows[98]->CSpinEdit2->Value(), 33000000);
        QCOMPARE(channelRows[98]->ComboBox1->currentText(), QStringLiteral("250,3 Гц"));
    }

    void aDisabledChannelKeepsWhatItsRowShowed()
    {
        Tfr_reccord* row = channelRows[5];
        row->CheckBox1->setChecked(true);
        row->commonFrequency = false;
        row->CSpinEdit1->SetValue(34000000);
        row->CSpinEdit2->SetValue(34500000);
        row->ComboBox1->setCurrentIndex(9);
        f_channels->LoadFromRecord(SampleChannels());
        QVERIFY(!row->CheckBox1->isChecked());
        QVERIFY(!row->CSpinEdit1->isEnabled() && !row->ComboBox2->isEnabled());
        QCOMPARE(row->CSpinEdit1->Value(), 34000000);
        QCOMPARE(row->CSpinEdit2->Value(), 34500000);
        QCOMPARE(row->ComboBox1->currentIndex(), 9);
    }

    void loadedFrequenciesOutsideTheBandGoToTheNearestLimit()
    {
        TTarnikPlus r = SampleChannels();
        r.channels[7].RX = 50000;
        r.channels[7].TX = 20000;
        f_channels->LoadFromRecord(r);
        QCOMPARE(channelRows[7]->CSpinEdit1->Value(), 41000000);
        QCOMPARE(channelRows[7]->CSpinEdit2->Value(), 33000000);
    }

    void aToneIndexAbove50LeavesNoSelectionAndIsSavedAsMinusOne()
    {
        TTarnikPlus r = SampleChannels();
        r.channels[7].CTCSSRX = 51;
        r.channels[7].CTCSSTX = 200;
        f_channels->LoadFromRecord(r);
        QCOMPARE(channelRows[7]->ComboBox1->currentIndex(), -1);
        TTarnikPlus out;
        f_channels->SaveToRecord(out);
        QCOMPARE(out.channels[7].CTCSSRX, -1);
        QCOMPARE(out.channels[7].CTCSSTX, -1);
    }

    void saveGivesTheLoadedTableBack()
    {
        const TTarnikPlus in = SampleChannels();
        f_channels->LoadFromRecord(in);
        TTarnikPlus out;
        out.channels.resize(150);   // brought to 100
        f_channels->SaveToRecord(out);
        QCOMPARE(int(out.channels.size()), ChannelCount);
        QCOMPARE(out.lastChannel, 98);
        for (int i = 0; i < ChannelCount; ++i) {
            QCOMPARE(out.channels[i].enable, in.channels[i].enable);
            if (!in.channels[i].enable)
                continue;
            QCOMPARE(out.channels[i].RX, in.channels[i].RX);
            QCOMPARE(out.channels[i].TX, in.channels[i].TX);
            QCOMPARE(out.channels[i].CTCSSRX, in.channels[i].CTCSSRX);
            QCOMPARE(out.channels[i].CTCSSTX, in.channels[i].CTCSSTX);
        }
    }

    void lastChannelIsTheHighestEnabledOrZero()
    {
        TTarnikPlus none;
        none.channels.resize(100);
        f_channels->LoadFromRecord(none);
        TTarnikPlus out;
        f_channels->SaveToRecord(out);
        QCOMPARE(out.lastChannel, 0);
        QCOMPARE(int(out.channels.size()), 100);
        for (const TTarnikRec& ch : out.channels)
            QVERIFY(!ch.enable);
        channelRows[99]->CheckBox1->setChecked(true);
        f_channels->SaveToRecord(out);
        QCOMPARE(out.lastChannel, 99);
    }

    void hertzAreSavedAsWholeKilohertz()
    {
        Tfr_reccord* row = channelRows[3];
        row->CheckBox1->setChecked(true);
        row->commonFrequency = false;
        row->CSpinEdit1->SetValue(33006250);
        row->CSpinEdit2->SetValue(33999999);
        TTarnikPlus out;
        f_channels->SaveToRecord(out);
        QCOMPARE(out.channels[3].RX, 33006);
        QCOMPARE(out.channels[3].TX, 33999);
    }

    void aValueStillBeingTypedIsSavedClampedAndMirrored()
    {
        Tfr_reccord* row = channelRows[2];
        row->CheckBox1->setChecked(true);
        row->CSpinEdit1->Editor()->selectAll();
        QTest::keyClicks(row->CSpinEdit1->Editor(), QStringLiteral("99000000"));
        TTarnikPlus out;
        f_channels->SaveToRecord(out);
        QCOMPARE(out.channels[2].RX, 41000);
        QCOMPARE(out.channels[2].TX, 41000);
    }

private:
    ProgramWindows* windows = nullptr;
};

TARNIK_TEST_MAIN(TestChannelList)
#include "test_channellist.moc"
