#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class Tfr_button;
class Tfr_panel;

// "Настройки соединения COM": the port and speed every station operation
// uses. The port list holds the COM ports found free when the dialog was
// built; each entry carries the device behind it (shown as its tooltip).
class Tf_com : public QDialog {
    Q_OBJECT
public:
    explicit Tf_com(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;            // why ports are missing (no permission); hidden otherwise
    QComboBox* fr_combobox1;   // ports: "COM" and the number
    QComboBox* fr_combobox2;   // speeds: "4800", "9600", "19200"
    Tfr_button* fr_button1;    // "Принять"
    Tfr_button* fr_button2;    // "Отмена"

    // The device behind the port entry at the index; empty for none.
    QString PortDevice(int index) const;

    void FormShow();
    void fr_button1PClick();
    void fr_button2PClick();

protected:
    void showEvent(QShowEvent*) override;

private:
    void FillPorts();
    void ShowCurrentDevice();

    int rememberedPort = -1;
    int rememberedSpeed = -1;
};

extern Tf_com* f_com;
