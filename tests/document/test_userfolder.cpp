// The user's working folder laid out from the shipped one: the catalogue
// copied on first start and merged after an upgrade with the user's values
// kept, the pictures and help brought level with the shipped ones, and
// failures said rather than hidden.
#include "tests/support/TestRegistry.h"
#include "document/UserFolder.h"
#include "document/Cp1251.h"
#include "document/U_xml.h"
#include "tests/support/TestRunDir.h"
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QString Value(const QString& catalogue, const QString& a, const QString& b)
{
    QDomDocument doc;
    TXMLFile xml(&doc);
    return xml.LoadFromFile(catalogue) ? xml.ReadValue(a, b) : QStringLiteral("<unreadable>");
}

} // namespace

class TestUserFolder : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString shipped;
    QString work;

    QString ShippedCatalogue() const { return shipped + QStringLiteral("/Settings/Settings.xml"); }
    QString UserCatalogue() const { return work + QStringLiteral("/Settings/Settings.xml"); }

private slots:
    void init()
    {
        shipped = root.filePath(QStringLiteral("shipped-%1").arg(QTest::currentTestFunction()));
        work = root.filePath(QStringLiteral("work-%1").arg(QTest::currentTestFunction()));
        QVERIFY(WriteFile(ShippedCatalogue(), ShippedSettings()));
        QVERIFY(WriteFile(shipped + QStringLiteral("/Source/read.bmp"), "picture 1"));
        QVERIFY(WriteFile(shipped + QStringLiteral("/Source/help/page.png"), "help picture"));
    }

    void firstStartCopiesTheShippedData()
    {
        QString error;
        QVERIFY2(UserFolder::Prepare(shipped, work, &error), qPrintable(error));
        QCOMPARE(ReadFile(UserCatalogue()), ShippedSettings());
        QCOMPARE(ReadFile(work + QStringLiteral("/Source/read.bmp")), QByteArray("picture 1"));
        QCOMPARE(ReadFile(work + QStringLiteral("/Source/help/page.png")), QByteArray("help picture"));
    }

    void laterStartsKeepTheUsersCatalogue()
    {
        QVERIFY(UserFolder::Prepare(shipped, work));
        QByteArray mine = ReadFile(UserCatalogue());
        const QString before = Value(UserCatalogue(), QStringLiteral("port"), QStringLiteral("speed"));
        QVERIFY(!before.isEmpty());
        mine.replace("<speed>" + before.toLatin1() + "</speed>", "<speed>2</speed>");
        QVERIFY(WriteFile(UserCatalogue(), mine));
        QVERIFY(UserFolder::Prepare(shipped, work));
        QCOMPARE(ReadFile(UserCatalogue()), mine);
    }

    void anUpgradeMergesWhatIsNewAndKeepsTheUsersValues()
    {
        QVERIFY(UserFolder::Prepare(shipped, work));
        QByteArray mine = ReadFile(UserCatalogue());
        const QString speed = Value(UserCatalogue(), QStringLiteral("port"), QStringLiteral("speed"));
        mine.replace("<speed>" + speed.toLatin1() + "</speed>", "<speed>2</speed>");
        QVERIFY(WriteFile(UserCatalogue(), mine));

        // The new release ships one more element, with Cyrillic text.
        QByteArray newer = ShippedSettings();
        const QByteArray end = "</settings>";
        QVERIFY(newer.contains(end));
        newer.replace(end, "<novelty><caption>" + Cp1251::Encode(QStringLiteral("Новое")) + "</caption></novelty>" + end);
        QVERIFY(WriteFile(ShippedCatalogue(), newer));
        QVERIFY(WriteFile(shipped + QStringLiteral("/Source/read.bmp"), "picture 2, larger"));

        QString error;
        QVERIFY2(UserFolder::Prepare(shipped, work, &error), qPrintable(error));
        QCOMPARE(Value(UserCatalogue(), QStringLiteral("novelty"), QStringLiteral("caption")), QStringLiteral("Новое"));
        QCOMPARE(Value(UserCatalogue(), QStringLiteral("port"), QStringLiteral("speed")), QStringLiteral("2"));
        QCOMPARE(ReadFile(work + QStringLiteral("/Source/read.bmp")), QByteArray("picture 2, larger"));

        // Merged once: the user's later edits are not merged over again.
        QByteArray edited = ReadFile(UserCatalogue());
        edited.replace("<speed>2</speed>", "<speed>1</speed>");
        QVERIFY(WriteFile(UserCatalogue(), edited));
        QVERIFY(UserFolder::Prepare(shipped, work));
        QCOMPARE(ReadFile(UserCatalogue()), edited);
    }

    void anUnreadableUserCatalogueIsLeftAlone()
    {
        QVERIFY(UserFolder::Prepare(shipped, work));
        QVERIFY(WriteFile(UserCatalogue(), "not xml at all"));
        QByteArray newer = ShippedSettings();
        newer.replace("</settings>", "<novelty/></settings>");
        QVERIFY(WriteFile(ShippedCatalogue(), newer));
        QVERIFY(UserFolder::Prepare(shipped, work));
        QCOMPARE(ReadFile(UserCatalogue()), QByteArray("not xml at all"));
    }

    void failuresAreSaid()
    {
        // The working folder's place is taken by a file.
        QVERIFY(WriteFile(work, "a file"));
        QString error;
        QVERIFY(!UserFolder::Prepare(shipped, work, &error));
        QVERIFY(!error.isEmpty());
        // No shipped catalogue.
        QVERIFY(QFile::remove(ShippedCatalogue()));
        error.clear();
        QVERIFY(!UserFolder::Prepare(shipped, root.filePath(QStringLiteral("elsewhere")), &error));
        QVERIFY(error.contains(QStringLiteral("Settings.xml")));
    }

    void theFolderIsTheUsersDataFolder()
    {
#ifdef Q_OS_WIN
        const char* variable = "LOCALAPPDATA";
        const QString data = QStringLiteral("C:/Users/tech/AppData/Local");
#else
        const char* variable = "XDG_DATA_HOME";
        const QString data = QStringLiteral("/srv/data");
#endif
        const QByteArray saved = qgetenv(variable);
        qputenv(variable, data.toLocal8Bit());
        const QString path = UserFolder::Path();
        qputenv(variable, saved);
        QCOMPARE(path, data + QStringLiteral("/tarnik-programmer"));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestUserFolder)
#include "test_userfolder.moc"
