#pragma once
// Helpers for tests that start the whole program: start and wait for the
// catalogue, read the journal, and take a snapshot of every editor value.
#include "widgets/ErrorBox.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "app/SetAsideQuestion.h"
#include "app/Startup.h"
#include "editors/Fchannels.h"
#include "editors/Frnoiselevels.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include "tests/support/StationTestSupport.h"
#include "widgets/CSpinEdit.h"
#include "widgets/Frbutton.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QStringList>
#include <QTreeWidget>
#include <QTest>
#include <memory>

namespace harness {

inline QStringList& ErrorBoxes()
{
    static QStringList boxes;
    return boxes;
}

// The ports the program sees while it runs: every COM number leads nowhere
// unless the test has set up its own ports directory, so the machine's own
// serial ports never show through.
inline std::unique_ptr<TestPorts>& FixedPorts()
{
    static std::unique_ptr<TestPorts> ports;
    return ports;
}

inline int JournalCount() { return f_journal->ListView1->topLevelItemCount(); }

inline QString JournalText(int i) { return f_journal->ListView1->topLevelItem(i)->text(2); }

inline int JournalIcon(int i) { return f_journal->ListView1->topLevelItem(i)->data(0, Qt::UserRole).toInt(); }

inline QString LastText() { return JournalCount() ? JournalText(JournalCount() - 1) : QString(); }

inline int LastIcon() { return JournalCount() ? JournalIcon(JournalCount() - 1) : -1; }

// Creates the windows, shows the main window and waits until the start-up
// has ended ("Можно начинать к работу" in the language the program speaks, a
// second after the catalogue, so no
// start-up entry comes into the journal during a test). Error boxes are
// recorded instead of shown; the question about unsaved work is answered
// "Не сохранять".
inline bool StartProgram()
{
    ErrorBoxes().clear();
    SetErrorBoxHandler([](const QString& m) { ErrorBoxes() << m; });
    SetSetAsideHandler([] { return TSetAsideAnswer::Discard; });
    if (!qEnvironmentVariableIsSet("TARNIK_PORTS"))
        FixedPorts() = std::make_unique<TestPorts>();
    // The start-up's one-second pause is the start-up tests' business.
    Tf_channels::creationDelayMs = 0;
    CreateWindows();
    f_main->show();
    return QTest::qWaitFor([] {
        for (int i = 0; i < JournalCount(); ++i)
            if (JournalText(i) == QCoreApplication::translate("Tf_channels", "Можно начинать к работу"))
                return true;
        return false;
    }, 10000);
}

inline void StopProgram()
{
    DestroyWindows();
    SetErrorBoxHandler({});
    SetSetAsideHandler({});
    FixedPorts().reset();
}

// Every value the programmer file and the report touch, with the channel
// rows' bounds, as one list of texts for comparison.
inline QStringList EditorSnapshot()
{
    QStringList s;
    for (QComboBox* box : f_settings->Lists())
        s << QString::number(box->currentIndex());
    for (QCheckBox* box : {f_settings->CheckBox1, f_settings->CheckBox2, f_settings->CheckBox3,
                           f_settings->CheckBox4, f_settings->CheckBox5})
        s << (box->isChecked() ? "on" : "off");
    s << QString::number(f_settings->TrackBar1->value()) << f_settings->Edit1->text();
    for (Tfr_noiselevel* row : f_settings->noiseLevelRows)
        s << row->CSpinEdit1->Text();
    for (Tfr_reccord* row : channelRows) {
        s << QStringLiteral("%1 %2 %3 %4 %5 [%6..%7/%8]")
                 .arg(row->CheckBox1->isChecked())
                 .arg(row->CSpinEdit1->Text(), row->CSpinEdit2->Text())
                 .arg(row->ComboBox1->currentIndex())
                 .arg(row->ComboBox2->currentIndex())
                 .arg(row->CSpinEdit1->MinValue())
                 .arg(row->CSpinEdit1->MaxValue())
                 .arg(row->CSpinEdit1->Increment());
    }
    return s;
}

} // namespace harness
