#include "app/Main.h"
#include "document/Catalogue.h"
#include "document/ProgramLanguage.h"
#include "app/EditHistory.h"
#include "widgets/ErrorBox.h"
#include "app/FileDialogs.h"
#include "widgets/ProgramTitle.h"
#include "app/Fjournal.h"
#include "app/LineDiagnostics.h"
#include "document/StartDir.h"
#include "document/U_xml.h"
#include "editors/Fchannels.h"
#include "editors/Fconfig.h"
#include "editors/Frreccord.h"
#include "editors/Fsettings.h"
#include "link/Backups.h"
#include "link/Fcomsettings.h"
#include "link/Fportcheck.h"
#include "link/Fsearch.h"
#include "link/SerialLine.h"
#include "widgets/Fabout.h"
#include "widgets/Frbutton.h"
#include "widgets/Frmainmenu.h"
#include "widgets/Frpanel.h"
#include "widgets/Frprogress.h"
#include "widgets/WheelGuard.h"
#include "widgets/DialogParts.h"
#include <QCoreApplication>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>

Tf_main* f_main = nullptr;

namespace {
constexpr int MenuHeight = 30;
constexpr int ToolPanelHeight = 48;
constexpr int ActionRowHeight = 48;
constexpr int JournalPanelHeight = 120;

QString SettingsPath() { return StartPath(QStringLiteral("Settings/Settings.xml")); }

QStringList CatalogueTexts(QStringList texts)
{
    for (QString& text : texts)
        text = CatalogueText(text);
    return texts;
}

Tfr_button* ToolButton(QWidget* parent, int x)
{
    auto* b = new Tfr_button(parent);
    b->setGeometry(x, 36, 40, 36);
    return b;
}

QFileDialog* ProgrammerFileDialog(QWidget* parent, QFileDialog::AcceptMode mode)
{
    return NewFileDialog(parent, mode, QCoreApplication::translate("Tf_main", "Файл программатора (*.vtr)"), QStringLiteral("vtr"));
}

QFileDialog* CsvFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title)
{
    QFileDialog* d = NewFileDialog(parent, mode, QCoreApplication::translate("Tf_main", "Таблица каналов CSV (*.csv)"), QStringLiteral("csv"));
    d->setWindowTitle(title);
    return d;
}

// The restore's open dialog: station images, the backups first.
QFileDialog* StationImageDialog(QWidget* parent)
{
    auto* d = new QFileDialog(parent);
    d->setNameFilters({QCoreApplication::translate("Tf_main", "Образ станции (*.bin)"), QCoreApplication::translate("Tf_main", "Все файлы (*)")});
    d->setAcceptMode(QFileDialog::AcceptOpen);
    d->setFileMode(QFileDialog::ExistingFile);
    return d;
}
} // namespace

