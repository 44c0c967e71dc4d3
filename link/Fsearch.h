#pragma once
#include <QDialog>

// "Поиск станции": tries every port of the connection dialog and lists
// where a station answers.
class Tf_search : public QDialog {
    Q_OBJECT
public:
    explicit Tf_search(QWidget* parent = nullptr);
};

extern Tf_search* f_search;
