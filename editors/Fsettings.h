#pragma once
#include "editors/FrequencyEntry.h"
#include <QVector>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class Tfr_noiselevel;
struct TBandLimits;
struct TTarnikPlus;

// The "Настройки" page: every station setting that is not the channel
// table. It owns the band choice, which sets the limits and step of every
// channel row.
class Tf_settings : public QWidget {
    Q_OBJECT
public:
    // Places itself in the scroll area of the "Настройки" page.
    explicit Tf_settings(QScrollArea* scrollBox);

    QComboBox* ComboBox1;   // frequency band
    QComboBox* ComboBox2;   // deviation
    QComboBox* ComboBox3;   // volume
    QComboBox* ComboBox4;   // microphone sensitivity
    QComboBox* ComboBox5;   // squelch
    QComboBox* ComboBox6;   // receive gain
    QComboBox* ComboBox7;   // analogue SQL
    QComboBox* ComboBox8;   // CTCSS transmit level
    QComboBox* ComboBox9;   // CTCSS receive level
    QCheckBox* CheckBox1;   // "Маскиратор включен"
    QCheckBox* CheckBox2;   // "Маскиратор установлен"
    QCheckBox* CheckBox3;   // push-to-talk time-out
    QCheckBox* CheckBox4;   // busy-channel lock-out
    QCheckBox* CheckBox5;   // repeater
    QSlider* TrackBar1;     // time-out, 0..65535
    QLineEdit* Edit1;
    QGroupBox* GroupBox1;   // "Флаги завершения работы станции", disabled
    QCheckBox* CheckBox6;   // "Нормальное выключение"
    QCheckBox* CheckBox7;   // "Нормальное завершение передачи"
    QGroupBox* GroupBox2;   // "Уровни шумоподавителя"
    QScrollArea* ScrollBox1;
    QVector<Tfr_noiselevel*> noiseLevelRows;
    QSlider* TrackBar2;     // PWM power, 0..255
    QLineEdit* Edit2;
    QPushButton* Button1;   // "Установить"

    // The nine lists in the order of the record fields they edit.
    QList<QComboBox*> Lists() const;

    // Shows the record's settings and runs the band change. A record whose
    // band the band list does not hold, or whose band limits the catalogue
    // cannot give, is refused before any control changes (EConvertError).
    void LoadFromRecord(const TTarnikPlus& record);
    void SaveToRecord(TTarnikPlus& record);
    // The band change: reads the selected band's limits and the step from
    // Settings.xml and puts every channel row's frequency fields on them,
    // both values on the band minimum. Throws EConvertError, changing
    // nothing, when no band is selected or the catalogue lacks a value.
    void ComboBox1Change(QObject* sender);
    // The user picked an item of the band list: the band change, when the
    // pick is another band than the rows are on.
    void ComboBox1Picked();
    // The band list item whose limits the rows carry (-1 before the first
    // band change). Restoring a saved state of the editors sets it along
    // with the list.
    int bandShown = -1;
    void TrackBar1Change();
    void TrackBar2Change();
    void Button1Click();

    // The limits of band N (from 1): refuses, with a message starting with
    // context, a band the list does not hold or the catalogue cannot give.
    TBandLimits ReadBand(int band, const QString& context = QString()) const;

private:
    void ApplyBand(const TBandLimits& limits);
};

extern Tf_settings* f_settings;