Tf_main::Tf_main()
    : QWidget(nullptr)
{
    setWindowTitle(ProgramTitle());
    TWheelGuard::Install();
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    setFont(f);
    resize(870, 640);
    CentreOnScreen(this);

    fr_mainmenu1 = new Tfr_mainmenu(this);
    fr_panel1 = new Tfr_panel(this);
    fr_panel2 = new Tfr_panel(this);
    fr_panel2->installEventFilter(this);
    PageControl1 = new QTabWidget(this);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet1, tr("Каналы"));
    PageControl1->addTab(TabSheet2, tr("Настройки"));
    PageControl1->setCurrentIndex(0);
    ScrollBox1 = new QScrollArea(TabSheet2);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fr_button3 = ToolButton(this, 6);
    fr_button4 = ToolButton(this, 60);
    fr_button5 = ToolButton(this, 100);
    fr_button6 = ToolButton(this, 153);
    fr_button7 = ToolButton(this, 193);
    fr_button1 = ToolButton(this, 249);
    fr_button8 = ToolButton(this, 471);

    mmclick = new QAction(this);
    od = ProgrammerFileDialog(this, QFileDialog::AcceptOpen);
    sd = ProgrammerFileDialog(this, QFileDialog::AcceptSave);
    odCsv = CsvFileDialog(this, QFileDialog::AcceptOpen, tr("Импорт каналов из CSV"));
    sdCsv = CsvFileDialog(this, QFileDialog::AcceptSave, tr("Экспорт каналов в CSV"));
    rd = StationImageDialog(this);

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::NoFrame);
    fr_panel3 = new Tfr_panel(Panel1);
    fr_progress1 = new Tfr_progress(Panel1);
    fr_progress1->setGeometry(414, 9, 300, 30);
    fr_progress1->hide();
    write_btn = new Tfr_button(Panel1);
    write_btn->setGeometry(127, 6, 120, 36);
    read_btn = new Tfr_button(Panel1);
    read_btn->setGeometry(8, 6, 120, 36);
    fr_button2 = new Tfr_button(Panel1);
    fr_button2->setGeometry(246, 6, 150, 36);
    stop_btn = new Tfr_button(Panel1);
    stop_btn->setGeometry(722, 6, 110, 36);
    stop_btn->hide();
    stopKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopKey->setEnabled(false);

    // Construction proper.
    XmlFile = new TXMLFile(&XMLDoc);
    fr_mainmenu1->PickAction = mmclick;
    fr_panel1->SetCaption(QString());
    fr_panel2->SetCaption(QString());
    fr_panel3->SetCaption(QString());
    fr_button1->SetCaption(QString());
    fr_button2->SetCaption(tr("Задать канал"));
    for (Tfr_button* b : {fr_button3, fr_button4, fr_button5, fr_button6, fr_button7, fr_button8})
        b->SetCaption(QString());
    read_btn->SetCaption(tr("Чтение"));
    write_btn->SetCaption(tr("Запись"));
    stop_btn->SetCaption(tr("Стоп"));
    const QList<QPair<Tfr_button*, QString>> pictures = {
        {read_btn, "read"}, {write_btn, "write"}, {fr_button1, "print"}, {fr_button2, "add_channel"},
        {fr_button3, "search"}, {fr_button4, "load"}, {fr_button5, "save"}, {fr_button6, "connection"},
        {fr_button7, "tools sign"}, {fr_button8, "exit"}, {stop_btn, "error"}};
    for (const auto& p : pictures)
        p.first->SetPicture(StartPath(QStringLiteral("Source/") + p.second + QStringLiteral(".bmp")));
    for (Tfr_button* b : {fr_button1, fr_button3, fr_button4, fr_button5, fr_button6, fr_button7, fr_button8})
        b->SetPictureLayout(Tfr_button::PictureAbove);

    // Every handler runs guarded: an error it raises is shown in the error
    // box and the program goes on.
    auto wire = [this](Tfr_button* b, void (Tf_main::*handler)(QObject*)) {
        connect(b, &Tfr_button::clicked, this, [this, b, handler] { Guarded([&] { (this->*handler)(b); }); });
    };
    wire(fr_button1, &Tf_main::fr_button1PClick);
    wire(fr_button2, &Tf_main::fr_button2PClick);
    wire(fr_button3, &Tf_main::fr_button3PClick);
    wire(fr_button4, &Tf_main::fr_button4PClick);
    wire(fr_button5, &Tf_main::fr_button5PClick);
    wire(fr_button6, &Tf_main::fr_button6PClick);
    wire(fr_button7, &Tf_main::fr_button7PClick);
    wire(fr_button8, &Tf_main::fr_button8PClick);
    wire(read_btn, &Tf_main::read_btnPClick);
    wire(write_btn, &Tf_main::write_btnPClick);
    wire(stop_btn, &Tf_main::stop_btnPClick);
    connect(stopKey, &QShortcut::activated, this, [this] { stop_btnPClick(stopKey); });
    connect(&StationGate(), &TExchangeGate::Started, this, &Tf_main::ExchangeStarted);
    connect(&StationGate(), &TExchangeGate::Ended, this, &Tf_main::ExchangeEnded);
    connect(mmclick, &QAction::triggered, this, [this] { Guarded([this] { mmclickExecute(fr_mainmenu1); }); });

    history = new TEditHistory(this);
    undoAction = new QAction(tr("Отменить"), this);
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction = new QAction(tr("Повторить"), this);
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addAction(undoAction);
    addAction(redoAction);
    connect(undoAction, &QAction::triggered, this, [this] {
        if (!StationBusy())
            Guarded([this] { history->Undo(); });
    });
    connect(redoAction, &QAction::triggered, this, [this] {
        if (!StationBusy())
            Guarded([this] { history->Redo(); });
    });
    connect(history, &TEditHistory::Changed, this, &Tf_main::UpdateTitle);
}

