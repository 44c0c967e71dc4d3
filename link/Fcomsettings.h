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
    // same COM number while it is listed; when it is gone, entry 0 is
    // selected and the notice says which port disappeared (until the
    // dialog is next closed).
    void ShowSurvey(const TPortSurvey& survey);

    void FormShow();
    void fr_button1PClick();
    void fr_button2PClick();

protected:
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void ShowCurrentDevice();
    void ShowNotice(const QString& text);

    int rememberedPort = -1;
    int rememberedSpeed = -1;
    QString surveyNotice;
    QString vanishedPort;   // the selected port that went away, until the dialog closes
};

extern Tf_com* f_com;
