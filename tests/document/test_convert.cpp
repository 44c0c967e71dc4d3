// Number and truth-value conversion of catalogue and file texts.
#include "tests/support/TestRegistry.h"
#include "document/Convert.h"
#include <QTest>

class TestConvert : public QObject {
    Q_OBJECT
private slots:
    void integers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("negative") << "-1" << true << -1;
        QTest::newRow("plus") << "+7" << true << 7;
        QTest::newRow("leading blanks") << "  12" << true << 12;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("word") << "abc" << false << 0;
        QTest::newRow("decimal") << "1.5" << false << 0;
    }
    void integers()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        int v = 0;
        QCOMPARE(TryStrToInt(text, v), valid);
        if (valid) {
            QCOMPARE(v, value);
            QCOMPARE(StrToInt(text), value);
        } else {
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(text));
        }
    }

    void errorNamesTheText()
    {
        try {
            StrToInt(QStringLiteral("x1"));
            QFAIL("no exception");
        } catch (const EConvertError& e) {
            QCOMPARE(e.Message(), QStringLiteral("\"x1\" не является целым числом"));
        }
    }

    void truthValues()
    {
        QVERIFY(StrToBool("True"));
        QVERIFY(StrToBool("tRuE"));
        QVERIFY(!StrToBool("FALSE"));
        QVERIFY(StrToBool("-3"));
        QVERIFY(!StrToBool("0"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToBool("yes"));
        QVERIFY_THROWS_EXCEPTION(EConvertError, StrToBool(""));
    }
};

TARNIK_TEST_APPLESS_MAIN(TestConvert)
#include "test_convert.moc"
