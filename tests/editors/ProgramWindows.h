#pragma once
// The whole program's windows for a GUI test: a fresh run directory, every
// window created as at start-up, the main window shown and the start-up
// finished ("Можно начинать к работу"), error boxes recorded instead of
// shown, and the question about unsaved work answered "Не сохранять" and
// counted. Unless the test has set up its own ports directory, every COM
// number leads nowhere, so the machine's own serial ports never show
// through. Everything is destroyed with the object.
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
#include "tests/support/TestRunDir.h"
#include "widgets/CSpinEdit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QStringList>
#include <QTreeWidget>
#include <QTest>
#include <memory>

class ProgramWindows {
public:
    // Settings.xml may be replaced before the windows start.
    explicit ProgramWindows(const QByteArray& settings = QByteArray())
    {
        if (!settings.isEmpty())
            run.WriteSettings(settings);
        if (!qEnvironmentVariableIsSet("TARNIK_PORTS"))
            ports = std::make_unique<TestPorts>();
        SetErrorBoxHandler([this](const QString& m) { errors << m; });
        SetSetAsideHandler([this] {
            ++questions;
            return TSetAsideAnswer::Discard;
        });
        // The start-up's one-second pause is the start-up tests' business.
        Tf_channels::creationDelayMs = 0;
        CreateWindows();
        f_main->show();
        started = QTest::qWaitFor([] { return JournalHas(QStringLiteral("Можно начинать к работу")); }, 10000);
    }
    ~ProgramWindows()
    {
        DestroyWindows();
        SetErrorBoxHandler({});
        SetSetAsideHandler({});
        ports.reset();
    }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    static QStringList Journal()
    {
        QStringList texts;
        for (int i = 0; i < f_journal->ListView1->topLevelItemCount(); ++i)
            texts << f_journal->ListView1->topLevelItem(i)->text(2);
        return texts;
    }
    static bool JournalHas(const QString& text) { return Journal().contains(text); }

    TestRunDir run;
    std::unique_ptr<TestPorts> ports;
    QStringList errors;
    int questions = 0;
    bool started = false;
};

// The shipped catalogue with one text replaced (the first occurrence).
inline QByteArray SettingsWith(const QByteArray& from, const QByteArray& to)
{
    QByteArray s = ShippedSettings();
    const int at = s.indexOf(from);
    if (at >= 0)
        s.replace(at, from.size(), to);
    return s;
}

// Everything the two editor pages show, for checking that an operation left
// them exactly as they were.
inline QStringList EditorSnapshot()
{
    QStringList s;
    for (QComboBox* box : f_settings->Lists())
        s << QString::number(box->currentIndex());
    for (QCheckBox* c : {f_settings->CheckBox1, f_settings->CheckBox2, f_settings->CheckBox3, f_settings->CheckBox4,
                         f_settings->CheckBox5, f_settings->CheckBox6, f_settings->CheckBox7})
        s << QString::number(c->isChecked());
    s << QString::number(f_settings->TrackBar1->value()) << f_settings->Edit1->text()
      << QString::number(f_settings->TrackBar2->value()) << f_settings->Edit2->text();
    for (Tfr_noiselevel* row : f_settings->noiseLevelRows)
        s << row->CSpinEdit1->Text();
    s << QString::number(frequencyStep);
    for (Tfr_reccord* row : channelRows) {
        s << QString::number(row->CheckBox1->isChecked()) << QString::number(row->ComboBox1->currentIndex())
          << QString::number(row->ComboBox2->currentIndex());
        for (TCSpinEdit* f : {row->CSpinEdit1, row->CSpinEdit2})
            s << f->Text() << QString::number(f->MinValue()) << QString::number(f->MaxValue())
              << QString::number(f->Increment());
    }
    return s;
}
