#pragma once
// The whole program's windows for a GUI test: a fresh run directory, every
// window created as at start-up, the main window shown and the start-up
// finished ("Можно начинать к работу"), error boxes recorded instead of
// shown. Everything is destroyed with the object.
#include "app/ErrorBox.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "app/Startup.h"
#include "tests/support/TestRunDir.h"
#include <QStringList>
#include <QTreeWidget>
#include <QtTest>

class ProgramWindows {
public:
    // Settings.xml may be replaced before the windows start.
    explicit ProgramWindows(const QByteArray& settings = QByteArray())
    {
        if (!settings.isEmpty())
            run.WriteSettings(settings);
        SetErrorBoxHandler([this](const QString& m) { errors << m; });
        CreateWindows();
        f_main->show();
        started = QTest::qWaitFor([] { return JournalHas(QStringLiteral("Можно начинать к работу")); }, 10000);
    }
    ~ProgramWindows()
    {
        DestroyWindows();
        SetErrorBoxHandler({});
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
    QStringList errors;
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
