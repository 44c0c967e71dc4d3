// Takes screenshots of the restore's two questions and of the journal with
// an exchange's lines and a long backup path's tooltip, for looking at them
// under a real X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" restore_screens <output dir>
#include "document/ProgramLanguage.h"
#include "app/Fjournal.h"
#include "app/RestoreQuestions.h"
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <cstdio>

namespace {

QString outDir;

void Save(const QString& name)
{
    const QString path = QDir(outDir).filePath(name);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 900, 700);
    std::printf("%s %s\n", qPrintable(path), shot.save(path) ? "saved" : "NOT SAVED");
}

// Grabs the question box once it is on screen, then answers it.
void ShootNextBox(const QString& name)
{
    QTimer::singleShot(800, [name] {
        QWidget* box = QApplication::activeModalWidget();
        if (box)
            box->move(20, 20);
        QTest::qWait(300);
        Save(name);
        if (auto* message = qobject_cast<QMessageBox*>(box))
            message->reject();
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The windows in the language the locale asks for, as the program starts.
    InstallLanguage(app, QString());
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    ShootNextBox(QStringLiteral("restore-write-anyway.png"));
    AskWriteAnyway(nullptr, QStringLiteral("/home/technician/Загрузки/station.bin"),
                   {QStringLiteral("Частотный диапазон 113 не описан в каталоге (в каталоге диапазоны 1 - 3)"),
                    QStringLiteral("Уровень громкости: значение 80 вне списка каталога (0 - 7)"),
                    QStringLiteral("Служебные биты не такие, какие записывает программа, в байтах 503 (0x5a), 504 (0x8a)"),
                    QStringLiteral("Канал 0: тон CTCSS приема 200 вне списка тонов (0 - 50)")});

    ShootNextBox(QStringLiteral("restore-changes.png"));
    AskRestore(nullptr, {QStringLiteral("Уровень громкости: 2 → 5"), QStringLiteral("Мощность ШИМ: 17 → 200"),
                         QStringLiteral("Канал 3: RX 41025 кГц → 41000 кГц"),
                         QStringLiteral("Канал 20: выключен (был RX 47500 кГц, TX 47500 кГц, CTCSS RX нет, CTCSS TX 94,8 Гц)"),
                         QStringLiteral("Прочие байты образа: 2 отличаются (первый по адресу 0x1f7)")});

    QWidget panel;
    panel.setGeometry(20, 20, 862, 140);
    Tf_journal journal(&panel);
    journal.setGeometry(0, 0, 862, 140);
    panel.show();
    journal.AddEvent(5, QStringLiteral("Порт COM4 (/dev/ttyUSB1), 4800 бод."));
    journal.AddEvent(5, QStringLiteral("Чтение данных станции для резервной копии..."));
    const QString backup = QStringLiteral("Резервная копия: /home/technician/.local/share/tarnik-programmer/backups/"
                                          "station-COM4-20260304-050607.bin");
    journal.AddEvent(3, backup);
    journal.AddEvent(5, QStringLiteral("Байт к записи: 3 из 1024."));
    QTest::qWait(500);
    QTreeWidgetItem* item = journal.ListView1->topLevelItem(2);
    const QRect row = journal.ListView1->visualItemRect(item);
    QToolTip::showText(journal.ListView1->viewport()->mapToGlobal(row.center()), item->toolTip(2),
                       journal.ListView1->viewport());
    QTest::qWait(800);
    Save(QStringLiteral("journal-long-line.png"));
    return 0;
}
