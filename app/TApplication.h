#pragma once
#include <QApplication>

// The application object: shows an exception that escapes an event handler
// in the standard error box, and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
