#pragma once
// A trace file of the serial line read back for the tests: its header, its
// groups of lines (one request and its answer each) and its notes.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct TraceLine {
    double ms = 0;
    QChar direction;   // '>', '<' or '#'
    QByteArray bytes;  // the bytes of a '>' or '<' line
    QString text;      // the words of a '#' line
};

struct TraceFile {
    QStringList headers;             // the lines that start with "#"
    QList<QList<TraceLine>> groups;  // parted by empty lines
    QStringList malformed;           // lines of no known form

    // The bytes of one direction in the group, in order.
    QByteArray Bytes(int group, QChar direction) const;
    // Every request sent, as the simulated station logs it ("11 39 01").
    QStringList Requests() const;
    // Every time, in the order of the file.
    QList<double> Times() const;
    QStringList Notes() const;
};

TraceFile ReadTrace(const QString& path);
