// The window-free pieces the command line reads files with: the record and
// programmer-file mapping, the catalogue check, the JSON reader, and the
// image a record leaves over a station's own.
#include "tests/support/TestRegistry.h"
#include "cli/ConfigFormats.h"
#include "cli/ImageCompare.h"
#include "cli/JsonConfig.h"
#include "document/ProgrammerFile.h"
#include "document/RecordMapping.h"
#include "editors/StationCatalogue.h"
#include "link/ImageCodec.h"
#include <QTest>

namespace {
TTarnikPlus Sample()
{
    TTarnikPlus r;
    r.channels.resize(100);
    r.channels[4] = {true, 45000, 45100, 3, 4};
    r.channels[60] = {true, 42000, 42000, 0, 50};
    r.lastChannel = 60;
    r.range = 2;
    r.volume = 7;
    r.squelch = 9;
    r.deviation = 9;
    r.micSensitivity = 15;
    r.rxGain = 1;
    r.ctcssTxLevel = 2;
    r.ctcssRxLevel = 3;
    r.analogSql = 15;
    r.repeater = true;
    r.timeoutTime = 65535;
    r.normalTxEnd = true;
    r.pwmPower = 255;
    r.noiseLevels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    return r;
}

TStationCatalogue Catalogue()
{
    TStationCatalogue c;
    c.lists.bands = QStringList{"a", "b"};
    c.lists.volume = QStringList(8, "v");
    c.lists.squelch = QStringList(10, "s");
    c.lists.deviation = QStringList(10, "d");
    c.lists.levels = QStringList(16, "l");
    c.lists.analogSql = 16;
    c.bands = {{33000000, 41000000, 25000}, {41000000, 49000000, 25000}};
    return c;
}

QByteArray Image(const TTarnikPlus& r)
{
    QByteArray image;
    EncodeImage(r, image);
    return image;
}
} // namespace

class TestCliFormats : public QObject {
    Q_OBJECT
private slots:
    void recordThroughProgrammerFileAndBack()
    {
        const TProgrammerFile file = ProgrammerFileFromRecord(Sample());
        QCOMPARE(file.lists[0], 1);   // band 2 is list position 1
        QCOMPARE(file.channels.size(), 100);
        QCOMPARE(file.channels[4].rxHz, 45100000);
        QCOMPARE(*file.pwmPower, 255);
        TTarnikPlus back;
        QString why;
        QVERIFY2(RecordFromProgrammerFile(file, nullptr, back, &why), qPrintable(why));
        QCOMPARE(Image(back), Image(Sample()));
        QCOMPARE(int(back.lastChannel), 60);
    }

    // An earlier file lacks the extras: they come from the base, or are
    // zero without one.
    void missingExtrasComeFromTheBase()
    {
        TProgrammerFile file = ProgrammerFileFromRecord(Sample());
        file.pwmPower.reset();
        file.normalTxEnd.reset();
        QVERIFY(LacksStationExtras(file));
        TTarnikPlus base;
        base.pwmPower = 99;
        base.normalTxEnd = false;
        TTarnikPlus r;
        QVERIFY(RecordFromProgrammerFile(file, &base, r));
        QCOMPARE(int(r.pwmPower), 99);
        QCOMPARE(r.normalTxEnd, false);
        QVERIFY(RecordFromProgrammerFile(file, nullptr, r));
        QCOMPARE(int(r.pwmPower), 0);
    }

