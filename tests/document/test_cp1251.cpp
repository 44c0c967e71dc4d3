// The program's own windows-1251 table: the same characters as the
// system's converter for every byte, and files in that code page read and
// written alike on every platform.
#include "tests/support/TestRegistry.h"
#include "document/Cp1251.h"
#include "document/U_xml.h"
#include <QDomDocument>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

class TestCp1251 : public QObject {
    Q_OBJECT
private slots:
    void everyByteAsTheSystemDecodesIt()
    {
        QStringDecoder system(Cp1251::Name);
        if (!system.isValid())
            QSKIP("this Qt has no converter of its own for windows-1251 (no ICU)");
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            QCOMPARE(Cp1251::Decode(byte), system.decode(byte));
        }
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1251::Decode(all), QStringDecoder(Cp1251::Name).decode(all));
    }

    void everyCharacterAsTheSystemEncodesIt()
    {
        if (!QStringEncoder(Cp1251::Name).isValid())
            QSKIP("this Qt has no converter of its own for windows-1251 (no ICU)");
        // The whole Basic Multilingual Plane outside the surrogates: the
        // characters the code page holds give the same byte, the others
        // are refused by both.
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const QString text = QString::fromUcs4(&c, 1);
            QStringEncoder system(Cp1251::Name);
            const QByteArray expected = system.encode(text);
            bool ok = false;
            const QByteArray ours = Cp1251::Encode(text, &ok);
            QVERIFY2(ok == !system.hasError(), qPrintable(QString::number(uint(c), 16)));
            if (ok)
                QCOMPARE(ours, expected);
        }
    }

    void roundTripAndRefusal()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            bool ok = false;
            QCOMPARE(Cp1251::Encode(Cp1251::Decode(byte), &ok), byte);
            QVERIFY(ok);
        }
        QCOMPARE(Cp1251::Decode("\xCA\xE0\xED\xE0\xEB \xB9"), QStringLiteral("Канал №"));
        bool ok = true;
        QCOMPARE(Cp1251::Encode(QStringLiteral("a€ü"), &ok), QByteArray("a\x88\x1A"));
        QVERIFY(!ok);
        QCOMPARE(Cp1251::ByteOf(U'я'), 0xFF);
        QCOMPARE(Cp1251::ByteOf(U'ü'), -1);
    }

    void filesAreWrittenAndReadThroughTheTable()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cyr.xml"));
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.NewDocument());
        QVERIFY(xml.WriteValue("channels", "name", QStringLiteral("Канал «Ёлка» ü €")));
        QVERIFY(xml.SaveToFile(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        f.close();   // Windows replaces no file that is open
        // Cyrillic as single bytes, the character outside the code page as
        // a character reference.
        QVERIFY(bytes.contains("\xCA\xE0\xED\xE0\xEB \xAB\xA8\xEB\xEA\xE0\xBB &#252; \x88"));
        QDomDocument back;
        TXMLFile again(&back);
        QVERIFY(again.LoadFromFile(path));
        QCOMPARE(again.ReadValue("channels", "name"), QStringLiteral("Канал «Ёлка» ü €"));
        // The declaration survives the reading, so a save keeps the code page.
        QVERIFY(again.SaveToFile(path));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
    }

    void declarationInOtherCaseAndQuotes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("q.xml"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version='1.0' encoding='WINDOWS-1251'?><r><a><b>\xD2\xE5\xF1\xF2</b></a></r>");
        f.close();
        QDomDocument doc;
        TXMLFile xml(&doc);
        QVERIFY(xml.LoadFromFile(path));
        QCOMPARE(xml.ReadValue("a", "b"), QStringLiteral("Тест"));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestCp1251)
#include "test_cp1251.moc"
