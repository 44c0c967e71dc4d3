#pragma once
#include <QWidget>

// The printed configuration report: settings and the enabled channels on
// one to four A4 pages, previewed before printing.
class Tf_print : public QWidget {
    Q_OBJECT
public:
    explicit Tf_print(QWidget* parent = nullptr);
};

extern Tf_print* f_print;
