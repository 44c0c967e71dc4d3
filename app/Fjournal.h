#pragma once
#include <QList>
#include <QPixmap>
#include <QWidget>

class QTreeWidget;

// The journal: the program's running account of what happened, one line
// per event with an icon, the time and the text. Embedded in the main
// window's bottom panel.
class Tf_journal : public QWidget {
    Q_OBJECT
public:
    explicit Tf_journal(QWidget* panel);

    // Appends an entry with the icon (index into ImageList1), the current
    // time and the text, and brings it into view.
    void AddEvent(int icon, const QString& text);

    QTreeWidget* ListView1;
    QList<QPixmap> ImageList1;
};

extern Tf_journal* f_journal;
