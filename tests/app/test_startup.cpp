// Start-up, the main window, the catalogue at start and its write-back at
// close, and failures during start-up.
#include "tests/support/TestRegistry.h"
#include "widgets/ErrorBox.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "document/StartDir.h"
#include "app/Startup.h"
#include "editors/Fchannels.h"
#include "editors/Fconfig.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include "link/Fcomsettings.h"
#include "tests/support/StationTestSupport.h"
#include "tests/support/TestRunDir.h"
#include "widgets/CSpinEdit.h"
#include "widgets/Frbutton.h"
#include "widgets/Frmainmenu.h"
#include "widgets/Frpanel.h"
#include "widgets/Frprogress.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {

QStringList JournalTexts()
{
    QStringList texts;
    for (int i = 0; i < f_journal->ListView1->topLevelItemCount(); ++i)
        texts << f_journal->ListView1->topLevelItem(i)->text(2);
    return texts;
}

int JournalIcon(int i) { return f_journal->ListView1->topLevelItem(i)->data(0, Qt::UserRole).toInt(); }

QByteArray Replace(const QByteArray& cp1251, const QString& from, const QString& to)
{
    QStringDecoder dec("windows-1251");
    QString s = dec.decode(cp1251);
    s.replace(from, to);
    QStringEncoder enc("windows-1251");
    return enc.encode(s);
}

