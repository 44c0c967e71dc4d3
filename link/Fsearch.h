#pragma once
#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;
class Tfr_button;
class Tfr_panel;

// "Поиск станции": tries every port of the connection dialog at the chosen
// speed and lists where a station answers. The search itself changes no
// setting; a double click (or Enter) on a row where a station answered
// makes that port the chosen one and closes the dialog.
class Tf_search : public QDialog {
    Q_OBJECT
public:
    explicit Tf_search(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QTreeWidget* ListView1;    // icon, port entry text, state; the row's tooltip is the port entry's
    Tfr_button* fr_button1;    // "Поиск"
    Tfr_button* fr_button2;    // "Отмена"

    void fr_button1PClick();
    void fr_button2PClick();
    // The user picks the row's port; only rows where a station answered.
    void ChooseRow(QTreeWidgetItem* row);

    bool Searching() const { return searching; }

    // Icon indexes of the journal's list used by the rows.
    static constexpr int IconFound = 1;
    static constexpr int IconWaiting = 2;
    static constexpr int IconFailed = 6;

public slots:
    // Neither Escape nor a close request ends the dialog while a port is
    // being tried.
    void reject() override;

protected:
    void closeEvent(QCloseEvent*) override;
    // The connection dialog's port list is surveyed again, so the search
    // walks the ports there are now.
    void showEvent(QShowEvent*) override;

private:
    void SetState(QTreeWidgetItem* row, int icon, const QString& text);
    void SetButtonsEnabled(bool enabled);

    bool searching = false;
};

extern Tf_search* f_search;
