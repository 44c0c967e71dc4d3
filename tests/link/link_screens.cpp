// Takes screenshots of the connection dialog, for looking at it under a
// real X server:
//   xvfb-run -a -s "-screen 0 1280x1024x24" link_screens <output dir>
// First with the ports of this run: COM1 free and COM9 held by another
// program that took no lock, which the notice names. Then with a survey made
// up by hand, as a machine with two FTDI adapters would give it (one of
// them taken by ModemManager), with the tooltip of the selected adapter.
// Last, that adapter pulled out while it is the chosen port: it stays
// chosen, greyed, and the notice says so.
#include "document/ProgramLanguage.h"
#include "link/Fcomsettings.h"
#include "link/PortSurvey.h"
#include "tests/support/StationTestSupport.h"
#include "tests/support/TestRunDir.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QToolTip>
#include <cstdio>

namespace {

void Save(const QString& dir, const QString& name)
{
    const QString path = QDir(dir).filePath(name);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 700, 560);
    std::printf("%s %s\n", qPrintable(path), shot.save(path) ? "saved" : "NOT SAVED");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The windows in the language the locale asks for, as the program starts.
    InstallLanguage(app, QString());
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    TestRunDir run;
    TestPorts ports;
    TestPty free, held;
    ports.Link(1, free.path);
    ports.Link(9, held.path);
    PlainPortHolder holder;
    if (!holder.Hold(held.path))
        std::printf("warning: the port could not be held\n");

    Tf_com dialog;
    dialog.move(20, 20);
    dialog.show();
    QTest::qWait(800);
    Save(out, QStringLiteral("com-held-port.png"));

    dialog.ShowSurvey(AdapterSurvey());
    QTest::qWait(300);
    const QPoint at = dialog.fr_combobox1->mapToGlobal(QPoint(40, dialog.fr_combobox1->height()));
    QToolTip::showText(at, dialog.fr_combobox1->toolTip(), dialog.fr_combobox1);
    QTest::qWait(800);
    Save(out, QStringLiteral("com-adapter-tooltip.png"));

    // The chosen adapter pulled out: it stays chosen, greyed, and the
    // notice says so.
    QToolTip::hideText();
    dialog.fr_combobox1->setCurrentIndex(dialog.fr_combobox1->findText(QStringLiteral("COM9")));
    TPortSurvey gone = AdapterSurvey();
    gone.entries.removeIf([](const TPortEntry& e) { return e.number == 9; });
    dialog.ShowSurvey(gone);
    dialog.fr_combobox1->showPopup();
    QTest::qWait(800);
    Save(out, QStringLiteral("com-vanished-port.png"));
    return 0;
}
