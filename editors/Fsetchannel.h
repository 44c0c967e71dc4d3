#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QTimer;
class QToolButton;
class TAutoRepeat;
class TCSpinEdit;
class TFrequencyMirror;
class Tfr_button;
class Tfr_panel;

// "Задать канал": puts one channel on given frequencies and tones. The
// set-channel command of the main window prepares it from channel row 0
// and applies it to the chosen row.
class Tf_setchannel : public QDialog {
    Q_OBJECT
public:
    explicit Tf_setchannel(QWidget* parent = nullptr);
    ~Tf_setchannel() override;

    Tfr_panel* fr_panel1;
    QLabel* Label1;           // "№ канала"
    QLabel* Label2;           // "RX(Гц)"
    QLabel* Label3;           // "TX(Гц)"
    QLabel* Label4;           // "CTCSS(RX)"
    QLabel* Label5;           // "CTCSS(TX)"
    TCSpinEdit* CSpinEdit3;   // channel number 0..99
    QToolButton* SpeedButton1;
    TCSpinEdit* CSpinEdit1;   // receive frequency, Hz
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    TCSpinEdit* CSpinEdit2;   // transmit frequency, Hz
    QToolButton* SpeedButton4;
    QComboBox* ComboBox1;     // receive tone
    QComboBox* ComboBox2;     // transmit tone
    Tfr_button* fr_button1;   // "Ок"
    Tfr_button* fr_button2;   // "Отмена"
    QTimer* Timer1;

    // Set by "Ок" when the channel number names a channel; read by the
    // caller after the dialog has closed.
    bool accepted = false;

    void FormShow();
    void fr_button1PClick();
    void fr_button2PClick();
    void CSpinEdit1Change();
    void CSpinEdit2Change();
    void CSpinEdit1Click();
    void CSpinEdit2Click();
    void SpeedButton1MouseDown();
    void SpeedButton2MouseDown();
    void SpeedButton3MouseDown();
    void SpeedButton4MouseDown();
    void SpeedButton1MouseUp();
    void SpeedButton2MouseUp();
    void SpeedButton3MouseUp();
    void SpeedButton4MouseUp();
    void Timer1Timer();

    const TAutoRepeat& Repeat() const { return *repeat; }

protected:
    void showEvent(QShowEvent*) override;

private:
    TAutoRepeat* repeat;
    TFrequencyMirror* mirror;
};

extern Tf_setchannel* f_setchannel;
