#include "link/Fsearch.h"
#include "document/Convert.h"
#include "widgets/ErrorBox.h"
#include "widgets/JournalIcons.h"
#include "document/StartDir.h"
#include "link/Fcomsettings.h"
#include "link/Fportcheck.h"
#include "link/StationLink.h"
#include "widgets/DialogParts.h"
#include "widgets/Frbutton.h"
#include "widgets/Frpanel.h"
#include <QCoreApplication>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QTreeWidget>

Tf_search* f_search = nullptr;

namespace {

QString TextWaiting() { return QCoreApplication::translate("Tf_search", "Ожидание..."); }
QString TextFound() { return QCoreApplication::translate("Tf_search", "Станция подключена к порту."); }
QString TextNoStation() { return QCoreApplication::translate("Tf_search", "Станция не подключена."); }
QString TextOpenFailed() { return QCoreApplication::translate("Tf_search", "Ошибка открытия порта."); }
QString TextUnavailable() { return QCoreApplication::translate("Tf_search", "Выбранный порт не найден в системе."); }
QString TipChoose() { return QCoreApplication::translate("Tf_search", "Двойной щелчок выбирает этот порт."); }

} // namespace

Tf_search::Tf_search(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    fr_panel1 = DialogBackground(this, tr("Поиск станции"), 392, 266, 16);
    CentreOnScreen(this);

    ListView1 = new QTreeWidget(fr_panel1);
    ListView1->setGeometry(1, 16, 390, 185);
    ListView1->setColumnCount(3);
    ListView1->setHeaderHidden(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setColumnWidth(0, 24);
    ListView1->setColumnWidth(1, 70);
    ListView1->header()->setStretchLastSection(true);

    fr_button1 = DialogButton(this, QRect(72, 215, 150, 40), tr("Поиск"), QStringLiteral("search.bmp"));
    fr_button2 = DialogButton(this, QRect(232, 216, 150, 40), tr("Отмена"), QStringLiteral("error.bmp"));
    connect(fr_button1, &Tfr_button::clicked, this, [this] { Guarded([this] { fr_button1PClick(); }); });
    connect(fr_button2, &Tfr_button::clicked, this, &Tf_search::fr_button2PClick);
    // A double click or Enter on a row; the style decides whether a double
    // click also "activates", so both are taken (a second pick is harmless).
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) { ChooseRow(row); });
    connect(ListView1, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* row) { ChooseRow(row); });
}

void Tf_search::SetState(QTreeWidgetItem* row, int icon, const QString& text)
{
    row->setText(2, text);
    row->setData(0, Qt::UserRole, icon);
    row->setToolTip(2, icon == IconFound ? TipChoose() : row->toolTip(1));
    const QList<QPixmap> icons = JournalIcons();
    row->setIcon(0, icon >= 0 && icon < icons.size() ? QIcon(icons.at(icon)) : QIcon());
}

void Tf_search::SetButtonsEnabled(bool enabled)
{
    fr_button1->SetEnabled(enabled);
    fr_button2->SetEnabled(enabled);
}

void Tf_search::fr_button1PClick()
{
    if (searching)
        return;
    searching = true;
    SetButtonsEnabled(false);
    struct Finish {
        Tf_search* dialog;
        ~Finish()
        {
            dialog->SetButtonsEnabled(true);
            dialog->searching = false;
        }
    } finish{this};
    QApplication::processEvents();

    ListView1->clear();
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < f_com->fr_combobox1->count(); ++i) {
        auto* row = new QTreeWidgetItem(ListView1);
        row->setText(1, f_com->fr_combobox1->itemText(i));
        const QString tip = f_com->PortToolTip(i);
        for (int c = 0; c < 3; ++c)
            row->setToolTip(c, tip);
        // The chosen port the survey did not find is listed, not tried.
        if (f_com->PortUnavailable(i)) {
            SetState(row, IconFailed, TextUnavailable());
            continue;
        }
        SetState(row, IconWaiting, TextWaiting());
        rows.append(row);
        QApplication::processEvents();
    }

    for (QTreeWidgetItem* row : rows) {
        const int port = TStationLink::PortNumber(row->text(1));
        const int baud = StrToInt(f_com->fr_combobox2->currentText());
        if (!f_port->OpenPort(port, baud)) {
            SetState(row, IconFailed, TextOpenFailed());
        } else {
            const bool found = f_port->Identify();
            SetState(row, found ? IconFound : IconFailed, found ? TextFound() : TextNoStation());
            f_port->ClosePort();
        }
        QApplication::processEvents();
    }
}

void Tf_search::fr_button2PClick()
{
    if (!searching)
        close();
}

void Tf_search::ChooseRow(QTreeWidgetItem* row)
{
    if (searching || !row || row->data(0, Qt::UserRole).toInt() != IconFound)
        return;
    f_com->ChoosePort(row->text(1));
    close();
}

void Tf_search::reject()
{
    if (!searching)
        QDialog::reject();
}

void Tf_search::showEvent(QShowEvent* e)
{
    f_com->RefreshPorts();
    QDialog::showEvent(e);
}

void Tf_search::closeEvent(QCloseEvent* e)
{
    if (searching)
        e->ignore();
    else
        QDialog::closeEvent(e);
}
