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
    // time and the text, and brings it into view. The text is also the
    // entry's tooltip, so a line too long for the column (a backup's path)
    // can be read whole.
    void AddEvent(int icon, const QString& text);

    // The texts of the selected entries, one per line, to the clipboard
    // (the context menu's "Копировать").
    void CopySelected();

    QTreeWidget* ListView1;
    QList<QPixmap> ImageList1;

private:
    int TimeColumnWidth() const;
};

extern Tf_journal* f_journal;
