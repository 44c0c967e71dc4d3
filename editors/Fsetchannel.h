#pragma once
#include <QDialog>

// "Задать канал": puts one channel on given frequencies and tones.
class Tf_setchannel : public QDialog {
    Q_OBJECT
public:
    explicit Tf_setchannel(QWidget* parent = nullptr);

    bool accepted = false;
};

extern Tf_setchannel* f_setchannel;
