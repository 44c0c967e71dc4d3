// The programmer file format without windows: what a written file holds
// and in which order, and what a reader accepts and refuses.
#include "tests/support/TestRegistry.h"
#include "document/Cp1251.h"
#include "document/ProgrammerFile.h"
#include "document/U_xml.h"
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
TProgrammerFile Sample()
{
    TProgrammerFile f;
    f.lists = {1, 2, 3, 4, 5, 6, 7, 8, -1};
    f.flags = {true, false, true, false, true};
    f.timeout = 65535;
    for (int r = 0; r < 10; ++r)
        f.noiseLevels[r] = 25 * r + 5;
    for (int i = 0; i < 100; ++i) {
        TProgrammerChannel c;
        c.enable = i % 3 == 0;
        c.rxHz = 33000000 + 25000 * i;
        c.txHz = 34000000 + 25000 * i;
        c.ctcssRx = i % 51;
        c.ctcssTx = 50 - i % 51;
        f.channels << c;
    }
    f.declaredCount = 100;
    return f;
}

QStringList ChildNames(const QDomElement& e)
{
    QStringList names;
    for (QDomElement c = e.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        names << c.tagName();
    return names;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
} // namespace

class TestProgrammerFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir tmp;
    QDomDocument doc;
    TXMLFile xml{&doc};

    // A written sample with one element's text replaced (or the element
    // removed when text is null).
    QString Edited(const QString& name, const QString& parent, const QString& element, const QString& text)
    {
        const QString path = tmp.filePath(name);
        if (!WriteProgrammerFile(xml, path, Sample()))
            return QString();
        QDomDocument d;
        d.setContent(Cp1251::Decode(ReadAll(path)));
        QDomElement p = d.documentElement().firstChildElement(parent.section('/', 0, 0));
        if (parent.contains('/'))
            p = p.firstChildElement(parent.section('/', 1, 1));
        QDomElement e = p.firstChildElement(element);
        if (text.isNull())
            p.removeChild(e);
        else
            e.firstChild().setNodeValue(text);
        // Written back as UTF-8: readers take the encoding the file names.
        WriteAll(path, d.toByteArray());
        return path;
    }

private slots:
    void writtenFileHoldsExactlyTheElementsInOrder()
    {
        const QString path = tmp.filePath("order.vtr");
        QVERIFY(WriteProgrammerFile(xml, path, Sample()));
        const QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"));

        QDomDocument d;
        QVERIFY(bool(d.setContent(Cp1251::Decode(bytes))));
        const QDomElement root = d.documentElement();
        QCOMPARE(root.tagName(), QStringLiteral("document"));
        QCOMPARE(ChildNames(root), (QStringList{"head", "settings", "channels"}));
        QCOMPARE(ChildNames(root.firstChildElement("head")), (QStringList{"author", "creation_time", "creation_date"}));
        QCOMPARE(root.firstChildElement("head").firstChildElement("author").text(), QStringLiteral("obrant"));
        QStringList values;
        for (int n = 1; n <= 25; ++n)
            values << QStringLiteral("value%1").arg(n);
        QCOMPARE(ChildNames(root.firstChildElement("settings")), values);
        QStringList channels{"count"};
        for (int i = 1; i <= 100; ++i)
            channels << QStringLiteral("channel%1").arg(i);
        const QDomElement ch = root.firstChildElement("channels");
        QCOMPARE(ChildNames(ch), channels);
        QCOMPARE(ch.firstChildElement("count").text(), QStringLiteral("100"));
        for (QDomElement c = ch.firstChildElement("channel1"); !c.isNull(); c = c.nextSiblingElement())
            QCOMPARE(ChildNames(c), (QStringList{"enable", "RX", "TX", "CTCSSRX", "CTCSSTX"}));

        const QDomElement s = root.firstChildElement("settings");
        QCOMPARE(s.firstChildElement("value9").text(), QStringLiteral("-1"));
        QCOMPARE(s.firstChildElement("value10").text(), QStringLiteral("True"));
        QCOMPARE(s.firstChildElement("value11").text(), QStringLiteral("False"));
        QCOMPARE(s.firstChildElement("value15").text(), QStringLiteral("65535"));
        QCOMPARE(s.firstChildElement("value25").text(), QStringLiteral("230"));
        const QDomElement c4 = ch.firstChildElement("channel4");
        QCOMPARE(c4.firstChildElement("enable").text(), QStringLiteral("1"));
        QCOMPARE(c4.firstChildElement("RX").text(), QStringLiteral("33075000"));
        QCOMPARE(c4.firstChildElement("TX").text(), QStringLiteral("34075000"));
        QCOMPARE(ch.firstChildElement("channel2").firstChildElement("enable").text(), QStringLiteral("0"));
    }

    void readingGivesBackWhatWasWritten()
    {
        const QString path = tmp.filePath("round.vtr");
        QVERIFY(WriteProgrammerFile(xml, path, Sample()));
        TProgrammerFile back;
        QVERIFY(ReadProgrammerFile(xml, path, 100, back));
        const TProgrammerFile sample = Sample();
        QCOMPARE(back.lists, sample.lists);
        QCOMPARE(back.flags, sample.flags);
        QCOMPARE(back.timeout, sample.timeout);
        QCOMPARE(back.noiseLevels, sample.noiseLevels);
        QCOMPARE(back.declaredCount, 100);
        QCOMPARE(back.channels.size(), 100);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(back.channels[i].enable, sample.channels[i].enable);
            QCOMPARE(back.channels[i].rxHz, sample.channels[i].rxHz);
            QCOMPARE(back.channels[i].txHz, sample.channels[i].txHz);
            QCOMPARE(back.channels[i].ctcssRx, sample.channels[i].ctcssRx);
            QCOMPARE(back.channels[i].ctcssTx, sample.channels[i].ctcssTx);
        }
    }

    void truthValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("on");
        QTest::newRow("True") << "True" << true << true;
        QTest::newRow("true") << "true" << true << true;
        QTest::newRow("TRUE") << "TRUE" << true << true;
        QTest::newRow("fAlSe") << "fAlSe" << true << false;
        QTest::newRow("zero") << "0" << true << false;
        QTest::newRow("seven") << "7" << true << true;
        QTest::newRow("minus one") << "-1" << true << true;
        QTest::newRow("yes") << "yes" << false << false;
        QTest::newRow("empty") << "" << false << false;
    }
    void truthValues()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(bool, on);
        const QString path = Edited("truth.vtr", "settings", "value12", text);
        TProgrammerFile back;
        back.timeout = -7;
        QCOMPARE(ReadProgrammerFile(xml, path, 100, back), valid);
        if (valid)
            QCOMPARE(back.flags[2], on);
        else
            QCOMPARE(back.timeout, -7);   // nothing handed out from a refused file
    }

    void brokenFilesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing value3") << "settings" << "value3" << QString() << "settings/value3";
        QTest::newRow("word as index") << "settings" << "value1" << "first" << "settings/value1";
        QTest::newRow("missing noise level") << "settings" << "value25" << QString() << "settings/value25";
        QTest::newRow("time-out not a number") << "settings" << "value15" << "1.5" << "settings/value15";
        QTest::newRow("missing count") << "channels" << "count" << QString() << "channels/count";
        QTest::newRow("negative count") << "channels" << "count" << "-1" << "отрицательное число каналов";
        QTest::newRow("missing last channel") << "channels" << "channel100" << QString() << "channel100/enable";
        QTest::newRow("enable as a word") << "channels/channel7" << "enable" << "True" << "channel7/enable";
        QTest::newRow("frequency not a number") << "channels/channel50" << "RX" << "33 MHz" << "channel50/RX";
        QTest::newRow("missing tone") << "channels/channel1" << "CTCSSTX" << QString() << "channel1/CTCSSTX";
    }
    void brokenFilesAreRefusedWithTheReason()
    {
        QFETCH(QString, parent);
        QFETCH(QString, element);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        const QString path = Edited("broken.vtr", parent, element, text);
        TProgrammerFile back;
        QString why;
        QVERIFY(!ReadProgrammerFile(xml, path, 100, back, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QVERIFY(back.channels.isEmpty());
    }

    void unreadableFilesAreRefused()
    {
        TProgrammerFile back;
        QVERIFY(!ReadProgrammerFile(xml, tmp.filePath("none.vtr"), 100, back));
        const QString garbage = tmp.filePath("garbage.vtr");
        QVERIFY(WriteAll(garbage, "<document><settings><value1>0</value1>"));
        QVERIFY(!ReadProgrammerFile(xml, garbage, 100, back));
    }

    void countDecidesWhichChannelsAreRead()
    {
        // A count of 10 from another run: only ten channel elements matter,
        // even if the file holds more.
        TProgrammerFile back;
        QVERIFY(ReadProgrammerFile(xml, Edited("ten.vtr", "channels", "count", "10"), 100, back));
        QCOMPARE(back.declaredCount, 10);
        QCOMPARE(back.channels.size(), 10);
        QCOMPARE(back.channels[9].rxHz, 33000000 + 25000 * 9);

        // Above the rows that exist: only those are read, and the missing
        // elements 101.. are never asked for.
        QVERIFY(ReadProgrammerFile(xml, Edited("many.vtr", "channels", "count", "2147483647"), 100, back));
        QCOMPARE(back.declaredCount, 2147483647);
        QCOMPARE(back.channels.size(), 100);

        QVERIFY(ReadProgrammerFile(xml, Edited("zero.vtr", "channels", "count", "0"), 100, back));
        QVERIFY(back.channels.isEmpty());
    }

    void channelTextsInWindows1251()
    {
        // The file names its encoding; Cyrillic in a foreign file's head
        // (not read) does not disturb reading.
        const QString path = tmp.filePath("cyr.vtr");
        QVERIFY(WriteProgrammerFile(xml, path, Sample()));
        QByteArray bytes = ReadAll(path);
        const QByteArray author = Cp1251::Encode(QStringLiteral("Автор"));
        bytes.replace("obrant", author);
        QVERIFY(WriteAll(path, bytes));
        TProgrammerFile back;
        QVERIFY(ReadProgrammerFile(xml, path, 100, back));
        QCOMPARE(xml.ReadValue("head", "author"), QStringLiteral("Автор"));
    }

    void failedWriteKeepsTheEarlierFile()
    {
        const QString path = tmp.filePath("keep.vtr");
        QVERIFY(WriteProgrammerFile(xml, path, Sample()));
        const QByteArray before = ReadAll(path);
        QVERIFY(!WriteProgrammerFile(xml, tmp.filePath("gone/keep.vtr"), Sample()));
        QCOMPARE(ReadAll(path), before);
    }
};

TARNIK_TEST_GUILESS_MAIN(TestProgrammerFile)
#include "test_programmerfile.moc"
