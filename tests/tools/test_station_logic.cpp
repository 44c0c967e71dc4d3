// The simulated station's logic without a line: request parsing and
// resynchronisation, the fault plan, the protocol engine, the options.
#include "tests/support/TestRegistry.h"
#include "tools/station/FaultPlan.h"
#include "tools/station/RequestParser.h"
#include "tools/station/StationEngine.h"
#include "tools/station/StationOptions.h"
#include <QTest>

using namespace station;

namespace {

std::vector<uint8_t> Bytes(const char* hex)
{
    const QByteArray b = QByteArray::fromHex(hex);
    return std::vector<uint8_t>(b.begin(), b.end());
}

// Feeds hex bytes and then reports leftover garbage, as the line does when
// it goes quiet.
std::vector<ParsedItem> Parse(RequestParser& parser, const char* hex, bool flush = true)
{
    std::vector<ParsedItem> items;
    for (uint8_t b : Bytes(hex))
        parser.Feed(b, items);
    if (flush)
        parser.FlushGarbage(items);
    return items;
}

std::vector<ParsedItem> Parse(const char* hex)
{
    RequestParser parser;
    return Parse(parser, hex);
}

QByteArray Pattern()
{
    QByteArray image(StationImage::Size, 0);
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 + 3);
    return image;
}

bool ParseArgs(const QStringList& args, StationOptions& options, std::string& error)
{
    std::vector<std::string> list;
    for (const QString& a : args)
        list.push_back(a.toStdString());
    return ParseStationOptions(list, options, error);
}

} // namespace

class TestStationLogic : public QObject {
    Q_OBJECT
private slots:
    void parserRecognisesEveryCommand()
    {
        const auto items = Parse("113901" "113902" "113904" "1139030011" "113913FF22" "1139230333" "113933FF44");
        QCOMPARE(int(items.size()), 7);
        for (const auto& item : items)
            QVERIFY(item.isRequest);
        QCOMPARE(items[0].request.kind, RequestKind::Identify);
        QCOMPARE(items[1].request.kind, RequestKind::ReadImage);
        QCOMPARE(items[2].request.kind, RequestKind::Finish);
        const int offsets[] = {0, 511, 515, 1023};
        const uint8_t data[] = {0x11, 0x22, 0x33, 0x44};
        for (int k = 0; k < 4; ++k) {
            const Request& r = items[3 + k].request;
            QCOMPARE(r.kind, RequestKind::WriteByte);
            QCOMPARE(r.page, k);
            QCOMPARE(r.Offset(), offsets[k]);
            QCOMPARE(r.data, data[k]);
            QCOMPARE(int(r.bytes.size()), 5);
        }
        QCOMPARE(items[6].request.bytes, Bytes("113933FF44"));
    }

    void writeArgumentsMayLookLikeThePrefix()
    {
        const auto items = Parse("1139031139" "113901");
        QCOMPARE(int(items.size()), 2);
        QCOMPARE(items[0].request.kind, RequestKind::WriteByte);
        QCOMPARE(items[0].request.address, 0x11);
        QCOMPARE(items[0].request.data, 0x39);
        QCOMPARE(items[1].request.kind, RequestKind::Identify);
    }

    void garbageIsSkippedAndTheParserGetsBackInStep()
    {
        struct Case {
            const char* input;
            const char* garbage;
            RequestKind kind;
        };
        const Case cases[] = {
            {"00FF113901", "00FF", RequestKind::Identify},
            {"11113902", "11", RequestKind::ReadImage},       // doubled first prefix byte
            {"1139771139" "02", "113977", RequestKind::ReadImage},  // unknown command
            {"1139113901", "1139", RequestKind::Identify},   // unknown command 0x11 starts anew
            {"3911390411", "39", RequestKind::Finish},       // a trailing 0x11 stays pending
        };
        for (const Case& c : cases) {
            RequestParser parser;
            const auto items = Parse(parser, c.input);
            QVERIFY2(items.size() == 2, c.input);
            QVERIFY(!items[0].isRequest);
            QCOMPARE(items[0].garbage, Bytes(c.garbage));
            QVERIFY(items[1].isRequest);
            QCOMPARE(items[1].request.kind, c.kind);
        }
        RequestParser parser;
        Parse(parser, "3911390411");
        QVERIFY(parser.HasPartial());
    }

    void bytesThatNeverFormARequestAreGarbage()
    {
        const auto items = Parse("11003901");
        QCOMPARE(int(items.size()), 1);
        QCOMPARE(items[0].garbage, Bytes("11003901"));
    }

    void garbageIsHeldUntilTheLineIsQuietOrARequestFollows()
    {
        RequestParser parser;
        QVERIFY(Parse(parser, "AABB", false).empty());
        const auto items = Parse(parser, "113901", false);
        QCOMPARE(int(items.size()), 2);
        QCOMPARE(items[0].garbage, Bytes("AABB"));
    }

