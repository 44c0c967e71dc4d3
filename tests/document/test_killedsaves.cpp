// Saves killed with SIGKILL at random moments: the file on disk is always
// the old or a new complete document, never a mix, a truncated or an empty
// one.
#include "tests/support/TestRegistry.h"
#include "document/Catalogue.h"
#include "document/ProgrammerFile.h"
#include "document/U_xml.h"
#include "tests/support/TestRunDir.h"
#include <QProcess>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

constexpr int Kills = 25;

// Starts the saving loop and kills it after a random moment of saving.
bool KillWhileSaving(const QString& mode, const QString& path)
{
    QProcess loop;
    loop.start(QStringLiteral(SAVE_LOOP), {mode, path});
    if (!loop.waitForStarted() || !loop.waitForReadyRead(10000))
        return false;
    QThread::usleep(QRandomGenerator::global()->bounded(1000, 60000));
    loop.kill();   // SIGKILL
    return loop.waitForFinished(10000) && loop.exitStatus() == QProcess::CrashExit;
}

QByteArray WithChoices(int port)
{
    QStringDecoder dec("windows-1251");
    QString s = dec.decode(ShippedSettings());
    s.replace(QStringLiteral("<number>0</number>"), QStringLiteral("<number>%1</number>").arg(port));
    QStringEncoder enc("windows-1251");
    return enc.encode(s);
}

} // namespace

class TestKilledSaves : public QObject {
    Q_OBJECT
private slots:
    void programmerFileIsOldOrNewAfterAKill()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("station.vtr");
        QDomDocument doc;
        TXMLFile xml(&doc);
        TProgrammerFile old;
        old.timeout = 7;
        QVERIFY(WriteProgrammerFile(xml, path, old));
        QSet<int> seen;
        for (int k = 0; k < Kills; ++k) {
            QVERIFY(KillWhileSaving("vtr", path));
            TProgrammerFile back;
            QString why;
            QVERIFY2(ReadProgrammerFile(xml, path, 100, back, &why), qPrintable(why));
            QVERIFY(back.timeout == 7 || ((back.timeout == 1 || back.timeout == 2) && back.channels.size() == 100
                                          && back.channels[99].rxHz == 33000000 + 25000 * 99));
            seen << back.timeout;
        }
        QVERIFY(seen.contains(1) || seen.contains(2));   // the saves did get through
    }

    void catalogueIsOldOrNewAfterAKill()
    {
        TestRunDir run;
        const QList<QByteArray> complete{ShippedSettings(), WithChoices(1), WithChoices(2)};
        QSet<int> seen;
        for (int k = 0; k < Kills; ++k) {
            QVERIFY(KillWhileSaving("catalogue", run.SettingsFile()));
            const QByteArray now = run.ReadSettings();
            const int which = complete.indexOf(now);
            QVERIFY2(which >= 0, now.left(200).constData());
            seen << which;
        }
        QVERIFY(seen.contains(1) || seen.contains(2));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestKilledSaves)
#include "test_killedsaves.moc"
