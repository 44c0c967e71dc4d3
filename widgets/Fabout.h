#pragma once
#include <QDialog>

class QLabel;
class Tfr_button;
class Tfr_panel;

// The About window, shown modally from the help menu: the logo, the
// program's name, a credit line and a close button.
// Building it throws when the logo cannot be read.
class Tf_about : public QDialog {
    Q_OBJECT
public:
    explicit Tf_about(QWidget* parent = nullptr);

    Tfr_panel* fr_panel1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label4;
    Tfr_button* fr_button1;

    // Closes (hides) the window, ending its modal loop.
    void fr_button1PClick();
};

extern Tf_about* f_about;