Tf_main::~Tf_main()
{
    // The history is destroyed after this window's own members are gone,
    // so the title must no longer listen to it.
    disconnect(history, nullptr, this, nullptr);
    delete XmlFile;
    XmlFile = nullptr;
}

void Tf_main::resizeEvent(QResizeEvent*)
{
    const int w = width(), h = height();
    fr_mainmenu1->setGeometry(0, 0, w, MenuHeight);
    fr_panel1->setGeometry(0, MenuHeight, w, ToolPanelHeight);
    Panel1->setGeometry(0, MenuHeight + ToolPanelHeight, w, ActionRowHeight);
    fr_panel3->setGeometry(0, 0, w, ActionRowHeight);
    fr_panel2->setGeometry(0, h - JournalPanelHeight, w, JournalPanelHeight);
    const int pagesTop = MenuHeight + ToolPanelHeight + ActionRowHeight;
    PageControl1->setGeometry(0, pagesTop, w, std::max(0, h - JournalPanelHeight - pagesTop));
    ScrollBox1->setGeometry(TabSheet2->rect());
    for (Tfr_button* b : {fr_button3, fr_button4, fr_button5, fr_button6, fr_button7, fr_button1, fr_button8})
        b->raise();
    fr_progress1->raise();
    for (Tfr_button* b : {write_btn, read_btn, fr_button2, stop_btn})
        b->raise();
}

bool Tf_main::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fr_panel2 && event->type() == QEvent::Resize)
        fr_panel2Resize();
    if (watched == TabSheet2 && event->type() == QEvent::Resize)
        ScrollBox1->setGeometry(TabSheet2->rect());
    return QWidget::eventFilter(watched, event);
}

void Tf_main::fr_panel2Resize()
{
    if (!f_journal)
        return;
    f_journal->setGeometry(2, 6, fr_panel2->width() - 4, fr_panel2->height() - 12);
    // The text column fills what the icon and time columns leave.
    f_journal->ListView1->setColumnWidth(2, fr_panel2->width() - 55 - f_journal->ListView1->columnWidth(1));
}

void Tf_main::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (shown)
        return;
    shown = true;
    TabSheet2->installEventFilter(this);
    ScrollBox1->setGeometry(TabSheet2->rect());
    Guarded([this] { FormShow(); });
    StartHistory();
}

void Tf_main::FormShow()
{
    f_journal->AddEvent(5, tr("Запуск приложения"));
    StartLineDiagnostics();
    LoadSettings();
}

void Tf_main::closeEvent(QCloseEvent* e)
{
    if (StationBusy()) {
        // The exchange processes window messages; closing now would leave
        // the port open and the catalogue unwritten. Close once it ends.
        closePending = true;
        e->ignore();
        return;
    }
    if (!MaySetAsideEdits()) {
        e->ignore();
        return;
    }
    Guarded([this] { FormClose(); });
    e->accept();
}

void Tf_main::FormClose() { SaveSettings(); }

