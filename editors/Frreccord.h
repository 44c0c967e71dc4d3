#pragma once
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;
class QToolButton;
class TAutoRepeat;
class TCSpinEdit;
class TFrequencyMirror;

// The editor of one channel: enable box, receive and transmit frequency in
// hertz with arrow buttons that repeat while held, and the receive and
// transmit CTCSS tone lists. Its controls are the channel's state.
class Tfr_reccord : public QWidget {
    Q_OBJECT
public:
    explicit Tfr_reccord(QWidget* parent = nullptr);
    ~Tfr_reccord() override;

    QLabel* Panel1;          // the channel number
    QWidget* Panel2;
    QCheckBox* CheckBox1;    // "Вкл"
    QToolButton* SpeedButton1;
    TCSpinEdit* CSpinEdit1;  // receive frequency, Hz
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    TCSpinEdit* CSpinEdit2;  // transmit frequency, Hz
    QToolButton* SpeedButton4;
    QComboBox* ComboBox1;    // receive tone
    QComboBox* ComboBox2;    // transmit tone
    QTimer* Timer1;          // auto-repeat of the arrow buttons

    // While set, the two frequency fields mirror each other.
    bool commonFrequency = true;

    void CheckBox1Click();
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

    // Puts a stored channel's own receive and transmit frequencies into the
    // fields (each clamped by its bounds) without mirroring one into the
    // other: loading must not copy the transmit frequency over the receive.
    void LoadFrequencies(int rxHz, int txHz);

    // Mirrors a frequency the user has typed but not yet committed (the
    // field may still have the focus), as committing it would. Readers of
    // the fields call this before they store them.
    void CommitTypedFrequency();

    // The auto-repeat of the arrow buttons (held button, repeat count).
    const TAutoRepeat& Repeat() const { return *repeat; }

    // The field's bounds and step, as the band change and the set-channel
    // command give them.
    static void SetBounds(TCSpinEdit* field, int min, int max, int step);

private:
    TAutoRepeat* repeat;
    TFrequencyMirror* mirror;
};
