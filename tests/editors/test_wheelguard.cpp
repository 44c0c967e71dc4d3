// The mouse wheel over the editors: an unfocused list, track bar or spin
// edit keeps its value and the page under it scrolls; a focused one takes
// the wheel. The band change runs only for another band.
#include "tests/support/TestRegistry.h"
#include "tests/editors/ProgramWindows.h"
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
// One notch of the wheel over the middle of a widget; down (towards the
// user) scrolls a page down and steps a value down.
void Wheel(QWidget* w, int notches)
{
    const QPointF at = QRectF(w->rect()).center();
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
}

QScrollBar* PageBar(QAbstractScrollArea* area) { return area->verticalScrollBar(); }

void Focus(QWidget* w)
{
    QApplication::setActiveWindow(w->window());
    w->setFocus(Qt::OtherFocusReason);
}
} // namespace

class TestWheelGuard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }

    void unfocusedControlsScrollThePageInstead()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        f_main->PageControl1->setCurrentIndex(1);
        QVERIFY(QTest::qWaitForWindowExposed(f_main));
        QApplication::processEvents();
        QScrollBar* settingsBar = PageBar(f_main->ScrollBox1);
        QVERIFY(settingsBar->maximum() > 0);

        // Three notches over the band list, a level list and the time-out
        // track bar: values stay, the settings page scrolls.
        QComboBox* band = f_settings->ComboBox1;
        QComboBox* level = f_settings->ComboBox4;
        level->setCurrentIndex(0);
        for (QWidget* control : std::initializer_list<QWidget*>{band, level, f_settings->TrackBar1}) {
            settingsBar->setValue(0);
            const QStringList before = EditorSnapshot();
            Wheel(control, -3);
            QCOMPARE(EditorSnapshot(), before);
            QVERIFY2(settingsBar->value() > 0, qPrintable(control->metaObject()->className()));
            QVERIFY(!control->hasFocus());
            QCOMPARE(control->focusPolicy(), Qt::StrongFocus);   // the wheel gives no focus
        }

        // A noise level field scrolls the rows of its own group.
        QScrollBar* noiseBar = PageBar(f_settings->ScrollBox1);
        noiseBar->setValue(0);
        TCSpinEdit* noise = f_settings->noiseLevelRows[0]->CSpinEdit1;
        noise->SetValue(100);
        Wheel(noise, -2);
        QCOMPARE(noise->Text(), QStringLiteral("100"));
        QVERIFY(noiseBar->value() > 0);

        // The channel list: a row's tone list and frequency field.
        f_main->PageControl1->setCurrentIndex(0);
        QApplication::processEvents();
        QScrollBar* channelsBar = PageBar(f_channels->ScrollBox1);
        QVERIFY(channelsBar->maximum() > 0);
        Tfr_reccord* row = channelRows[1];
        row->CheckBox1->setChecked(true);
        for (QWidget* control : std::initializer_list<QWidget*>{row->ComboBox1, row->CSpinEdit1}) {
            channelsBar->setValue(0);
            const QStringList before = EditorSnapshot();
            Wheel(control, -3);
            QCOMPARE(EditorSnapshot(), before);
            QVERIFY(channelsBar->value() > 0);
        }
    }

    void aFocusedControlTakesTheWheel()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        Tfr_reccord* row = channelRows[0];
        row->CheckBox1->setChecked(true);
        QScrollBar* channelsBar = PageBar(f_channels->ScrollBox1);
        channelsBar->setValue(0);

        Focus(row->ComboBox1);
        QVERIFY(row->ComboBox1->hasFocus());
        Wheel(row->ComboBox1, -3);
        QCOMPARE(row->ComboBox1->currentIndex(), 3);
        QCOMPARE(channelsBar->value(), 0);

        // A spin edit's focus lies in its text field; one step per notch.
        const int min = row->CSpinEdit1->MinValue();
        const int step = row->CSpinEdit1->Increment();
        Focus(row->CSpinEdit1);
        Wheel(row->CSpinEdit1, 2);
        QCOMPARE(row->CSpinEdit1->Value(), min + 2 * step);
        Wheel(row->CSpinEdit1, -1);
        QCOMPARE(row->CSpinEdit1->Value(), min + step);
        QCOMPARE(channelsBar->value(), 0);

        f_main->PageControl1->setCurrentIndex(1);
        Focus(f_settings->TrackBar2);
        Wheel(f_settings->TrackBar2, 1);
        QVERIFY(f_settings->TrackBar2->value() > 0);
        QCOMPARE(f_settings->Edit2->text(), QString::number(f_settings->TrackBar2->value()));
    }

    void onlyAnotherBandMovesTheRows()
    {
        ProgramWindows p;
        QVERIFY(p.started);
        Tfr_reccord* row = channelRows[3];
        row->CheckBox1->setChecked(true);
        row->CSpinEdit1->SetValue(row->CSpinEdit1->MinValue() + 10 * row->CSpinEdit1->Increment());
        QComboBox* band = f_settings->ComboBox1;
        QVERIFY(band->count() >= 2);
        const QStringList before = EditorSnapshot();

        // Re-picking the band already shown, by the list or the keyboard.
        emit band->activated(band->currentIndex());
        QCOMPARE(EditorSnapshot(), before);
        QVERIFY(p.errors.isEmpty());

        // Another band: the rows move to its limits.
        f_main->PageControl1->setCurrentIndex(1);
        Focus(band);
        QTest::keyClick(band, Qt::Key_Down);
        QCOMPARE(band->currentIndex(), 1);
        QCOMPARE(f_settings->bandShown, 1);
        QVERIFY(EditorSnapshot() != before);
        QCOMPARE(row->CSpinEdit1->Value(), row->CSpinEdit1->MinValue());
        const QStringList second = EditorSnapshot();
        emit band->activated(1);
        QCOMPARE(EditorSnapshot(), second);
    }

    void aBandTheCatalogueLacksKeepsTheListOnTheRowsBand()
    {
        // Band 2 has no upper limit: picking it is refused, and the list
        // goes back to the band the rows still carry.
        ProgramWindows p(SettingsWith("<max2>49000</max2>", ""));
        QVERIFY(p.started);
        const QStringList before = EditorSnapshot();
        QComboBox* band = f_settings->ComboBox1;
        band->setCurrentIndex(1);
        emit band->activated(1);
        QCOMPARE(p.errors.size(), 1);
        QCOMPARE(band->currentIndex(), 0);
        QCOMPARE(EditorSnapshot(), before);
    }
};

TARNIK_TEST_MAIN(TestWheelGuard)
#include "test_wheelguard.moc"
