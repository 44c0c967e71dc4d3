#pragma once
#include <QWidget>

class QLabel;
class Tfr_panel;
class Tfr_progress;

// The splash window shown while the start-up builds the channel rows: the
// logo, the program's name and version, and the start-up's progress bar.
// The start-up shows it, advances fr_progress1 and closes it.
// Building it throws when the logo cannot be read.
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
