#pragma once
#include "link/ExchangeGate.h"
#include <QDomDocument>
#include <QWidget>

class QAction;
class QFileDialog;
class QFrame;
class QScrollArea;
class QShortcut;
class QTabWidget;
class TEditHistory;
class TXMLFile;
struct TTarnikPlus;
class Tfr_button;
class Tfr_mainmenu;
class Tfr_panel;
class Tfr_progress;

// The main window: menu bar, tool buttons, the action row (read, write, set
// channel, progress), the pages "Каналы" and "Настройки", and the journal.
class Tf_main : public QWidget {
    Q_OBJECT
public:
    Tf_main();
    ~Tf_main() override;

    Tfr_mainmenu* fr_mainmenu1;
    Tfr_panel* fr_panel1;
    Tfr_panel* fr_panel2;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    Tfr_button* fr_button3;   // station search
    Tfr_button* fr_button4;   // open a programmer file
    Tfr_button* fr_button5;   // save the programmer file
    Tfr_button* fr_button6;   // connection settings
    Tfr_button* fr_button7;   // application options
    Tfr_button* fr_button8;   // exit
    QDomDocument XMLDoc;
    QAction* mmclick;
    QFileDialog* od;
    QFileDialog* sd;
    QFileDialog* odCsv;   // import of the channel table
    QFileDialog* sdCsv;   // export of the channel table
    QScrollArea* ScrollBox1;
    QFrame* Panel1;
    Tfr_panel* fr_panel3;
    Tfr_progress* fr_progress1;
    Tfr_button* write_btn;
    Tfr_button* read_btn;
    Tfr_button* fr_button1;   // print
    Tfr_button* fr_button2;   // "Задать канал"
    Tfr_button* stop_btn;     // "Стоп", shown beside the progress bar while an exchange runs
    QShortcut* stopKey;       // Escape does what "Стоп" does
    QFileDialog* rd;          // the restore's choice of a station image

    // The programmer file the editors' document was loaded from or last
    // saved to: where "Сохранить" writes, and what the title names. Empty
    // when the document has no file (read from a station, restored, or new).
    QString CurrentFile() const;

    void FormShow();
    void FormClose();
    void fr_panel2Resize();
    void LoadSettings();
    void SaveSettings();

    void fr_button1PClick(QObject* sender);   // print report
    void fr_button2PClick(QObject* sender);   // set one channel
    void fr_button3PClick(QObject* sender);   // station search
    void fr_button4PClick(QObject* sender);   // open a programmer file
    void fr_button5PClick(QObject* sender);   // save the programmer file
    void fr_button6PClick(QObject* sender);   // connection settings
    void fr_button7PClick(QObject* sender);   // application options
    void fr_button8PClick(QObject* sender);   // exit
    void read_btnPClick(QObject* sender);
    void write_btnPClick(QObject* sender);
    void mmclickExecute(QObject* sender);
    void stop_btnPClick(QObject* sender);
    // "Восстановить из резервной копии...": the chosen image file goes into
    // the station by the safe write.
    void RestoreFromBackup(QObject* sender);
    void RestoreImageFile(const QString& path);
    // The restore of an image read from the file at path: checked as a
    // programmer file's load checks (reasons listed, "Записать всё равно"
    // offered), the station's changes shown and asked for, the safe write,
    // then the editors show the restored configuration as one undo step.
    void RestoreImage(const QByteArray& image, const QString& path);

    // Each reports its outcome in the journal; true on success.
    bool SaveProgrammerFile(const QString& path);
    bool LoadProgrammerFile(const QString& path);

    // The save command: to CurrentFile, or to a file chosen in the save
    // dialog when there is none. False when cancelled or failed.
    bool SaveCommand();
    // Save as: always to a file chosen in the save dialog; a cancelled
    // dialog leaves the document's name as it was.
    bool SaveAsCommand();

    // The channel table as CSV (Файл menu). The import applies nothing
    // unless every row of the file is good; the error box then names the
    // first bad rows.
    void ExportCsvClick();
    void ImportCsvClick();
    bool ExportChannelCsv(const QString& path);
    bool ImportChannelCsv(const QString& path);

    // Undo history of the editors and their unsaved state.
    TEditHistory* History() const { return history; }
    QAction* undoAction;   // Ctrl+Z
    QAction* redoAction;   // Ctrl+Y, Ctrl+Shift+Z

    // Asks, when the editors hold unsaved work, whether to save it first
    // (naming the file "Сохранить" writes to): "Сохранить" saves (a
    // cancelled or failed save answers false), "Не сохранять" goes on,
    // "Отмена" answers false. Every command that is about to replace the
    // editors' content or end the program asks this and stops on false.
    bool MaySetAsideEdits();

    // Shows the station's configuration just read (or restored) in the
    // editors, as one undo step of the given name; the document is then
    // unnamed and counts as kept.
    void ReadIntoEditors(const TTarnikPlus& record, const QString& step = QStringLiteral("чтение"));
    // "Программатор Tarnik", " — " and the name of CurrentFile when there
    // is one, and "*" while there is unsaved work. Follows the document
    // through every step, undo and redo.
    void UpdateTitle();

    // True while a station exchange runs. The exchange processes window
    // messages, so every command that talks to the station or touches the
    // editors checks this and is refused meanwhile.
    bool StationBusy() const { return StationGate().Busy(); }
    // True once "Стоп" or Escape asked the running exchange to stop.
    bool StopRequested() const { return StationGate().StopRequested(); }

    // Marks a station exchange for its lifetime: the commands are disabled
    // and the editors locked, "Стоп" is shown and the serial line stops when
    // it is pressed; a close asked for meanwhile happens when the exchange
    // has ended.
    class StationCommand {
    public:
        explicit StationCommand(Tf_main* window);

    private:
        TExchangeGate::Exchange exchange;
    };

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetCommandsEnabled(bool enabled);
    QList<Tfr_button*> CommandButtons() const;

    void StartHistory();
    // The gate's exchange began or ended: lock or free the commands.
    void ExchangeStarted();
    void ExchangeEnded();

    TEditHistory* history = nullptr;
    bool shown = false;
    bool closePending = false;
};

extern Tf_main* f_main;
