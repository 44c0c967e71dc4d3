#pragma once
#include <QWidget>

class QLabel;
class Tfr_panel;
class Tfr_progress;

// The splash window shown while the start-up builds the channel rows.
class Tf_startup : public QWidget {
    Q_OBJECT
public:
    explicit Tf_startup(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    Tfr_progress* fr_progress1;
};

extern Tf_startup* f_startup;
