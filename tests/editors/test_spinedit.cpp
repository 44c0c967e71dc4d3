// The spin edit every editor uses: bounds, reading, typing, focus loss,
// change notification and the click and commit signals.
#include "tests/support/TestRegistry.h"
#include "widgets/CSpinEdit.h"
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
void SetBounds(TCSpinEdit& e, int min, int max, int step = 1)
{
    e.SetMinValue(min);
    e.SetMaxValue(max);
    e.SetIncrement(step);
}

void LoseFocus(TCSpinEdit& e)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(e.Editor(), &out);
}
} // namespace

class TestSpinEdit : public QObject {
    Q_OBJECT
private slots:
    void newFieldHasNoBoundsAndStepsByOne()
    {
        TCSpinEdit e;
        QCOMPARE(e.MinValue(), 0);
        QCOMPARE(e.MaxValue(), 0);
        QCOMPARE(e.Increment(), 1);
        QCOMPARE(e.Text(), QStringLiteral("0"));
        e.SetValue(-123456);
        QCOMPARE(e.Value(), -123456);
        e.StepUp();
        QCOMPARE(e.Value(), -123455);
    }

    void equalBoundsClampNothingOtherBoundsClamp()
    {
        TCSpinEdit e;
        SetBounds(e, 7, 7);
        e.SetValue(100);
        QCOMPARE(e.Value(), 100);
        SetBounds(e, 10, 20);
        QCOMPARE(e.Value(), 100);   // changing the bounds does not re-check
        e.SetValue(100);
        QCOMPARE(e.Value(), 20);
        e.SetValue(-5);
        QCOMPARE(e.Value(), 10);
    }

    void steppingHoldsTheBounds()
    {
        TCSpinEdit e;
        SetBounds(e, 33000000, 41000000, 25000);
        e.SetValue(40990000);
        e.StepUp();
        QCOMPARE(e.Value(), 41000000);
        e.StepUp();
        QCOMPARE(e.Value(), 41000000);
        e.SetValue(33010000);
        e.StepDown();
        QCOMPARE(e.Value(), 33000000);
        e.StepDown();
        QCOMPARE(e.Value(), 33000000);
    }

    void steppingAtTheIntegerLimitsDoesNotOverflow()
    {
        TCSpinEdit e;
        e.SetValue(std::numeric_limits<int>::max());
        e.StepUp();
        QCOMPARE(e.Value(), std::numeric_limits<int>::max());
        e.SetValue(std::numeric_limits<int>::min());
        e.StepDown();
        QCOMPARE(e.Value(), std::numeric_limits<int>::min());
    }

