#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class TCSpinEdit;
class Tfr_button;
class Tfr_panel;

// "Задание частоты": a frequency typed in kilohertz, handed back in hertz
// rounded down to the current frequency step.
class Tf_freq : public QDialog {
    Q_OBJECT
public:
    explicit Tf_freq(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QLineEdit* MaskEdit1;    // "99 999", blanks shown as "_"
    QLabel* Label1;          // "кГц"
    Tfr_button* fr_button1;  // "Ок"
    Tfr_button* fr_button2;  // "Отмена"

    bool accepted = false;
    int frequencyHz = 0;

    // The entry as the field holds it: the fixed space in third place and a
    // blank for every unfilled position.
    QString EntryText() const;

    void FormShow();
    void fr_button1PClick();
    void fr_button2PClick();
    void MaskEdit1KeyUp(int key);

    // Shows the dialog modally; when it is accepted the field takes the
    // result (clamped by its bounds).
    void EnterInto(TCSpinEdit* field);

protected:
    void showEvent(QShowEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Accept();
};

extern Tf_freq* f_freq;
