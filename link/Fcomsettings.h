#pragma once
#include <QDialog>

struct TPortSurvey;
class QComboBox;
class QLabel;
class Tfr_button;
class Tfr_panel;

// "Настройки соединения COM": the port and speed every station operation
// uses. The port list holds the COM ports found free; it is surveyed when
// the dialog is built and again each time it (or the station search) is
// opened, so adapters plugged in or pulled out meanwhile come and go. Each
// entry carries the device behind it; its tooltip names the device and the
// USB adapter's details.
//
// The chosen port changes only by the user's hand ("Принять" after picking
// another, or a station picked in the search). A survey that no longer finds it keeps it chosen, listed and
// greyed, and the notice says so; reads and writes then fail on it rather
// than go to another port. "Отмена" brings back the port and speed chosen
// when the dialog opened.
class Tf_com : public QDialog {
    Q_OBJECT
public:
    explicit Tf_com(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;            // why ports are missing or gone; hidden when there is nothing to say
    QComboBox* fr_combobox1;   // ports: "COM" and the number
    QComboBox* fr_combobox2;   // speeds: "4800", "9600", "19200"
    Tfr_button* fr_button1;    // "Принять"
    Tfr_button* fr_button2;    // "Отмена"

    // The device behind the port entry at the index; empty for none.
    QString PortDevice(int index) const;
    // The tooltip of the port entry at the index.
    QString PortToolTip(int index) const;

    // Surveys the ports again and shows the result.
    void RefreshPorts();
    // Refills the port list from the survey. The selection stays on the
    // same port: when the survey does not find it, it stays in the list as
    // unavailable and the notice says so.
    void ShowSurvey(const TPortSurvey& survey);
    // Whether the entry at the index is a chosen port the last survey did
    // not find.
    bool PortUnavailable(int index) const;
    // The user picked the port in the station search: it becomes the chosen
    // port, as if picked here and accepted.
    void ChoosePort(const QString& portText);

    void FormShow();
    void fr_button1PClick();
    void fr_button2PClick();

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void ShowCurrentDevice();
    void ShowNotice(const QString& text);
    // Selects the entry of the port text; a port not in the list is added
    // as unavailable, in the order of the numbers.
    void SelectPort(const QString& portText);

    QString rememberedPort;
    int rememberedSpeed = -1;
    QString surveyNotice;
};

extern Tf_com* f_com;
