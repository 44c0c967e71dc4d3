// The journal: entries, icons, times and scrolling to the newest entry.
#include "tests/support/TestRegistry.h"
#include "app/Fjournal.h"
#include "document/LocaleFormats.h"
#include "document/ProgramLanguage.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTreeWidget>
#include <QTest>

class TestJournal : public QObject {
    Q_OBJECT
private slots:
    void entriesKeepIconTimeAndFullText()
    {
        QWidget panel;
        Tf_journal journal(&panel);
        const QString longText(500, QLatin1Char('x'));
        journal.AddEvent(5, QStringLiteral("Запуск приложения"));
        journal.AddEvent(6, longText);
        journal.AddEvent(6, longText);
        QTreeWidget* list = journal.ListView1;
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Запуск приложения"));
        QCOMPARE(list->topLevelItem(0)->data(0, Qt::UserRole).toInt(), 5);
        QVERIFY(!list->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(list->topLevelItem(0)->text(0), QString());
        QCOMPARE(list->topLevelItem(1)->text(2), longText);
        QCOMPARE(list->topLevelItem(2)->text(2), longText);
        // Long time format with seconds and without a time zone.
        const QRegularExpression time(QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2}$"));
        QVERIFY2(time.match(list->topLevelItem(0)->text(1)).hasMatch(), qPrintable(list->topLevelItem(0)->text(1)));
    }

    void aLongLineIsReadWholeAndCopied()
    {
        QWidget panel;
        Tf_journal journal(&panel);
        const QString path = QStringLiteral("Резервная копия: /home/technician/.local/share/tarnik-programmer/backups/"
                                            "station-COM4-20260304-050607.bin");
        journal.AddEvent(3, QStringLiteral("Чтение данных станции для резервной копии..."));
        journal.AddEvent(3, path);
        QTreeWidget* list = journal.ListView1;
        QCOMPARE(list->topLevelItem(1)->toolTip(2), path);
        // The context menu copies the selected lines.
        QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(list->actions().size(), 1);
        QCOMPARE(list->actions().first()->text(), QStringLiteral("Копировать"));
        QGuiApplication::clipboard()->clear();
        list->topLevelItem(1)->setSelected(true);
        list->actions().first()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), path);
        list->topLevelItem(0)->setSelected(true);
        journal.CopySelected();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Чтение данных станции для резервной копии...\n") + path);
    }

    void columnsAndHeaders()
    {
        QWidget panel;
        Tf_journal journal(&panel);
        QTreeWidget* list = journal.ListView1;
        QCOMPARE(list->columnCount(), 3);
        QVERIFY(list->isHeaderHidden());
        QCOMPARE(list->columnWidth(0), 24);
        QCOMPARE(list->columnWidth(1), 75);
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Событие"));
        QCOMPARE(journal.ImageList1.size(), 9);
    }

    // The English time ("10:27:24 PM") is wider than the 24-hour one the
    // column was sized for: the column grows so that no time is cut.
    void theTimeColumnHoldsTheTimeInEitherLanguage()
    {
        for (const QString& setting : {QStringLiteral("en"), QStringLiteral("ru")}) {
            InstallLanguage(*qApp, setting);
            QWidget panel;
            Tf_journal journal(&panel);
            QTreeWidget* list = journal.ListView1;
            const QFontMetrics fm(list->font());
            for (const QTime& t : {QTime(10, 58, 58), QTime(22, 58, 58)})
                QVERIFY2(fm.horizontalAdvance(LongTimeText(t)) + 8 <= list->columnWidth(1), qPrintable(setting));
            if (setting == QLatin1String("ru"))
                QCOMPARE(list->columnWidth(1), 75);
        }
    }

    void addingBringsTheNewestEntryIntoView()
    {
        QWidget panel;
        panel.resize(600, 120);
        Tf_journal journal(&panel);
        journal.setGeometry(2, 6, 596, 108);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        for (int i = 0; i < 60; ++i)
            journal.AddEvent(5, QString::number(i));
        QTreeWidget* list = journal.ListView1;
        list->verticalScrollBar()->setValue(0);
        QCoreApplication::processEvents();
        journal.AddEvent(0, QStringLiteral("newest"));
        QCoreApplication::processEvents();
        QTreeWidgetItem* newest = list->topLevelItem(60);
        const QRect shown = list->visualItemRect(newest);
        QVERIFY(shown.top() >= 0);
        QVERIFY(shown.bottom() <= list->viewport()->height());
        QVERIFY(list->verticalScrollBar()->value() > 0);
    }
};

TARNIK_TEST_MAIN(TestJournal)
#include "test_journal.moc"
