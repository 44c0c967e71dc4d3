#pragma once
#include <QDialog>

class QCheckBox;
class Tfr_button;
class Tfr_panel;

// "Настройки приложения": the common receive and transmit frequency option
// and the safe write of the station.
class Tf_config : public QDialog {
    Q_OBJECT
public:
    explicit Tf_config(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QCheckBox* CheckBox1;   // "Общая частота приема и передачи"
    QCheckBox* CheckBox2;   // "Безопасная запись": "Запись" and the restore follow the tick
    Tfr_button* fr_button1; // "Принять"
    Tfr_button* fr_button2; // "Отмена"

    void fr_button1PClick();
    void fr_button2PClick();

protected:
    void showEvent(QShowEvent*) override;
};

extern Tf_config* f_config;
