// The exchange gate: one station exchange at a time, "Стоп" reaching the
// serial line only while an exchange runs, and the window told of both ends.
#include "tests/support/TestRegistry.h"
#include "document/JournalSink.h"
#include "link/ExchangeGate.h"
#include "link/SerialLine.h"
#include <QSignalSpy>
#include <QTest>

class TestExchangeGate : public QObject {
    Q_OBJECT
private slots:
    void exchangeHoldsTheGateAndWiresStopToTheLine()
    {
        TExchangeGate gate;
        TSerialLine line;
        QSignalSpy started(&gate, &TExchangeGate::Started);
        QSignalSpy ended(&gate, &TExchangeGate::Ended);
        {
            TExchangeGate::Exchange exchange(gate, &line);
            QVERIFY(gate.Busy());
            QCOMPARE(started.count(), 1);
            QVERIFY(line.CancelCheck());
            QVERIFY(!line.CancelCheck()());
            gate.RequestStop();
            QVERIFY(gate.StopRequested());
            QVERIFY(line.CancelCheck()());
            QCOMPARE(ended.count(), 0);
        }
        // Free again: no stop left over for the next exchange, and the line
        // no longer asks the gate.
        QVERIFY(!gate.Busy());
        QVERIFY(!gate.StopRequested());
        QVERIFY(!line.CancelCheck());
        QCOMPARE(ended.count(), 1);
    }

    void stopWithoutAnExchangeIsForgotten()
    {
        TExchangeGate gate;
        gate.RequestStop();
        QVERIFY(!gate.StopRequested());
        TExchangeGate::Exchange exchange(gate, nullptr);
        QVERIFY(gate.Busy());
        QVERIFY(!gate.StopRequested());
    }

    void theProgramHasOneGate()
    {
        QCOMPARE(&StationGate(), &StationGate());
        QVERIFY(!StationGate().Busy());
    }

    void journalEventsReachTheSinkOnlyWhileOneIsSet()
    {
        AddJournalEvent(6, QStringLiteral("никуда"));   // no sink: nothing happens
        QList<QPair<int, QString>> got;
        SetJournalSink([&got](int icon, const QString& text) { got.append({icon, text}); });
        AddJournalEvent(5, QStringLiteral("Данные считаны успешно."));
        SetJournalSink({});
        AddJournalEvent(6, QStringLiteral("после"));
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].first, 5);
        QCOMPARE(got[0].second, QStringLiteral("Данные считаны успешно."));
    }
};

TARNIK_TEST_GUILESS_MAIN(TestExchangeGate)
#include "test_exchangegate.moc"
