// Every input kept under tests/fuzz-regressions/<target>/ (inputs that once
// crashed, hung or broke an invariant) and every seed under
// tests/fuzz-seeds/<target>/, run through the same fuzz target the
// libFuzzer harness runs. A broken invariant aborts the test.
#include "tests/support/TestRegistry.h"
#include "tools/fuzz/FuzzTargets.h"
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

namespace {

QStringList Files(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

void Replay(const QString& root)
{
    QSet<QString> known;
    int replayed = 0;
    for (const FuzzTargetEntry& target : FuzzTargets()) {
        known << QString::fromLatin1(target.name);
        for (const QString& path : Files(root + QLatin1Char('/') + QLatin1String(target.name))) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray bytes = file.readAll();
            qInfo("%s: %s", target.name, qPrintable(QFileInfo(path).fileName()));
            target.run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    // A folder that names no target would never be replayed.
    for (const QString& folder : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QVERIFY2(known.contains(folder), qPrintable(QStringLiteral("no fuzz target named ") + folder));
    QVERIFY(replayed > 0);
}

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private slots:
    void keptInputsRunThroughTheirTargets() { Replay(QStringLiteral(TARNIK_SOURCE_DIR "/tests/fuzz-regressions")); }
    void seedsRunThroughTheirTargets() { Replay(QStringLiteral(TARNIK_SOURCE_DIR "/tests/fuzz-seeds")); }

    // The shipped catalogue seeds the catalogue and XML harnesses.
    void shippedCatalogueRunsThroughItsTargets()
    {
        QFile file(QStringLiteral(TARNIK_SOURCE_DIR "/data/Settings/Settings.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (const FuzzTargetEntry& target : FuzzTargets())
            if (qstrcmp(target.name, "catalogue") == 0 || qstrcmp(target.name, "xml") == 0)
                target.run(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestFuzzRegressions)
#include "test_fuzz_regressions.moc"
