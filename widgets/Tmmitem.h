#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One top-level menu item: its title and the titles of its sub-items, in
// order. A sub-item titled "-" or "_" is a separator.
struct Tmmitem {
    QString Name;
    QStringList SubItems;
};
using TmmitemList = QList<Tmmitem>;