    void textThatIsNotAnIntegerReadsAsTheLowerBoundAndIsReset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("sign only") << "-";
        QTest::newRow("decimal") << "12,5";
        QTest::newRow("trailing blank") << "12 ";
        QTest::newRow("too large") << "99999999999";
    }
    void textThatIsNotAnIntegerReadsAsTheLowerBoundAndIsReset()
    {
        QFETCH(QString, text);
        TCSpinEdit e;
        SetBounds(e, 5, 255);
        e.SetText(text);
        QCOMPARE(e.Value(), 5);
        QCOMPARE(e.Text(), QStringLiteral("5"));
    }

    void signedAndBlankLedTextsAreIntegers()
    {
        TCSpinEdit e;
        e.SetText(QStringLiteral("+42"));
        QCOMPARE(e.Value(), 42);
        e.SetText(QStringLiteral("  -7"));
        QCOMPARE(e.Value(), -7);
    }

    void clampedValueBringsATypedValueIntoTheBounds()
    {
        TCSpinEdit e;
        SetBounds(e, 0, 255);
        e.SetText(QStringLiteral("300"));
        QCOMPARE(e.Value(), 300);   // read as typed
        QCOMPARE(e.ClampedValue(), 255);
        QCOMPARE(e.Text(), QStringLiteral("255"));
        e.SetText(QStringLiteral("-4"));
        QCOMPARE(e.ClampedValue(), 0);
    }

    void focusLossClampsAndCommits()
    {
        TCSpinEdit e;
        SetBounds(e, 0, 255);
        QSignalSpy commits(&e, &TCSpinEdit::Commit);
        e.SetText(QStringLiteral("999"));
        LoseFocus(e);
        QCOMPARE(e.Text(), QStringLiteral("255"));
        QCOMPARE(commits.count(), 1);
        e.SetText(QStringLiteral("17"));
        LoseFocus(e);
        QCOMPARE(e.Text(), QStringLiteral("17"));
        QCOMPARE(commits.count(), 2);
    }

    void enterCommits()
    {
        TCSpinEdit e;
        QSignalSpy commits(&e, &TCSpinEdit::Commit);
        QTest::keyClick(e.Editor(), Qt::Key_Return);
        QCOMPARE(commits.count(), 1);
    }

    void settingTheShownTextRaisesNoChange()
    {
        TCSpinEdit e;
        SetBounds(e, 0, 100);
        e.SetValue(50);
        QSignalSpy changes(&e, &TCSpinEdit::Change);
        e.SetValue(50);
        e.SetText(QStringLiteral("50"));
        e.SetValue(500);   // clamps to 100: a change
        e.SetValue(100);   // the same text again
        QCOMPARE(changes.count(), 1);
        e.StepUp();        // already at the upper bound
        QCOMPARE(changes.count(), 1);
    }

    void onlyNumberCharactersCanBeTyped()
    {
        TCSpinEdit e;
        e.SetText(QString());
        QTest::keyClicks(e.Editor(), QStringLiteral("1a2 b-3+"));
        QCOMPARE(e.Text(), QStringLiteral("12-3+"));
        e.Editor()->selectAll();
        e.Editor()->insert(QStringLiteral("x45"));   // a paste goes through the same check
        QCOMPARE(e.Text(), QStringLiteral("12-3+"));
    }

    // The decimal separator that can be typed is the program's (the comma),
    // whatever locale the system gives.
    void theProgramsDecimalSeparatorWhateverTheLocale()
    {
        const QLocale system;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TCSpinEdit e;
        e.SetText(QString());
        QTest::keyClicks(e.Editor(), QStringLiteral("1.2,5"));
        QLocale::setDefault(system);
        QCOMPARE(e.Text(), QStringLiteral("12,5"));
    }

    void upAndDownKeysStepByTheIncrement()
    {
        TCSpinEdit e;
        SetBounds(e, 0, 100, 10);
        e.SetValue(50);
        QTest::keyClick(e.Editor(), Qt::Key_Up);
        QCOMPARE(e.Value(), 60);
        QTest::keyClick(e.Editor(), Qt::Key_Down);
        QTest::keyClick(e.Editor(), Qt::Key_Down);
        QCOMPARE(e.Value(), 40);
    }

    void typedChangesAreToldApartFromChangesFromCode()
    {
        TCSpinEdit e;
        e.SetText(QString());
        QList<bool> typed;
        connect(&e, &TCSpinEdit::Change, this, [&] { typed << e.TypedChange(); });
        QSignalSpy edited(&e, &TCSpinEdit::Edited);
        QTest::keyClicks(e.Editor(), QStringLiteral("4"));
        e.SetValue(9);
        QTest::keyClick(e.Editor(), Qt::Key_Up);   // stepping is not typing
        QCOMPARE(typed, (QList<bool>{true, false, false}));
        QCOMPARE(edited.count(), 1);
        QVERIFY(!e.TypedChange());
    }

    void typedChangeSurvivesAHandlerThatSetsTheFieldAgain()
    {
        TCSpinEdit e;
        SetBounds(e, 10, 20);
        e.SetText(QString());
        QList<bool> seenAfterSetting;
        connect(&e, &TCSpinEdit::Change, this, [&] {
            const bool typed = e.TypedChange();
            if (typed)
                e.SetValue(e.Value());   // nested change from code
            seenAfterSetting << (e.TypedChange() == typed);
        });
        QTest::keyClicks(e.Editor(), QStringLiteral("5"));
        QVERIFY(!seenAfterSetting.isEmpty());
        for (bool same : seenAfterSetting)
            QVERIFY(same);
        QCOMPARE(e.Text(), QStringLiteral("10"));
    }

    void clickIsReportedAfterTheReleaseInsideTheField()
    {
        TCSpinEdit e;
        e.show();
        QSignalSpy clicks(&e, &TCSpinEdit::Click);
        QTest::mouseClick(e.Editor(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 0);   // queued: the field finishes the release first
        QTRY_COMPARE(clicks.count(), 1);
        QTest::mouseClick(e.Editor(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::qWait(20);
        QCOMPARE(clicks.count(), 1);
    }
};

TARNIK_TEST_MAIN(TestSpinEdit)
#include "test_spinedit.moc"
