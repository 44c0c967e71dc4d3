// One channel row: creation, enable, the common frequency (stepping, code,
// typing, loading), and the frequency entry on a click.
#include "tests/support/TestRegistry.h"
#include "editors/Ffreqedit.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QTest>

namespace {
constexpr int Min = 33000000, Max = 41000000, Step = 25000;

void Band(Tfr_reccord& row, int min = Min, int max = Max, int step = Step)
{
    for (TCSpinEdit* f : {row.CSpinEdit1, row.CSpinEdit2}) {
        Tfr_reccord::SetBounds(f, min, max, step);
        f->SetValue(min);
    }
}

void LoseFocus(TCSpinEdit* e)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(e->Editor(), &out);
}

void Type(TCSpinEdit* e, const QString& text)
{
    e->Editor()->selectAll();
    QTest::keyClicks(e->Editor(), text);
}

// Runs `drive` on the frequency entry dialog once it is open.
void WhenEntryOpens(const std::function<void()>& drive)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, drive] {
        if (f_freq->isVisible()) {
            poll->stop();
            poll->deleteLater();
            drive();
        }
    });
    poll->start(10);
}
} // namespace

class TestChannelRow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        f_freq = new Tf_freq;
        frequencyStep = Step;
    }
    void cleanupTestCase()
    {
        delete f_freq;
        f_freq = nullptr;
    }

    void aNewRowIsDisabledCommonAndShowsTheToneList()
    {
        Tfr_reccord row;
        QVERIFY(row.commonFrequency);
        QCOMPARE(row.size(), QSize(722, 32));
        QVERIFY(!row.CheckBox1->isChecked());
        for (QWidget* w : std::initializer_list<QWidget*>{row.SpeedButton1, row.CSpinEdit1, row.SpeedButton2,
                                                          row.SpeedButton3, row.CSpinEdit2, row.SpeedButton4,
                                                          row.ComboBox1, row.ComboBox2})
            QVERIFY(!w->isEnabled());
        QVERIFY(row.CheckBox1->isEnabled());
        for (QComboBox* box : {row.ComboBox1, row.ComboBox2}) {
            QCOMPARE(box->count(), 51);
            QCOMPARE(box->currentIndex(), 0);
            QCOMPARE(box->itemText(0), QStringLiteral("Нет"));
            QCOMPARE(box->itemText(1), QStringLiteral("67,0 Гц"));
            QCOMPARE(box->itemText(50), QStringLiteral("254,1 Гц"));
        }
    }

    void enableTogglesTheEditingControlsAndKeepsValues()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        row.commonFrequency = false;
        row.CSpinEdit1->SetValue(35000000);
        row.CSpinEdit2->SetValue(36000000);
        row.ComboBox2->setCurrentIndex(7);
        row.CheckBox1->setChecked(false);
        QVERIFY(!row.CSpinEdit1->isEnabled() && !row.ComboBox2->isEnabled() && !row.SpeedButton4->isEnabled());
        row.CheckBox1->setChecked(true);
        QVERIFY(row.CSpinEdit1->isEnabled() && row.ComboBox2->isEnabled() && row.SpeedButton4->isEnabled());
        QCOMPARE(row.CSpinEdit1->Value(), 35000000);
        QCOMPARE(row.CSpinEdit2->Value(), 36000000);
        QCOMPARE(row.ComboBox2->currentIndex(), 7);
    }

    void steppingMirrorsOnlyWithTheCommonFrequency()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        row.SpeedButton2MouseDown();
        row.SpeedButton2MouseUp();
        QCOMPARE(row.CSpinEdit1->Value(), Min + Step);
        QCOMPARE(row.CSpinEdit2->Value(), Min + Step);
        row.SpeedButton3MouseDown();   // transmit down brings the receive along
        row.SpeedButton3MouseUp();
        QCOMPARE(row.CSpinEdit1->Value(), Min);

        row.commonFrequency = false;
        row.SpeedButton4MouseDown();
        row.SpeedButton4MouseUp();
        QCOMPARE(row.CSpinEdit2->Value(), Min + Step);
        QCOMPARE(row.CSpinEdit1->Value(), Min);
    }

    void mirroringClampsByTheOtherFieldsBoundsAndBouncesOnce()
    {
        Tfr_reccord row;
        Tfr_reccord::SetBounds(row.CSpinEdit1, 33000000, 41000000, Step);
        Tfr_reccord::SetBounds(row.CSpinEdit2, 49000000, 56975000, Step);
        row.CSpinEdit1->SetValue(35000000);
        QCOMPARE(row.CSpinEdit2->Value(), 49000000);
        QCOMPARE(row.CSpinEdit1->Value(), 41000000);   // the bounce back, clamped by its own bounds
    }

    void aFrequencyCanBeTypedWithTheCommonFrequencyOn()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        Type(row.CSpinEdit1, QStringLiteral("35125000"));
        QCOMPARE(row.CSpinEdit1->Text(), QStringLiteral("35125000"));   // not snapped to the minimum
        QCOMPARE(row.CSpinEdit2->Value(), Min);                          // not yet mirrored
        LoseFocus(row.CSpinEdit1);
        QCOMPARE(row.CSpinEdit2->Value(), 35125000);

        Type(row.CSpinEdit2, QStringLiteral("36000000"));
        QCOMPARE(row.CSpinEdit1->Value(), 35125000);
        QTest::keyClick(row.CSpinEdit2->Editor(), Qt::Key_Return);
        QCOMPARE(row.CSpinEdit1->Value(), 36000000);
    }

    void aTypedValueOutsideTheBandIsClampedAndMirroredOnFocusLoss()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        Type(row.CSpinEdit1, QStringLiteral("3"));
        QCOMPARE(row.CSpinEdit2->Value(), Min);
        LoseFocus(row.CSpinEdit1);
        QCOMPARE(row.CSpinEdit1->Value(), Min);
        Type(row.CSpinEdit1, QStringLiteral("99000000"));
        LoseFocus(row.CSpinEdit1);
        QCOMPARE(row.CSpinEdit1->Value(), Max);
        QCOMPARE(row.CSpinEdit2->Value(), Max);
    }

    void typingWithoutTheCommonFrequencyStaysInTheField()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        row.commonFrequency = false;
        Type(row.CSpinEdit1, QStringLiteral("35000000"));
        LoseFocus(row.CSpinEdit1);
        QCOMPARE(row.CSpinEdit1->Value(), 35000000);
        QCOMPARE(row.CSpinEdit2->Value(), Min);
    }

    void leavingAFieldWithoutTypingKeepsAPairThatDiffers()
    {
        Tfr_reccord row;
        Band(row);
        row.LoadFrequencies(35000000, 36000000);
        LoseFocus(row.CSpinEdit1);
        QTest::keyClick(row.CSpinEdit2->Editor(), Qt::Key_Return);
        QCOMPARE(row.CSpinEdit1->Value(), 35000000);
        QCOMPARE(row.CSpinEdit2->Value(), 36000000);
    }

    void loadingKeepsEachChannelsOwnFrequencies()
    {
        Tfr_reccord row;
        Band(row);
        QVERIFY(row.commonFrequency);
        row.LoadFrequencies(35000000, 40000000);
        QCOMPARE(row.CSpinEdit1->Value(), 35000000);
        QCOMPARE(row.CSpinEdit2->Value(), 40000000);
        row.LoadFrequencies(1, 99000000);   // each clamped by its own bounds
        QCOMPARE(row.CSpinEdit1->Value(), Min);
        QCOMPARE(row.CSpinEdit2->Value(), Max);
        // The next change made by the user couples them again.
        row.SpeedButton2MouseDown();
        row.SpeedButton2MouseUp();
        QCOMPARE(row.CSpinEdit2->Value(), Min + Step);
    }

    void aLoadDropsAValueTypedBefore()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        Type(row.CSpinEdit1, QStringLiteral("34000000"));
        QCOMPARE(row.CSpinEdit1->Text(), QStringLiteral("34000000"));
        row.LoadFrequencies(35000000, 36000000);
        LoseFocus(row.CSpinEdit1);
        QCOMPARE(row.CSpinEdit1->Value(), 35000000);
        QCOMPARE(row.CSpinEdit2->Value(), 36000000);
    }

    void commitTypedFrequencyMirrorsAValueStillInTheField()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        Type(row.CSpinEdit2, QStringLiteral("37000000"));
        row.CommitTypedFrequency();
        QCOMPARE(row.CSpinEdit1->Value(), 37000000);
        row.CommitTypedFrequency();   // nothing pending any more
        row.commonFrequency = false;
        row.CSpinEdit1->SetValue(38000000);
        row.CommitTypedFrequency();
        QCOMPARE(row.CSpinEdit2->Value(), 37000000);
    }

    void aClickOpensTheFrequencyEntryForThatField()
    {
        Tfr_reccord row;
        Band(row);
        row.CheckBox1->setChecked(true);
        row.show();
        WhenEntryOpens([] {
            QTest::keyClicks(f_freq->MaskEdit1, QStringLiteral("36130"));
            f_freq->fr_button1PClick();
        });
        QTest::mouseClick(row.CSpinEdit2->Editor(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(row.CSpinEdit2->Value(), 36125000);   // rounded down to the step
        QCOMPARE(row.CSpinEdit1->Value(), 36125000);       // and mirrored

        WhenEntryOpens([] {
            QTest::keyClicks(f_freq->MaskEdit1, QStringLiteral("50000"));
            f_freq->fr_button1PClick();
        });
        QTest::mouseClick(row.CSpinEdit1->Editor(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(row.CSpinEdit1->Value(), Max);   // above the band: the upper bound

        bool opened = false;
        WhenEntryOpens([&] {
            opened = true;
            QTest::keyClicks(f_freq->MaskEdit1, QStringLiteral("34000"));
            f_freq->fr_button2PClick();
        });
        QTest::mouseClick(row.CSpinEdit1->Editor(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(opened);
        QTRY_VERIFY(!f_freq->isVisible());
        QCOMPARE(row.CSpinEdit1->Value(), Max);   // "Отмена" leaves the field
    }
};

TARNIK_TEST_MAIN(TestChannelRow)
#include "test_channelrow.moc"
