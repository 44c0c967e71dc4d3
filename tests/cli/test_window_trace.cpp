// The window program with TARNIK_TRACE: its read shows in the file as the
// command line's trace does, and the journal says where the trace goes; a
// trace file that cannot be made and a TARNIK_PORTS that is no folder are
// journal errors.
#include "tests/support/TestRegistry.h"
#include "link/Fcomsettings.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/TraceFile.h"
#include "tests/editors/ProgramWindows.h"
#include "widgets/Frbutton.h"
#include <QTemporaryDir>

namespace {
bool JournalStartsWith(const QString& start)
{
    for (const QString& text : ProgramWindows::Journal()) {
        if (text.startsWith(start))
            return true;
    }
    return false;
}
} // namespace

class TestWindowTrace : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void initTestCase() { qApp->setQuitOnLastWindowClosed(false); }
    void cleanup()
    {
        qunsetenv("TARNIK_TRACE");
        qunsetenv("TARNIK_PORTS");
    }

    void aReadIsTraced()
    {
        const QString path = tmp.filePath(QStringLiteral("window.trace"));
        qputenv("TARNIK_TRACE", path.toLocal8Bit());
        TestPorts ports;
        SimStation station;
        QVERIFY(station.Start(19200, {}, &ports, 6));
        ProgramWindows windows;
        QVERIFY(windows.started);
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Журнал обмена со станцией пишется в %1.").arg(path)));
        f_com->fr_combobox1->setCurrentIndex(f_com->fr_combobox1->findText(QStringLiteral("COM6")));
        f_com->fr_combobox2->setCurrentIndex(f_com->fr_combobox2->findText(QStringLiteral("19200")));
        f_main->read_btn->clicked();
        QVERIFY(ProgramWindows::JournalHas(QStringLiteral("Данные считаны успешно.")));

        const TraceFile trace = ReadTrace(path);
        QVERIFY(trace.malformed.isEmpty());
        QCOMPARE(trace.headers, QStringList{QStringLiteral("# COM6: %1, 19200 бод").arg(station.Device())});
        QCOMPARE(trace.Requests(), station.Log());
        QCOMPARE(trace.Bytes(0, '<'), QByteArray("\x01"));
        QCOMPARE(trace.Bytes(1, '<').size(), 1024);
    }

    void wrongSetUpsAreJournalErrors()
    {
        qputenv("TARNIK_TRACE", tmp.filePath(QStringLiteral("no/such/folder/t.trace")).toLocal8Bit());
        qputenv("TARNIK_PORTS", tmp.filePath(QStringLiteral("missing-ports")).toLocal8Bit());
        ProgramWindows windows;
        QVERIFY(windows.started);
        QVERIFY(JournalStartsWith(QStringLiteral("Журнал обмена не ведётся: %1: папка не найдена")
                                      .arg(tmp.filePath(QStringLiteral("no/such/folder/t.trace")))));
        QVERIFY(JournalStartsWith(
            QStringLiteral("TARNIK_PORTS=%1: нет такой папки").arg(tmp.filePath(QStringLiteral("missing-ports")))));
    }
};

TARNIK_TEST_MAIN(TestWindowTrace)
#include "test_window_trace.moc"
