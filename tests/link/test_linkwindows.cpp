// The link's windows: the connection dialog's port list and its choice,
// the station search, and the diagnostic window's grid, with the simulated
// station behind the ports.
#include "tests/support/TestRegistry.h"
#include "widgets/ErrorBox.h"
#include "app/Fjournal.h"
#include "app/Main.h"
#include "app/Startup.h"
#include "link/Fcomsettings.h"
#include "link/Fportcheck.h"
#include "link/Fsearch.h"
#include "link/ImageCodec.h"
#include "link/PortNotices.h"
#include "link/PortSurvey.h"
#include "link/StationRecord.h"
#include "tests/support/StationTestSupport.h"
#include "tests/support/TestRunDir.h"
#include "widgets/CSpinEdit.h"
#include "widgets/Frbutton.h"
#include "widgets/Frprogress.h"
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {


QStringList Items(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList JournalTexts()
{
    QStringList texts;
    for (int i = 0; i < f_journal->ListView1->topLevelItemCount(); ++i)
        texts << f_journal->ListView1->topLevelItem(i)->text(2);
    return texts;
}

int LastJournalIcon()
{
    const int n = f_journal->ListView1->topLevelItemCount();
    return f_journal->ListView1->topLevelItem(n - 1)->data(0, Qt::UserRole).toInt();
}

struct Row {
    int icon;
    QString port;
    QString state;
    bool operator==(const Row& o) const { return icon == o.icon && port == o.port && state == o.state; }
};

QList<Row> SearchRows()
{
    QList<Row> rows;
    for (int i = 0; i < f_search->ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* r = f_search->ListView1->topLevelItem(i);
        rows << Row{r->data(0, Qt::UserRole).toInt(), r->text(1), r->text(2)};
    }
    return rows;
}

const QString Found = QStringLiteral("Станция подключена к порту.");
const QString NotFound = QStringLiteral("Станция не подключена.");
const QString OpenFailed = QStringLiteral("Ошибка открытия порта.");

} // namespace

class TestLinkWindows : public QObject {
    Q_OBJECT
    QStringList errors;

    bool StartProgram()
    {
        CreateWindows();
        f_main->show();
        return QTest::qWaitFor([] { return JournalTexts().contains(QStringLiteral("Можно начинать к работу")); },
                               10000);
    }

private slots:
    void init()
    {
        errors.clear();
        SetErrorBoxHandler([this](const QString& m) { errors << m; });
    }
    void cleanup()
    {
        if (f_main)
            DestroyWindows();
        SetErrorBoxHandler({});
    }

    // The connection dialog.

    void portListHoldsThePortsFoundInOrder()
    {
        TestRunDir run;
        TestPorts ports;
        TestPty a, b, c;
        ports.Link(20, a.path);
        ports.Link(1, b.path);
        ports.Link(3, c.path);
        Tf_com dialog;
        QCOMPARE(Items(dialog.fr_combobox1), (QStringList{"COM1", "COM3", "COM20"}));
        QCOMPARE(dialog.fr_combobox1->currentIndex(), 0);
        QCOMPARE(Items(dialog.fr_combobox2), (QStringList{"4800", "9600", "19200"}));
        QCOMPARE(dialog.fr_combobox2->currentIndex(), 0);
        // The entry text stays the port's name; the device is shown beside it.
        QCOMPARE(dialog.PortDevice(2), QFileInfo(a.path).canonicalFilePath());
        QCOMPARE(dialog.fr_combobox1->itemData(1, Qt::ToolTipRole).toString(), QFileInfo(c.path).canonicalFilePath());
        QCOMPARE(dialog.fr_combobox1->toolTip(), QFileInfo(b.path).canonicalFilePath());
        dialog.fr_combobox1->setCurrentIndex(2);
        QCOMPARE(dialog.fr_combobox1->toolTip(), QFileInfo(a.path).canonicalFilePath());
        QVERIFY(dialog.Label4->isHidden());
    }

    void noPortsGiveAnEmptyListWithoutSelection()
    {
        TestRunDir run;
        TestPorts ports;
        Tf_com dialog;
        QCOMPARE(dialog.fr_combobox1->count(), 0);
        QCOMPARE(dialog.fr_combobox1->currentIndex(), -1);
        QCOMPARE(dialog.fr_combobox1->currentText(), QString());
    }

    void aPortHeldByAnotherProgramIsLeftOut()
    {
        TestRunDir run;
        TestPorts ports;
        TestPty a, b;
        ports.Link(1, a.path);
        ports.Link(2, b.path);
        PortHolder holder;
        QVERIFY(holder.Hold(a.path));
        Tf_com dialog;
        QCOMPARE(Items(dialog.fr_combobox1), QStringList{"COM2"});
        // The notice names it, the kernel's 15 characters of its name.
        QCOMPARE(dialog.Label4->text(), QStringLiteral("COM1 (%1) занят программой tarnik-port-hol (pid %2).")
                                            .arg(QFileInfo(a.path).canonicalFilePath())
                                            .arg(holder.Pid()));
    }

    void aPortWithoutPermissionIsLeftOutAndExplained()
    {
        TestRunDir run;
        TestPorts ports;
        TestPty a, b;
        ports.Link(1, a.path);
        QString refused;
        if (::geteuid() != 0) {
            QVERIFY(::fchmod(b.slave, 0) == 0);
            refused = b.path;
        } else {
            refused = RefusedDevice();
            if (refused.isEmpty())
                QSKIP("Running as root and no file refuses root: permission cannot be denied here");
        }
        ports.Link(12, refused);
        Tf_com dialog;
        QCOMPARE(Items(dialog.fr_combobox1), QStringList{"COM1"});
        QVERIFY(!dialog.Label4->isHidden());
        QVERIFY(dialog.Label4->text().contains(QStringLiteral("COM12 (") + refused + QLatin1Char(')')));
        QVERIFY(dialog.Label4->text().contains(QStringLiteral("dialout")));
        const QRect notice = dialog.Label4->geometry();
        QVERIFY(notice.bottom() < dialog.fr_button1->geometry().top());
    }

    void cancelRestoresAndAcceptKeepsTheChoice()
    {
        TestRunDir run;
        TestPorts ports;
        TestPty a, b;
        ports.Link(1, a.path);
        ports.Link(3, b.path);
        Tf_com dialog;
        dialog.fr_combobox2->setCurrentIndex(1);
        dialog.show();
        dialog.fr_combobox2->setCurrentIndex(2);
        dialog.fr_combobox1->setCurrentIndex(1);
        dialog.fr_button2PClick();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.fr_combobox2->currentText(), QStringLiteral("9600"));
        QCOMPARE(dialog.fr_combobox1->currentText(), QStringLiteral("COM1"));
        dialog.show();
        dialog.fr_combobox1->setCurrentIndex(1);
        dialog.fr_combobox2->setCurrentIndex(2);
        dialog.fr_button1PClick();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.fr_combobox1->currentText(), QStringLiteral("COM3"));
        QCOMPARE(dialog.fr_combobox2->currentText(), QStringLiteral("19200"));
    }

    void aPortHeldWithoutLockIsRefusedAndItsHolderNamed()
    {
        TestRunDir run;
        TestPorts ports;
        TestPty a, b;
        ports.Link(1, a.path);
        ports.Link(9, b.path);
        PlainPortHolder holder;
        QVERIFY(holder.Hold(b.path));
        Tf_com dialog;
        QCOMPARE(Items(dialog.fr_combobox1), QStringList{"COM1"});
        QVERIFY(!dialog.Label4->isHidden());
        QCOMPARE(dialog.Label4->text(), QStringLiteral("COM9 (%1) занят программой sleep (pid %2).")
                                            .arg(QFileInfo(b.path).canonicalFilePath())
                                            .arg(holder.Pid()));
        QVERIFY(dialog.Label4->geometry().bottom() < dialog.fr_button1->geometry().top());
    }

    void aLongNoticeMakesRoomAndTheTooltipShowsTheAdapter()
    {
        TestRunDir run;
        TestPorts ports;
        Tf_com dialog;
        const QSize plain = dialog.size();
        TPortSurvey survey = AdapterSurvey();
        const TPortEntry adapter = survey.entries.at(0);
        const TPortEntry held = survey.entries.at(1);
        dialog.ShowSurvey(survey);
        QCOMPARE(Items(dialog.fr_combobox1), QStringList{"COM9"});
        QCOMPARE(dialog.fr_combobox1->toolTip(),
                 QStringLiteral("/dev/ttyUSB0\nFT232R USB UART\nИзготовитель: FTDI\nСерийный номер: A50285BI\n"
                                "USB VID:PID 0403:6001"));
        QVERIFY(dialog.Label4->text().contains(ModemManagerRule(held)));
        QVERIFY(dialog.height() > plain.height());
        QVERIFY(dialog.Label4->geometry().bottom() < dialog.fr_button1->geometry().top());
        QCOMPARE(dialog.fr_button1->y() - 212, dialog.height() - plain.height());

        // Once the notice has nothing to say the window is its own size again.
        survey.entries = {adapter};
        dialog.ShowSurvey(survey);
        QVERIFY(dialog.Label4->isHidden());
        QCOMPARE(dialog.size(), plain);
    }

    // The whole program: ports that come and go between openings.

    void portsAreSurveyedAgainAtEachOpening()
    {
        TestRunDir run;
        TestPorts ports;
        SimStation early, late;
        // A station that ends takes its link away; the number must not
        // fall back to a device of this machine then.
        const auto unplug = [&ports](SimStation& station, int com) {
            return station.Stop() && ports.Link(com, ports.Dir() + QStringLiteral("/nothing"));
        };
        QVERIFY(early.Start(19200, {}, &ports, 3));
        QVERIFY(StartProgram());
        QCOMPARE(Items(f_com->fr_combobox1), QStringList{"COM3"});
        f_com->fr_combobox2->setCurrentIndex(2);

        // Plugged in after the start: listed at the next opening of the
        // search, which the selection follows to keep COM3.
        QVERIFY(late.Start(19200, {}, &ports, 1));
        f_search->show();
        QCOMPARE(Items(f_com->fr_combobox1), (QStringList{"COM1", "COM3"}));
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM3"));
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{1, "COM1", Found}, {1, "COM3", Found}}));
        QCOMPARE(f_search->ListView1->topLevelItem(0)->toolTip(1), f_com->PortToolTip(0));
        f_search->fr_button2PClick();

        // The chosen port goes away: the next opening of the connection
        // dialog keeps it chosen, greyed, and says so.
        QVERIFY(unplug(early, 3));
        f_com->show();
        QCOMPARE(Items(f_com->fr_combobox1), (QStringList{"COM1", "COM3"}));
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM3"));
        QVERIFY(f_com->PortUnavailable(1));
        QVERIFY(!f_com->PortUnavailable(0));
        QVERIFY(!f_com->Label4->isHidden());
        QCOMPARE(f_com->Label4->text(), VanishedNotice(QStringLiteral("COM3")));
        // The user picks the port there is.
        f_com->fr_combobox1->setCurrentIndex(0);
        QVERIFY(f_com->Label4->isHidden());
        f_com->fr_button1PClick();

        // Plugged in again and gone while the selection is elsewhere: the
        // selection stays, nothing is said.
        QVERIFY(early.Start(19200, {}, &ports, 3));
        f_com->show();
        QCOMPARE(Items(f_com->fr_combobox1), (QStringList{"COM1", "COM3"}));
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM1"));
        f_com->fr_button1PClick();
        QVERIFY(unplug(early, 3));
        f_search->show();
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{1, "COM1", Found}}));
        f_search->fr_button2PClick();
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM1"));

        // Gone while the connection dialog is closed and found at the
        // search: the search lists it as not found and tries no other port
        // in its place; the connection dialog says so when it opens.
        f_com->show();
        QVERIFY(f_com->Label4->isHidden());
        f_com->fr_button1PClick();
        QVERIFY(unplug(late, 1));
        f_search->show();
        QCOMPARE(Items(f_com->fr_combobox1), QStringList{"COM1"});
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM1"));
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{6, "COM1", QStringLiteral("Выбранный порт не найден в системе.")}}));
        f_search->fr_button2PClick();
        f_com->show();
        QCOMPARE(f_com->Label4->text(), VanishedNotice(QStringLiteral("COM1")));
        f_com->fr_button2PClick();
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM1"));
    }

    // The whole program: the chosen port vanishes during the search's
    // survey and comes back; nothing goes to another port meanwhile.

    void aVanishedPortStaysChosenAndNothingReachesAnother()
    {
        TestRunDir run;
        TestPorts ports;
        SimStation other, chosen;
        QVERIFY(other.Start(19200, {}, &ports, 1));
        QVERIFY(chosen.Start(19200, {}, &ports, 3));
        QVERIFY(StartProgram());
        f_com->fr_combobox2->setCurrentIndex(2);
        f_com->show();
        f_com->fr_combobox1->setCurrentIndex(f_com->fr_combobox1->findText(QStringLiteral("COM3")));
        f_com->fr_button1PClick();

        // COM3 goes away while the search surveys the ports.
        QVERIFY(chosen.Stop());
        QVERIFY(ports.Link(3, ports.Dir() + QStringLiteral("/nothing")));
        f_search->show();
        QCOMPARE(Items(f_com->fr_combobox1), (QStringList{"COM1", "COM3"}));
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM3"));
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{1, "COM1", Found}, {6, "COM3", QStringLiteral("Выбранный порт не найден в системе.")}}));
        f_search->fr_button2PClick();
        const QStringList otherAfterSearch = other.Log();

        // "Чтение" and "Запись" fail on COM3 and send nothing anywhere.
        TTarnikPlus record;
        QVERIFY(!f_port->ReadStation(f_main->fr_progress1, record));
        QCOMPARE(JournalTexts().mid(JournalTexts().size() - 2),
                 (QStringList{OpenFailed, QStringLiteral("COM3 недоступен: устройства нет в системе.")}));
        f_main->write_btn->clicked();
        QCOMPARE(JournalTexts().last(), QStringLiteral("COM3 недоступен: устройства нет в системе."));
        QCOMPARE(other.Log(), otherAfterSearch);

        // "Отмена" in the connection dialog keeps COM3, whatever was picked
        // meanwhile.
        f_com->show();
        f_com->fr_combobox1->setCurrentIndex(0);
        f_com->fr_button2PClick();
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM3"));

        // Plugged in again: the next read goes to COM3, and the journal
        // names it with its device.
        QVERIFY(chosen.Start(19200, {}, &ports, 3));
        QVERIFY(f_port->ReadStation(f_main->fr_progress1, record));
        const QString device = QFileInfo(chosen.Device()).canonicalFilePath();
        QVERIFY(JournalTexts().contains(QStringLiteral("Порт COM3 (%1), 19200 бод.").arg(device)));
        QCOMPARE(JournalTexts().last(), QStringLiteral("Данные считаны успешно."));
        QCOMPARE(chosen.Log(), (QStringList{"11 39 01", "11 39 02"}));
        QCOMPARE(other.Log(), otherAfterSearch);
    }

    // The whole program: the choice is what the next read uses.

    void theAcceptedPortIsTheOneTheNextReadUses()
    {
        TestRunDir run;
        TestPorts ports;
        SimStation silent, station;
        QVERIFY(silent.Start(19200, {"--silent"}, &ports, 1));
        QVERIFY(station.Start(19200, {}, &ports, 3));
        QVERIFY(StartProgram());
        QCOMPARE(Items(f_com->fr_combobox1), (QStringList{"COM1", "COM3"}));
        f_com->fr_combobox2->setCurrentIndex(2);
        f_com->show();
        f_com->fr_combobox1->setCurrentIndex(1);
        f_com->fr_button1PClick();
        TTarnikPlus record;
        QVERIFY(f_port->ReadStation(f_main->fr_progress1, record));
        QCOMPARE(JournalTexts().last(), QStringLiteral("Данные считаны успешно."));
        QCOMPARE(LastJournalIcon(), 5);
        QVERIFY(f_main->fr_progress1->isHidden());
        QCOMPARE(station.Log(), (QStringList{"11 39 01", "11 39 02"}));
        QVERIFY(silent.Log().isEmpty());

        QVERIFY(f_port->WritePwmPower(33));
        QCOMPARE(JournalTexts().last(), QStringLiteral("Данные записаны успешно."));
        QCOMPARE(station.Log().mid(2), (QStringList{"11 39 01", "11 39 23 03 21", "11 39 04"}));
    }

    void withoutPortsTheOperationsEndInTheErrorBox()
    {
        TestRunDir run;
        TestPorts ports;
        QVERIFY(StartProgram());
        QCOMPARE(f_com->fr_combobox1->count(), 0);
        const int entries = f_journal->ListView1->topLevelItemCount();
        TTarnikPlus record;
        QVERIFY(!Guarded([&] { f_port->ReadStation(f_main->fr_progress1, record); }));
        f_main->fr_progress1->show();
        QVERIFY(!Guarded([&] { f_port->WriteStation(f_main->fr_progress1, record); }));
        QVERIFY(f_main->fr_progress1->isHidden());
        QVERIFY(!Guarded([&] { f_port->WritePwmPower(5); }));
        QCOMPARE(errors.size(), 3);
        QVERIFY(errors.first().contains(QStringLiteral("не является целым числом")));
        QCOMPARE(f_journal->ListView1->topLevelItemCount(), entries);
    }

    // The station search.

    void searchListsEveryPortWithItsState()
    {
        TestRunDir run;
        TestPorts ports;
        SimStation silent, station;
        QVERIFY(silent.Start(19200, {"--silent"}, &ports, 1));
        QVERIFY(station.Start(19200, {}, &ports, 3));
        QVERIFY(StartProgram());
        f_com->fr_combobox2->setCurrentIndex(2);
        f_search->show();

        // While the ports are tried both buttons are disabled and the
        // dialog does not close.
        int stateDuring = -1;
        bool rejected = true;
        QTimer::singleShot(0, [&] {
            stateDuring = f_search->fr_button2->State();
            f_search->reject();
            rejected = !f_search->isVisible();
        });
        f_search->fr_button1PClick();
        QCOMPARE(stateDuring, int(Tfr_button::Disabled));
        QVERIFY(!rejected);
        QVERIFY(f_search->isVisible());
        QCOMPARE(f_search->fr_button1->State(), int(Tfr_button::Normal));
        QCOMPARE(f_search->fr_button2->State(), int(Tfr_button::Normal));

        const QList<Row> expected{{6, "COM1", NotFound}, {1, "COM3", Found}};
        QCOMPARE(SearchRows(), expected);
        QCOMPARE(f_search->ListView1->topLevelItem(1)->toolTip(1), f_com->PortDevice(1));
        QCOMPARE(station.Log(), QStringList{"11 39 01"});

        // A second search starts from an empty list again.
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), expected);

        // A port taken by another program since start-up cannot be opened.
        PortHolder holder;
        QVERIFY(holder.Hold(station.Device()));
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{6, "COM1", NotFound}, {6, "COM3", OpenFailed}}));
        holder.Release();

        // At another speed than the station's nothing answers.
        f_com->fr_combobox2->setCurrentIndex(1);
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{6, "COM1", NotFound}, {6, "COM3", NotFound}}));

        f_search->fr_button2PClick();
        QVERIFY(!f_search->isVisible());
        // The list keeps the last results.
        QCOMPARE(f_search->ListView1->topLevelItemCount(), 2);
    }

    // Only the user's pick in the search changes the port: a row where a
    // station answered; other rows change nothing.
    void aStationPickedInTheSearchBecomesTheChosenPort()
    {
        TestRunDir run;
        TestPorts ports;
        SimStation silent, station;
        QVERIFY(silent.Start(19200, {"--silent"}, &ports, 1));
        QVERIFY(station.Start(19200, {}, &ports, 3));
        QVERIFY(StartProgram());
        f_com->fr_combobox2->setCurrentIndex(2);
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM1"));
        f_search->show();
        f_search->fr_button1PClick();
        QCOMPARE(SearchRows(), (QList<Row>{{6, "COM1", NotFound}, {1, "COM3", Found}}));

        QTreeWidget* list = f_search->ListView1;
        // Enter on the current row picks it, as a double click does.
        const auto pick = [list](int row) {
            list->setCurrentItem(list->topLevelItem(row));
            QTest::keyClick(list, Qt::Key_Return);
        };
        pick(0);
        QVERIFY(f_search->isVisible());
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM1"));

        pick(1);
        QVERIFY(!f_search->isVisible());
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM3"));
        // "Отмена" in the connection dialog later keeps the picked port.
        f_com->show();
        f_com->fr_combobox1->setCurrentIndex(0);
        f_com->fr_button2PClick();
        QCOMPARE(f_com->fr_combobox1->currentText(), QStringLiteral("COM3"));

        const QStringList silentBefore = silent.Log();
        TTarnikPlus record;
        QVERIFY(f_port->ReadStation(f_main->fr_progress1, record));
        QCOMPARE(station.Log(), (QStringList{"11 39 01", "11 39 01", "11 39 02"}));
        QCOMPARE(silent.Log(), silentBefore);
    }

    // The diagnostic window.

    void gridLabelsStayWhateverIsDumped()
    {
        TestRunDir run;
        TestPorts ports;
        SimStation station;
        QByteArray image(StationImageSize, char(0xFF));
        // Channel 0 with transmit code 1: 33006 kHz, which encodes back to 0.
        image[0] = 0x00;
        image[1] = 0x01;
        image[2] = 0x08;
        image[3] = 0x02;
        image[4] = 0x03;
        image[504] = char(0xE5);
        QVERIFY(station.SetImage(image));
        QVERIFY(station.Start(19200, {}, &ports, 3));
        QVERIFY(StartProgram());

        Tf_port* w = f_port;
        QCOMPARE(w->windowTitle(), QStringLiteral("Порт"));
        QCOMPARE(w->CellText(1, 0), QStringLiteral("0"));
        QCOMPARE(w->CellText(11, 0), QStringLiteral("A"));
        QCOMPARE(w->CellText(16, 0), QStringLiteral("F"));
        QCOMPARE(w->CellText(0, 1), QStringLiteral("00"));
        QCOMPARE(w->CellText(0, 17), QStringLiteral("10"));
        QCOMPARE(w->CellText(0, 127), QStringLiteral("7E"));
        QCOMPARE(w->CSpinEdit1->Value(), 1);
        QCOMPARE(w->CSpinEdit2->Value(), 4800);

        w->CSpinEdit1->SetValue(3);
        w->CSpinEdit2->SetValue(19200);
        w->Button1Click();
        TTarnikPlus scratch;
        QVERIFY(DecodeImage(image, scratch));
        QByteArray shown = image;   // re-encoded over the bytes as read
        EncodeImage(scratch, shown);
        for (int i = 0; i < StationImageSize; ++i)
            QCOMPARE(w->CellText(i % 16 + 1, i / 16 + 1),
                     QStringLiteral("0x%1").arg(quint8(shown.at(i)), 2, 16, QLatin1Char('0')).toUpper().replace("0X", "0x"));
        QCOMPARE(w->CellText(2, 1), QStringLiteral("0x00"));
        QCOMPARE(w->CellText(9, 32), QStringLiteral("0x65"));   // byte 504: low 5 bits plus 0x60
        QCOMPARE(w->CellText(8, 32), QStringLiteral("0x00"));   // byte 503
        QCOMPARE(w->CellText(1, 65), QString());
        QCOMPARE(w->CellText(0, 1), QStringLiteral("00"));
        QCOMPARE(w->CellText(0, 64), QStringLiteral("3F"));
        QCOMPARE(station.Log(), QStringList{"11 39 02"});

        w->Button2Click();
        QCOMPARE(w->CellText(1, 1), QStringLiteral("0x01"));
        for (int i = 1; i < StationImageSize; ++i)
            QCOMPARE(w->CellText(i % 16 + 1, i / 16 + 1), QString());
        QCOMPARE(w->CellText(16, 0), QStringLiteral("F"));
        QCOMPARE(station.Log().last(), QStringLiteral("11 39 01"));

        // Without a port the dump shows the re-encoded all-zero image.
        w->CSpinEdit1->SetValue(4);
        w->Button1Click();
        QCOMPARE(w->CellText(1, 1), QStringLiteral("0x00"));
        QCOMPARE(w->CellText(8, 32), QStringLiteral("0x00"));
        QCOMPARE(w->CellText(9, 32), QStringLiteral("0x60"));
        QCOMPARE(w->CellText(1, 33), QStringLiteral("0x00"));
        QCOMPARE(w->CellText(5, 33), QStringLiteral("0x00"));   // reserved: as read
        w->Button2Click();
        QCOMPARE(w->CellText(1, 1), QStringLiteral("0x00"));
    }
};

TARNIK_TEST_MAIN(TestLinkWindows)
#include "test_linkwindows.moc"