    void valuesNoRecordCanHoldAreRefused_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("value");
        QTest::newRow("no band selected") << 0 << -1;
        QTest::newRow("band 256") << 0 << 255;
        QTest::newRow("no volume selected") << 2 << -1;
        QTest::newRow("deviation 32") << 1 << 32;
        QTest::newRow("CTCSS receive level 32") << 8 << 32;
        QTest::newRow("analogue SQL 256") << 6 << 256;
    }
    void valuesNoRecordCanHoldAreRefused()
    {
        QFETCH(int, list);
        QFETCH(int, value);
        TProgrammerFile file = ProgrammerFileFromRecord(Sample());
        file.lists[list] = value;
        TTarnikPlus r;
        QString why;
        QVERIFY(!RecordFromProgrammerFile(file, nullptr, r, &why));
        QVERIFY2(why.contains(QStringLiteral("value%1").arg(list + 1)), qPrintable(why));
        file = ProgrammerFileFromRecord(Sample());
        file.timeout = 65536;
        QVERIFY(!RecordFromProgrammerFile(file, nullptr, r, &why));
    }

    void catalogueProblems()
    {
        const TStationCatalogue c = Catalogue();
        QVERIFY(CatalogueProblem(Sample(), c).isEmpty());
        TTarnikPlus r = Sample();
        r.range = 3;
        QVERIFY(CatalogueProblem(r, c).contains(QStringLiteral("диапазон 3")));
        r = Sample();
        r.volume = 8;
        QVERIFY(CatalogueProblem(r, c).contains(QStringLiteral("Уровень громкости")));
        r = Sample();
        r.channels[60].TX = 49001;
        QVERIFY(CatalogueProblem(r, c).contains(QStringLiteral("Канал 60")));
        r = Sample();
        r.channels[60].CTCSSTX = 51;
        QVERIFY(CatalogueProblem(r, c).contains(QStringLiteral("тон")));
        // A disabled channel's leftovers are no problem.
        r = Sample();
        r.channels[7] = {false, 1, 2, 200, 200};
        QVERIFY(CatalogueProblem(r, c).isEmpty());
    }

    void everyProblemIsListedAndAWholeImageAlsoByItsSpareBits()
    {
        const TStationCatalogue c = Catalogue();
        TTarnikPlus r = Sample();
        r.range = 3;                      // no band: the channels' band limits are not checked
        r.volume = 8;
        r.channels[60].CTCSSTX = 51;
        r.channels[4].RX = 60000;         // beyond what the station holds
        const QStringList problems = CatalogueProblems(r, c);
        QCOMPARE(problems.size(), 4);
        QVERIFY(problems[0].contains(QStringLiteral("диапазон 3")));
        QVERIFY(problems[1].contains(QStringLiteral("Уровень громкости")));
        QVERIFY(problems[2].contains(QStringLiteral("Канал 60: тон CTCSS")));
        QVERIFY(problems[3].contains(QStringLiteral("Канал 4: частота приема 60000 кГц вне диапазона станции")));
        QCOMPARE(CatalogueProblem(r, c), problems[0]);

        // An image as the program writes it passes; its spare bits and
        // byte 503 set otherwise are named, settings first, channels last.
        QByteArray image;
        EncodeImage(Sample(), image);
        QVERIFY(ImageProblems(image, c).isEmpty());
        image[503] = 0x01;
        image[511] = char(quint8(image[511]) | 0x80);
        r = Sample();
        r.channels[60].TX = 52000;
        QByteArray bad = image;
        EncodeImage(r, bad);
        bad[503] = 0x01;
        bad[511] = char(quint8(bad[511]) | 0x80);
        const QStringList imageProblems = ImageProblems(bad, c);
        QCOMPARE(imageProblems.size(), 2);
        QCOMPARE(imageProblems[0], QStringLiteral("Служебные биты не такие, какие записывает программа, в байтах "
                                                  "503 (0x01), 511 (0x90)"));
        QVERIFY(imageProblems[1].startsWith(QStringLiteral("Канал 60")));
        QCOMPARE(ImageProblems(image.left(1000), c).size(), 1);

        // The list for a message: at most so many, then how many more.
        QCOMPARE(ProblemListText({"a", "b", "c"}, 2), QStringLiteral("a\nb\n… и ещё 1"));
    }

    void jsonRoundTripAndRefusals()
    {
        TTarnikPlus back;
        QString why;
        QVERIFY(RecordFromJson(RecordToJson(Sample()), back, &why));
        QCOMPARE(Image(back), Image(Sample()));

        QByteArray json = RecordToJson(Sample());
        QVERIFY(!RecordFromJson(QByteArray(json).replace("\"channel\": 60", "\"channel\": 4"), back, &why));
        QVERIFY(why.contains(QStringLiteral("дважды")));
        QVERIFY(!RecordFromJson(QByteArray(json).replace("\"timeoutTime\": 65535", "\"timeoutTime\": 1.5"), back, &why));
        QVERIFY(why.contains(QStringLiteral("timeoutTime")));
        QVERIFY(!RecordFromJson(QByteArray(json).replace("\"repeater\": true", "\"repeater\": 1"), back, &why));
        QVERIFY(why.contains(QStringLiteral("repeater")));
        QVERIFY(!RecordFromJson(QByteArray(json).replace("\"channel\": 60", "\"channel\": 100"), back, &why));
        // Frequencies the station cannot hold are refused by the reader.
        TConfig config;
        QVERIFY(!ReadJsonBytes(QByteArray(json).replace("\"rxKHz\": 42000", "\"rxKHz\": 60000"), config, &why));
        QVERIFY(why.contains(QStringLiteral("Канал 60")));
    }

    void countingDifferences()
    {
        QByteArray a(1024, char(0xFF)), b = a;
        b[516] = 0;
        b[1000] = 1;
        int first = -1;
        QCOMPARE(CountDifferences(a, b, &first), 2);
        QCOMPARE(first, 516);
        QCOMPARE(CountDifferences(a, a, &first), 0);
        QCOMPARE(first, -1);
        QCOMPARE(CountDifferences(QByteArray(3, 'a'), QByteArray(5, 'a'), &first), 2);
        QCOMPARE(first, 3);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCliFormats)
#include "test_cli_formats.moc"