    void aStalledOrGarbledRequestBecomesGarbage()
    {
        RequestParser parser;
        QVERIFY(Parse(parser, "11391305").empty());
        QVERIFY(parser.HasPartial());
        parser.Abandon();
        QVERIFY(!parser.HasPartial());
        auto items = Parse(parser, "");
        QCOMPARE(int(items.size()), 1);
        QCOMPARE(items[0].garbage, Bytes("11391305"));

        Parse(parser, "113903", false);
        parser.FeedGarbled(0x05);
        items = Parse(parser, "113901");
        QCOMPARE(int(items.size()), 2);
        QCOMPARE(items[0].garbage, Bytes("11390305"));
        QCOMPARE(items[1].request.kind, RequestKind::Identify);
    }

    void wrongEchoTurnsRightAfterItsAttemptsAndOnlyThenStores()
    {
        FaultSettings s;
        s.wrongEchoes[5] = 3;
        FaultPlan plan(s);
        for (int attempt = 0; attempt < 3; ++attempt) {
            const WriteOutcome o = plan.Write(5, 0x42);
            QVERIFY(o.answered);
            QVERIFY(o.echo != 0x42);
            QVERIFY(!o.store);
        }
        const WriteOutcome right = plan.Write(5, 0x42);
        QCOMPARE(right.echo, 0x42);
        QVERIFY(right.store);
        QVERIFY(plan.Write(5, 0x43).store);   // the fault is used up
        QVERIFY(plan.Write(6, 0x42).store);   // other offsets are untouched
    }

    void aWrongEchoIsNeitherTheDataNorSilence()
    {
        for (int d = 0; d < 256; ++d) {
            const uint8_t wrong = FaultPlan::WrongEcho(static_cast<uint8_t>(d));
            QVERIFY(wrong != d);
            QVERIFY(wrong != 0x00);
        }
    }

    void neverEchoIsNeverAnsweredNorStored()
    {
        FaultSettings s;
        s.neverEcho.insert(0x203);
        s.wrongEchoes[0x203] = 1;
        FaultPlan plan(s);
        for (int attempt = 0; attempt < 5; ++attempt) {
            const WriteOutcome o = plan.Write(0x203, 200);
            QVERIFY(!o.answered);
            QVERIFY(!o.store);
        }
    }

