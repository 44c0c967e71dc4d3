#pragma once
#include <QDialog>

// "Задание частоты": a frequency typed in kilohertz, handed back in hertz
// rounded down to the current frequency step.
class Tf_freq : public QDialog {
    Q_OBJECT
public:
    explicit Tf_freq(QWidget* parent = nullptr);

    bool accepted = false;
    int frequencyHz = 0;
};

extern Tf_freq* f_freq;
