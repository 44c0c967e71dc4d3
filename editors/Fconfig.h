#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class Tfr_button;
class Tfr_panel;

// "Настройки приложения": the common receive and transmit frequency option,
// the safe write of the station, and the program's language (taken at the
// next start: the windows are built in the language chosen when it starts).
class Tf_config : public QDialog {
    Q_OBJECT
public:
    explicit Tf_config(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QCheckBox* CheckBox1;   // "Общая частота приема и передачи"
    QCheckBox* CheckBox2;   // "Безопасная запись": "Запись" and the restore follow the tick
    QLabel* Label1;         // "Язык"
    QComboBox* ComboBox1;   // "как в системе", "Русский", "English"
    QLabel* Label2;         // the language changes at the next start
    Tfr_button* fr_button1; // "Принять"
    Tfr_button* fr_button2; // "Отмена"

    // The chosen language as the catalogue keeps it: "", "ru" or "en"
    // (anything else shows as the system's).
    QString Language() const;
    void SetLanguage(const QString& setting);

    void fr_button1PClick();
    void fr_button2PClick();

protected:
    void showEvent(QShowEvent*) override;

private:
    int shownLanguage = 0;   // the language entry when the dialog opened, for "Отмена"
};

extern Tf_config* f_config;