// Starts the whole program in the run directory, as main() does.
bool Start()
{
    CreateWindows();
    f_main->show();
    return QTest::qWaitFor([] { return JournalTexts().contains(QStringLiteral("Можно начинать к работу")); }, 5000);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
    QStringList errors;

public:
    // Run before the application object: a child started with
    // TARNIK_REPORT_STARTDIR only prints the StartDir it captured before
    // main() and ends.
    static void initMain()
    {
        if (qEnvironmentVariableIsSet("TARNIK_REPORT_STARTDIR")) {
            std::printf("%s\n", qPrintable(QFileInfo(StartDir).canonicalFilePath()));
            std::fflush(stdout);
            std::exit(0);
        }
    }

private slots:
    void init()
    {
        errors.clear();
        SetErrorBoxHandler([this](const QString& m) { errors << m; });
    }
    void cleanup()
    {
        DestroyWindows();
        SetErrorBoxHandler({});
    }

    void journalStartsWithTheStartAndTheCatalogue()
    {
        TestRunDir run;
        QVERIFY(Start());
        // The rows are placed a second after they were built.
        QCOMPARE(f_channels->Creation->interval(), 1000);
        const QStringList texts = JournalTexts();
        QCOMPARE(texts.mid(0, 4), (QStringList{"Запуск приложения", "Настройки загружены",
                                              "Пожайлуста подождите...", "Можно начинать к работу"}));
        QCOMPARE(JournalIcon(0), 5);
        QCOMPARE(JournalIcon(1), 5);
        QCOMPARE(JournalIcon(2), 0);
        QCOMPARE(JournalIcon(3), 5);
        QVERIFY(errors.isEmpty());
    }

    void mainWindowLayout()
    {
        TestRunDir run;
        QVERIFY(Start());
        QCOMPARE(f_main->windowTitle(), QStringLiteral("Программатор Tarnik"));
        QCOMPARE(f_main->size(), QSize(870, 640));
        QCOMPARE(f_main->fr_mainmenu1->geometry(), QRect(0, 0, 870, 30));
        QCOMPARE(f_main->fr_panel1->geometry(), QRect(0, 30, 870, 48));
        QCOMPARE(f_main->Panel1->geometry(), QRect(0, 78, 870, 48));
        QCOMPARE(f_main->fr_panel2->geometry(), QRect(0, 520, 870, 120));
        QCOMPARE(f_main->PageControl1->geometry(), QRect(0, 126, 870, 394));
        QCOMPARE(f_main->PageControl1->currentIndex(), 0);
        QCOMPARE(f_main->PageControl1->tabText(0), QStringLiteral("Каналы"));
        QCOMPARE(f_main->PageControl1->tabText(1), QStringLiteral("Настройки"));
        QCOMPARE(f_main->read_btn->geometry(), QRect(8, 6, 120, 36));
        QCOMPARE(f_main->write_btn->geometry(), QRect(127, 6, 120, 36));
        QCOMPARE(f_main->fr_button2->geometry(), QRect(246, 6, 150, 36));
        QCOMPARE(f_main->fr_progress1->geometry(), QRect(414, 9, 300, 30));
        QVERIFY(!f_main->fr_progress1->isVisible());
        const QList<QPair<Tfr_button*, int>> tools = {
            {f_main->fr_button3, 6}, {f_main->fr_button4, 60}, {f_main->fr_button5, 100}, {f_main->fr_button6, 153},
            {f_main->fr_button7, 193}, {f_main->fr_button1, 249}, {f_main->fr_button8, 471}};
        for (const auto& t : tools) {
            QCOMPARE(t.first->geometry(), QRect(t.second, 36, 40, 36));
            QVERIFY(t.first->Lines().isEmpty());
            QVERIFY(t.first->HasPicture());
            QCOMPARE(t.first->PictureLayout(), int(Tfr_button::PictureAbove));
            QVERIFY(!t.first->toolTip().isEmpty());
        }
        QCOMPARE(f_main->read_btn->Lines(), QStringList{"Чтение"});
        QCOMPARE(f_main->write_btn->Lines(), QStringList{"Запись"});
        QCOMPARE(f_main->fr_button2->Lines(), QStringList{"Задать канал"});
        QCOMPARE(f_main->read_btn->PictureLayout(), int(Tfr_button::PictureLeft));
        QVERIFY(f_main->fr_panel1->Lines().isEmpty());
        QCOMPARE(f_main->fr_mainmenu1->Items().size(), 4);
    }

    void journalColumnFollowsTheBottomPanel()
    {
        TestRunDir run;
        QVERIFY(Start());
        for (int width : {870, 1000, 700}) {
            f_main->resize(width, 640);
            QCoreApplication::processEvents();
            QCOMPARE(f_journal->ListView1->columnWidth(2), f_main->fr_panel2->width() - 130);
            QCOMPARE(f_journal->geometry(), QRect(2, 6, f_main->fr_panel2->width() - 4, 108));
        }
    }

    void catalogueReachesItsReceivers()
    {
        TestRunDir run;
        QVERIFY(run.WriteSettings(Replace(ShippedSettings(), "<onefreq>1</onefreq>", "<onefreq>0</onefreq>")
                                      .replace("<speed>0</speed>", "<speed>2</speed>")));
        QVERIFY(Start());
        QCOMPARE(f_com->fr_combobox2->currentIndex(), 2);
        QVERIFY(!f_config->CheckBox1->isChecked());
        for (Tfr_reccord* row : channelRows)
            QVERIFY(!row->commonFrequency);
        QCOMPARE(f_settings->ComboBox1->count(), 3);
        QCOMPARE(f_settings->ComboBox2->itemText(0), QStringLiteral("Нет"));
        QCOMPARE(f_settings->ComboBox7->count(), 16);
        for (QComboBox* box : f_settings->Lists())
            QCOMPARE(box->currentIndex(), 0);
        // The band change ran: every row is on the first band's minimum.
        QCOMPARE(channelRows[99]->CSpinEdit2->MinValue(), 33000000);
        QCOMPARE(channelRows[99]->CSpinEdit2->MaxValue(), 41000000);
        QCOMPARE(channelRows[0]->CSpinEdit1->Value(), 33000000);
        QCOMPARE(frequencyStep, 25000);
    }

    void closeWritesBackOnlyTheThreeChoices()
    {
        TestRunDir run;
        QVERIFY(Start());
        // With no port in the list (none found) the remembered position stays.
        const int listed = f_com->fr_combobox1->currentIndex();
        const QString port = QStringLiteral("<number>%1</number>").arg(std::max(listed, 0));
        f_main->close();
        QCOMPARE(run.ReadSettings(), Replace(ShippedSettings(), "<number>0</number>", port));
        DestroyWindows();

        QVERIFY(Start());
        f_com->fr_combobox2->setCurrentIndex(2);
        f_config->CheckBox1->setChecked(false);
        QTest::mouseClick(f_main->fr_button8, Qt::LeftButton);
        QVERIFY(!f_main->isVisible());
        QByteArray expected = Replace(ShippedSettings(), "<onefreq>1</onefreq>", "<onefreq>0</onefreq>");
        expected.replace("<speed>0</speed>", "<speed>2</speed>");
        expected = Replace(expected, "<number>0</number>", port);
        QCOMPARE(run.ReadSettings(), expected);
    }

    // A start where no port can be opened keeps the port remembered from
    // earlier runs for the next one.
    void aStartWithoutPortsKeepsTheRememberedPort()
    {
        TestRunDir run;
        TestPorts none;
        QVERIFY(run.WriteSettings(ShippedSettings().replace("<number>0</number>", "<number>3</number>")));
        QVERIFY(Start());
        QCOMPARE(f_com->fr_combobox1->count(), 0);
        f_main->close();
        QVERIFY(!f_main->isVisible());
        QVERIFY(run.ReadSettings().contains("<number>3</number>"));
    }

    void missingCatalogueIsReportedAndTheProgramGoesOn()
    {
        TestRunDir run;
        QVERIFY(QFile::remove(run.SettingsFile()));
        QVERIFY(Start());
        QCOMPARE(errors.size(), 1);
        QVERIFY(!JournalTexts().contains(QStringLiteral("Настройки загружены")));
        QCOMPARE(JournalTexts().first(), QStringLiteral("Запуск приложения"));
        f_main->close();
        QVERIFY(!QFile::exists(run.SettingsFile()));   // nothing written at close
    }

    void badBandLimitStopsTheCatalogueAfterTheLists()
    {
        TestRunDir run;
        QVERIFY(run.WriteSettings(Replace(ShippedSettings(), "<min1>33000</min1>", "<min1>33 MHz</min1>")));
        QVERIFY(Start());
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains(QStringLiteral("33 MHz")));
        QVERIFY(!JournalTexts().contains(QStringLiteral("Настройки загружены")));
        QCOMPARE(f_settings->ComboBox1->count(), 3);               // applied before the failure
        QCOMPARE(channelRows[0]->CSpinEdit1->MinValue(), 0);        // the band change did not complete
    }

    // Catalogues that once hung, crashed or garbled the program at start
    // (the inputs fuzzing found): the window comes up, the error box shows,
    // and the program goes on until closed. A count out of range says so.
    void brokenCataloguesLeaveTheProgramRunning_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& name : QDir(QStringLiteral(TARNIK_SOURCE_DIR "/tests/fuzz-regressions/catalogue"))
                                       .entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << QStringLiteral(TARNIK_SOURCE_DIR "/tests/fuzz-regressions/catalogue/") + name;
        QVERIFY(QTest::currentTestFunction());
    }
    void brokenCataloguesLeaveTheProgramRunning()
    {
        QFETCH(QString, file);
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        TestRunDir run;
        QVERIFY(run.WriteSettings(input.readAll()));
        QVERIFY(Start());
        QVERIFY(f_main->isVisible());
        QCOMPARE(errors.size(), 1);
        if (file.contains(QLatin1String("-count-")))
            QVERIFY2(errors.first().contains(QStringLiteral("вне пределов")), qPrintable(errors.first()));
        QVERIFY(!JournalTexts().contains(QStringLiteral("Настройки загружены")));
        QTest::qWait(100);
        QVERIFY(f_main->isVisible());
        f_main->close();
    }

    void missingButtonPictureLeavesTheButtonWithout()
    {
        TestRunDir run;
        QVERIFY(QFile::remove(run.File("Source/print.bmp")));
        QVERIFY(Start());
        QVERIFY(!f_main->fr_button1->HasPicture());
        QVERIFY(f_main->fr_button3->HasPicture());
    }

    void missingLogoEndsTheStartUpWithAFileError()
    {
        TestRunDir run;
        QVERIFY(QFile::remove(run.File("Source/logo.bmp")));
        bool failed = false;
        try {
            CreateWindows();
        } catch (const std::exception& e) {
            failed = QString::fromLocal8Bit(e.what()).contains(QStringLiteral("logo.bmp"));
        }
        QVERIFY(failed);
    }

    void settingsAndPicturesComeFromTheStartDirectory()
    {
        TestRunDir run;
        QVERIFY(run.WriteSettings(Replace(ShippedSettings(), "<name>Файл</name>", "<name>Документ</name>")));
        QVERIFY(Start());
        QCOMPARE(f_main->fr_mainmenu1->Items().first().Name, QStringLiteral("Документ"));
    }

    void startDirIsTheCurrentDirectoryNotTheProgramsOne()
    {
        // A child copy of this test, started in another directory, reports
        // the StartDir it captured before main().
        QTemporaryDir elsewhere;
        QProcess child;
        child.setWorkingDirectory(elsewhere.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TARNIK_REPORT_STARTDIR"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("test_startup")});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed(),
                 QFileInfo(elsewhere.path()).canonicalFilePath());
    }
};

TARNIK_TEST_MAIN(TestStartup)
#include "test_startup.moc"