void Tf_main::LoadSettings()
{
    TCatalogueReceivers to;
    // The catalogue's texts stay as the file has them; the windows show them
    // in the program's language where a translation exists.
    to.menu = [this](TmmitemList items) {
        for (Tmmitem& item : items) {
            item.Name = CatalogueText(item.Name);
            for (QString& sub : item.SubItems)
                sub = CatalogueText(sub);
        }
        fr_mainmenu1->SetItems(items);
    };
    to.hint = [this](int number, const QString& catalogueText) {
        const QString text = CatalogueText(catalogueText);
        switch (number) {
        case 1: fr_button1->setToolTip(text); break;
        case 3: fr_button3->setToolTip(text); break;
        case 4: fr_button4->setToolTip(text); break;
        case 5: fr_button5->setToolTip(text); break;
        case 6: fr_button6->setToolTip(text); break;
        case 7: fr_button7->setToolTip(text); break;
        case 8: fr_button8->setToolTip(text); break;
        default: break;
        }
    };
    to.portIndex = [](int i) { f_com->fr_combobox1->setCurrentIndex(i); };
    to.speedIndex = [](int i) { f_com->fr_combobox2->setCurrentIndex(i); };
    to.lists = [](const TCatalogueLists& l) {
        const QString none = tr("Нет");
        f_settings->ComboBox1->addItems(CatalogueTexts(l.bands));
        f_settings->ComboBox2->addItem(none);
        f_settings->ComboBox2->addItems(CatalogueTexts(l.deviation));
        for (QComboBox* box : {f_settings->ComboBox4, f_settings->ComboBox6, f_settings->ComboBox8, f_settings->ComboBox9}) {
            box->addItem(none);
            box->addItems(CatalogueTexts(l.levels));
        }
        f_settings->ComboBox3->addItems(CatalogueTexts(l.volume));
        f_settings->ComboBox5->addItems(CatalogueTexts(l.squelch));
        for (int i = 0; i < l.analogSql; ++i)
            f_settings->ComboBox7->addItem(QString::number(i));
    };
    to.commonFrequency = [](bool on) {
        for (Tfr_reccord* row : channelRows)
            row->commonFrequency = on;
        f_config->CheckBox1->setChecked(on);
    };
    to.safeWrite = [](bool on) { f_config->CheckBox2->setChecked(on); };
    to.language = [](const QString& setting) { f_config->SetLanguage(setting); };
    to.bandChange = [this] {
        for (QComboBox* box : f_settings->Lists())
            box->setCurrentIndex(0);
        f_settings->ComboBox1Change(this);
    };
    to.loaded = [] { f_journal->AddEvent(5, tr("Настройки загружены")); };
    ReadCatalogue(*XmlFile, SettingsPath(), to);
}

void Tf_main::SaveSettings()
{
    TCatalogueChoices choices;
    choices.portIndex = f_com->fr_combobox1->currentIndex();
    choices.speedIndex = f_com->fr_combobox2->currentIndex();
    choices.commonFrequency = f_config->CheckBox1->isChecked();
    choices.safeWrite = f_config->CheckBox2->isChecked();
    choices.language = f_config->Language();
    WriteCatalogueChoices(*XmlFile, SettingsPath(), choices);
}

void Tf_main::fr_button3PClick(QObject*)
{
    if (!StationBusy())
        f_search->exec();
}

void Tf_main::fr_button6PClick(QObject*)
{
    if (!StationBusy())
        f_com->exec();
}

void Tf_main::fr_button7PClick(QObject*)
{
    if (!StationBusy())
        f_config->exec();
}

void Tf_main::fr_button8PClick(QObject*) { close(); }

QList<Tfr_button*> Tf_main::CommandButtons() const
{
    return {read_btn, write_btn, fr_button2, fr_button1, fr_button3, fr_button4,
            fr_button5, fr_button6, fr_button7, fr_button8};
}

void Tf_main::SetCommandsEnabled(bool enabled)
{
    for (Tfr_button* b : CommandButtons())
        b->SetEnabled(enabled);
    PageControl1->setEnabled(enabled);
    undoAction->setEnabled(enabled);
    redoAction->setEnabled(enabled);
    fr_mainmenu1->setEnabled(enabled);
}

// Asks the running exchange to stop after the byte in progress.
void Tf_main::stop_btnPClick(QObject*)
{
    StationGate().RequestStop();
}

Tf_main::StationCommand::StationCommand(Tf_main*)
    : exchange(StationGate(), f_port ? &f_port->Line() : nullptr)
{
}

void Tf_main::ExchangeStarted()
{
    SetCommandsEnabled(false);
    stop_btn->show();
    stopKey->setEnabled(true);
}

void Tf_main::ExchangeEnded()
{
    stopKey->setEnabled(false);
    stop_btn->hide();
    SetCommandsEnabled(true);
    if (closePending) {
        closePending = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}
