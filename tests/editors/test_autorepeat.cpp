// The auto-repeat of the frequency arrow buttons: its schedule (driven by a
// counted clock: each timer expiry is delivered by hand), the bounds while
// held, and a real press and release on a channel row.
#include "tests/support/TestRegistry.h"
#include "editors/AutoRepeat.h"
#include "editors/Frreccord.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QTimer>
#include <QToolButton>
#include <QTest>

namespace {
// Holds a button for `holdMs` and returns the times (ms after the press) at
// which the field stepped, with every timer expiry delivered at its due
// time.
QList<int> StepTimes(TAutoRepeat& repeat, QTimer& timer, TCSpinEdit& field, int button, int holdMs)
{
    QList<int> times;
    int now = 0;
    QObject::connect(&field, &TCSpinEdit::Change, &field, [&] { times << now; });
    repeat.Press(button);
    while (timer.isActive() && now + timer.interval() <= holdMs) {
        now += timer.interval();
        repeat.Tick();
    }
    repeat.Release();
    QObject::disconnect(&field, &TCSpinEdit::Change, &field, nullptr);
    return times;
}

struct Pair {
    Pair()
        : repeat(&timer, &rx, &tx)
    {
        for (TCSpinEdit* f : {&rx, &tx}) {
            f->SetMinValue(0);
            f->SetMaxValue(1000000);
            f->SetValue(500000);
        }
    }
    QTimer timer;
    TCSpinEdit rx, tx;
    TAutoRepeat repeat;
};
} // namespace

class TestAutoRepeat : public QObject {
    Q_OBJECT
private slots:
    void holdingStepsAtOnceThenAfter500ThenEvery150ThenEvery50()
    {
        Pair p;
        const QList<int> times = StepTimes(p.repeat, p.timer, p.rx, TAutoRepeat::ReceiveUp, 2100);
        const QList<int> expected{0, 500, 650, 800, 950, 1100, 1250, 1400, 1550, 1700, 1850,
                                  1900, 1950, 2000, 2050, 2100};
        QCOMPARE(times, expected);
        QCOMPARE(p.rx.Value(), 500000 + 16);
        QCOMPARE(p.repeat.RepeatCount(), 15);
    }

    void releaseStopsTheTimerAndRestoresTheFirstDelay()
    {
        Pair p;
        p.repeat.Press(TAutoRepeat::TransmitDown);
        QVERIFY(p.timer.isActive());
        QCOMPARE(p.timer.interval(), 500);
        for (int i = 0; i < 12; ++i)
            p.repeat.Tick();
        QCOMPARE(p.timer.interval(), 50);
        p.repeat.Release();
        QVERIFY(!p.timer.isActive());
        QCOMPARE(p.timer.interval(), 500);
        QCOMPARE(p.tx.Value(), 500000 - 13);
        QCOMPARE(p.rx.Value(), 500000);   // the other field is not stepped
        // A new press starts over: one step, first delay again.
        p.repeat.Press(TAutoRepeat::TransmitUp);
        QCOMPARE(p.repeat.RepeatCount(), 0);
        QCOMPARE(p.timer.interval(), 500);
        QCOMPARE(p.repeat.HeldButton(), int(TAutoRepeat::TransmitUp));
    }

    void eachCodeStepsItsFieldAndDirection()
    {
        Pair p;
        for (TCSpinEdit* f : {&p.rx, &p.tx})
            f->SetIncrement(25000);
        p.repeat.Step(TAutoRepeat::ReceiveDown);
        p.repeat.Step(TAutoRepeat::TransmitUp);
        p.repeat.Step(TAutoRepeat::TransmitUp);
        QCOMPARE(p.rx.Value(), 475000);
        QCOMPARE(p.tx.Value(), 550000);
        p.repeat.Step(TAutoRepeat::ReceiveUp);
        p.repeat.Step(TAutoRepeat::TransmitDown);
        QCOMPARE(p.rx.Value(), 500000);
        QCOMPARE(p.tx.Value(), 525000);
    }

    void theBoundsHoldHoweverLongTheButtonIsHeld()
    {
        Pair p;
        p.rx.SetIncrement(300000);
        StepTimes(p.repeat, p.timer, p.rx, TAutoRepeat::ReceiveUp, 5000);
        QCOMPARE(p.rx.Value(), 1000000);
        StepTimes(p.repeat, p.timer, p.rx, TAutoRepeat::ReceiveDown, 5000);
        QCOMPARE(p.rx.Value(), 0);
    }

    void aRowPressAndReleaseWithin500MsStepsOnce()
    {
        Tfr_reccord row;
        row.commonFrequency = false;
        row.CheckBox1->setChecked(true);
        row.show();
        const int before = row.CSpinEdit2->Value();
        QTest::mousePress(row.SpeedButton4, Qt::LeftButton);
        QCOMPARE(row.CSpinEdit2->Value(), before + 1);   // at once
        QTest::qWait(200);
        QTest::mouseRelease(row.SpeedButton4, Qt::LeftButton);
        QTest::qWait(500);
        QCOMPARE(row.CSpinEdit2->Value(), before + 1);
        QVERIFY(!row.Timer1->isActive());
    }

    void aRowRepeatsWhileHeldWithAnyMouseButton()
    {
        Tfr_reccord row;
        row.commonFrequency = false;
        row.CheckBox1->setChecked(true);
        row.show();
        QTest::mousePress(row.SpeedButton1, Qt::RightButton);
        QTest::qWait(1000);   // steps due at 0, 500, 650, 800, 950
        QTest::mouseRelease(row.SpeedButton1, Qt::RightButton);
        const int steps = -row.CSpinEdit1->Value();
        QVERIFY2(steps >= 3 && steps <= 6, qPrintable(QString::number(steps)));
        QCOMPARE(row.CSpinEdit2->Value(), 0);
    }

    void aDisabledRowsArrowsDoNothing()
    {
        Tfr_reccord row;
        row.show();
        QTest::mousePress(row.SpeedButton2, Qt::LeftButton);
        QTest::mouseRelease(row.SpeedButton2, Qt::LeftButton);
        QCOMPARE(row.CSpinEdit1->Value(), 0);
        QVERIFY(!row.Timer1->isActive());
    }
};

TARNIK_TEST_MAIN(TestAutoRepeat)
#include "test_autorepeat.moc"
