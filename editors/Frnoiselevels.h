#pragma once
#include <QWidget>

class QLabel;
class QToolButton;
class TCSpinEdit;

// One of the ten noise-suppressor levels: a numbered field 0..255 with a
// decrease and an increase button.
class Tfr_noiselevel : public QWidget {
    Q_OBJECT
public:
    explicit Tfr_noiselevel(QWidget* parent = nullptr);

    QLabel* Panel1;            // "№1" ... "№10", set by the owner
    QWidget* Panel2;
    QToolButton* SpeedButton1;
    TCSpinEdit* CSpinEdit1;    // 0..255
    QToolButton* SpeedButton2;

    void SpeedButton1Click();
    void SpeedButton2Click();
};