    void aStoreWrongEchoesRightButStoresAnotherByte()
    {
        FaultSettings s;
        s.storeWrong[7] = 2;     // the first two writes
        s.storeWrong[515] = 0;   // every write
        StationImage image(Pattern());
        StationEngine engine(image, FaultPlan(s));
        RequestParser parser;
        auto write = [&](const char* hex) { return engine.Handle(Parse(parser, hex).at(0).request); };
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(write("1139030742").bytes, Bytes("42"));
            QVERIFY(image.At(7) != 0x42);
        }
        QCOMPARE(write("1139030742").bytes, Bytes("42"));
        QCOMPARE(image.At(7), 0x42);
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(write("1139230300").bytes, Bytes("00"));
            QCOMPARE(image.At(515), FaultPlan::WrongEcho(0x00));
        }
        QCOMPARE(write("1139030842").bytes, Bytes("42"));
        QCOMPARE(image.At(8), 0x42);
    }

    void readAnswersCarryTheirFaults()
    {
        // Five bytes more than the image in the first answer only; a wrong
        // byte at 700 in the first two.
        FaultSettings s;
        s.imageExtra = 5;
        s.imageExtraTimes = 1;
        s.readWrong[700] = 2;
        StationImage image(Pattern());
        StationEngine engine(image, FaultPlan(s));
        RequestParser parser;
        auto read = [&] { return engine.Handle(Parse(parser, "113902").at(0).request).bytes; };
        std::vector<uint8_t> answer = read();
        QCOMPARE(int(answer.size()), 1024 + 5);
        QCOMPARE(answer[1024], uint8_t(Pattern().at(0)));
        QCOMPARE(answer[700], FaultPlan::WrongEcho(uint8_t(Pattern().at(700))));
        answer = read();
        QCOMPARE(int(answer.size()), 1024);
        QCOMPARE(answer[700], FaultPlan::WrongEcho(uint8_t(Pattern().at(700))));
        answer = read();
        QCOMPARE(answer[700], uint8_t(Pattern().at(700)));
        // The memory itself was never wrong.
        QCOMPARE(image.Bytes(), Pattern());
    }

    void aStaleTailIsTheImageEndRunningRoundItWhenLonger()
    {
        StationImage image(Pattern());
        StationEngine engine(image, FaultPlan());
        const std::vector<uint8_t> tail = engine.StaleTail(3).bytes;
        QCOMPARE(int(tail.size()), 3);
        QCOMPARE(tail.front(), uint8_t(Pattern().at(1021)));
        QCOMPARE(tail.back(), uint8_t(Pattern().at(1023)));
        const std::vector<uint8_t> longer = engine.StaleTail(1024 + 2).bytes;
        QCOMPARE(int(longer.size()), 1026);
        QCOMPARE(longer.front(), uint8_t(Pattern().at(1022)));
        QCOMPARE(longer.at(2), uint8_t(Pattern().at(0)));
        QCOMPARE(longer.back(), uint8_t(Pattern().at(1023)));
        QVERIFY(engine.StaleTail(0).bytes.empty());
    }

    void theReservedPatternCoversOnlyTheReservedAreas()
    {
        QByteArray image(StationImage::Size, char(0xFF));
        PutReservedPattern(image);
        for (int i = 0; i < image.size(); ++i) {
            const bool reserved = (i >= 516 && i < 520) || i >= 530;
            QCOMPARE(IsReserved(i), reserved);
            if (reserved)
                QVERIFY2(uchar(image[i]) != 0xFF, qPrintable(QString::number(i)));
            else
                QCOMPARE(uchar(image[i]), uchar(0xFF));
        }
        // Neighbours differ, so a shifted or repeated byte shows.
        for (int i = 531; i < image.size(); ++i)
            QVERIFY(image[i] != image[i - 1]);
    }

    void imageAnswerLengthIsCut()
    {
        QCOMPARE(FaultPlan().ImageAnswerLength(1024), 1024);
        FaultSettings s;
        s.imageStopAfter = 400;
        QCOMPARE(FaultPlan(s).ImageAnswerLength(1024), 400);
        s.imageStopAfter = 0;
        QCOMPARE(FaultPlan(s).ImageAnswerLength(1024), 0);
    }

    void engineAnswersTheProtocol()
    {
        StationImage image(Pattern());
        StationEngine engine(image, FaultPlan());
        RequestParser parser;

        auto handle = [&](const char* hex) {
            const auto items = Parse(parser, hex);
            return engine.Handle(items.at(0).request);
        };
        QCOMPARE(handle("113901").bytes, Bytes("01"));

        const Answer write = handle("1139230399");
        QCOMPARE(write.bytes, Bytes("99"));
        QCOMPARE(image.At(515), 0x99);

        const Answer read = handle("113902");
        QCOMPARE(int(read.bytes.size()), 1024);
        QByteArray expected = Pattern();
        expected[515] = char(0x99);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(read.bytes.data()), 1024), expected);

        const Answer finish = handle("113904");
        QVERIFY(finish.bytes.empty());
        QVERIFY(finish.finished);
        QVERIFY(!read.finished && !write.finished);
    }

    void engineAppliesFaultsAndDelays()
    {
        FaultSettings s;
        s.identifyAnswer = 0x02;
        s.imageStopAfter = 10;
        s.writeDelayMs = 30;
        s.byteDelayMs = 4;
        StationImage image(Pattern());
        StationEngine engine(image, FaultPlan(s));
        RequestParser parser;
        auto handle = [&](const char* hex) { return engine.Handle(Parse(parser, hex).at(0).request); };

        QCOMPARE(handle("113901").bytes, Bytes("02"));
        QCOMPARE(int(handle("113902").bytes.size()), 10);
        const Answer write = handle("1139030000");
        QCOMPARE(write.delayBefore, 30 * NanosPerMs);
        QCOMPARE(write.delayPerByte, 4 * NanosPerMs);
        QCOMPARE(handle("113902").delayPerByte, 4 * NanosPerMs);
        QCOMPARE(handle("113902").delayBefore, Nanos(0));
    }

    void aSilentStationAnswersAndStoresNothing()
    {
        FaultSettings s;
        s.silent = true;
        StationImage image(Pattern());
        StationEngine engine(image, FaultPlan(s));
        RequestParser parser;
        for (const char* hex : {"113901", "113902", "1139030055", "113904"}) {
            const Answer a = engine.Handle(Parse(parser, hex).at(0).request);
            QVERIFY(a.bytes.empty());
        }
        QCOMPARE(image.Bytes(), Pattern());
    }

    void optionsParseEverything()
    {
        StationOptions o;
        std::string error;
        QVERIFY(ParseArgs({}, o, error));
        QCOMPARE(o.baud, 9600);
        QVERIFY(o.portsDir.empty() && o.imagePath.empty() && !o.faults.silent);

        StationOptions full;
        QVERIFY2(ParseArgs({"--image", "a.img", "--ports-dir", "/tmp/p", "--com", "12", "--baud=19200",
                            "--log", "l.txt", "--silent", "--identify-answer", "02",
                            "--image-stop-after", "400", "--wrong-echo", "5:3", "--wrong-echo", "0x203:1",
                            "--never-echo", "7", "--never-echo", "1023", "--byte-delay", "5",
                            "--write-delay", "20", "--vanish-after", "3", "--device", "/dev/ttyS0",
                            "--store-wrong", "9", "--store-wrong", "0x203:2", "--reserved-pattern",
                            "--stale", "700", "--image-extra", "5:1", "--read-wrong", "700:1", "--read-wrong", "9",
                            "--unmodelled-bits", "--random-image", "4242"},
                           full, error),
                 error.c_str());
        QCOMPARE(QString::fromStdString(full.imagePath), QStringLiteral("a.img"));
        QCOMPARE(full.com, 12);
        QCOMPARE(full.baud, 19200);
        QVERIFY(full.faults.silent);
        QCOMPARE(*full.faults.identifyAnswer, 0x02);
        QCOMPARE(*full.faults.imageStopAfter, 400);
        QCOMPARE(full.faults.wrongEchoes.at(5), 3);
        QCOMPARE(full.faults.wrongEchoes.at(0x203), 1);
        QCOMPARE(int(full.faults.neverEcho.size()), 2);
        QCOMPARE(full.faults.byteDelayMs, 5);
        QCOMPARE(full.faults.writeDelayMs, 20);
        QCOMPARE(*full.faults.vanishAfter, 3);
        QCOMPARE(QString::fromStdString(full.devicePath), QStringLiteral("/dev/ttyS0"));
        QCOMPARE(full.faults.storeWrong.at(9), 0);
        QCOMPARE(full.faults.storeWrong.at(0x203), 2);
        QVERIFY(full.reservedPattern);
        QVERIFY(!o.reservedPattern);
        QCOMPARE(full.faults.staleBytes, 700);
        QCOMPARE(full.faults.imageExtra, 5);
        QCOMPARE(*full.faults.imageExtraTimes, 1);
        QCOMPARE(full.faults.readWrong.at(700), 1);
        QCOMPARE(full.faults.readWrong.at(9), 0);
        QVERIFY(full.unmodelledBits);
        QCOMPARE(*full.randomSeed, 4242u);
        QVERIFY(!o.unmodelledBits && !o.randomSeed && o.faults.staleBytes == 0);
    }

    void badOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown") << QStringList{"--bogus"};
        QTest::newRow("missing value") << QStringList{"--image"};
        QTest::newRow("com alone") << QStringList{"--com", "3"};
        QTest::newRow("ports dir alone") << QStringList{"--ports-dir", "/tmp/p"};
        QTest::newRow("com zero") << QStringList{"--ports-dir", "/tmp/p", "--com", "0"};
        QTest::newRow("odd baud") << QStringList{"--baud", "1234"};
        QTest::newRow("baud text") << QStringList{"--baud", "fast"};
        QTest::newRow("wrong echo without count") << QStringList{"--wrong-echo", "5"};
        QTest::newRow("offset beyond image") << QStringList{"--never-echo", "1024"};
        QTest::newRow("negative offset") << QStringList{"--never-echo", "-1"};
        QTest::newRow("identify not a byte") << QStringList{"--identify-answer", "123"};
        QTest::newRow("identify not hex") << QStringList{"--identify-answer", "zz"};
        QTest::newRow("stop after beyond image") << QStringList{"--image-stop-after", "1025"};
        QTest::newRow("vanish after zero") << QStringList{"--vanish-after", "0"};
        QTest::newRow("flag with value") << QStringList{"--silent=1"};
        QTest::newRow("store wrong beyond image") << QStringList{"--store-wrong", "1024"};
        QTest::newRow("store wrong zero count") << QStringList{"--store-wrong", "5:0"};
        QTest::newRow("store wrong empty count") << QStringList{"--store-wrong", "5:"};
        QTest::newRow("stale negative") << QStringList{"--stale", "-1"};
        QTest::newRow("stale beyond bound") << QStringList{"--stale", "200001"};
        QTest::newRow("image extra zero") << QStringList{"--image-extra", "0"};
        QTest::newRow("image extra zero times") << QStringList{"--image-extra", "5:0"};
        QTest::newRow("read wrong beyond image") << QStringList{"--read-wrong", "1024"};
        QTest::newRow("random seed text") << QStringList{"--random-image", "x"};
    }

    void badOptionsAreRefused()
    {
        QFETCH(QStringList, args);
        StationOptions o;
        std::string error;
        QVERIFY(!ParseArgs(args, o, error));
        QVERIFY(!error.empty());
    }
};

TARNIK_TEST_GUILESS_MAIN(TestStationLogic)
#include "test_station_logic.moc"
