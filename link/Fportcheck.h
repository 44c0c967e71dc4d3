#pragma once
#include <QWidget>

class Tfr_progress;
struct TTarnikPlus;

// "Порт": the hidden diagnostic window that carries the program's one
// serial link and the station operations.
class Tf_port : public QWidget {
    Q_OBJECT
public:
    explicit Tf_port(QWidget* parent = nullptr);

    // Station operations; each reports its outcome in the journal itself.
    bool ReadStation(Tfr_progress* progress, TTarnikPlus& record);
    bool WriteStation(Tfr_progress* progress, const TTarnikPlus& record);
    bool WritePwmPower(int power);
};

extern Tf_port* f_port;
