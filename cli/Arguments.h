#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

// One option a command accepts.
struct TOptionRule {
    QString name;        // "--port", "-o"
    QString valueName;   // empty for a flag
    QString help;
    bool repeatable = false;
};

// The parsed command line of one command: its options (each value in the
// order given) and its other words.
struct TArguments {
    QMap<QString, QStringList> options;
    QStringList positional;

    bool Has(const QString& name) const { return options.contains(name); }
    QString Value(const QString& name, const QString& fallback = QString()) const;
    QStringList Values(const QString& name) const { return options.value(name); }
};

// Parses the words after the command against its options; "--name=value"
// and "--name value" both work, "--" ends the options. False, with the
// error in words, for an unknown option, a missing value or an option
// given twice that may be given once.
bool ParseArguments(const QStringList& words, const QList<TOptionRule>& rules, TArguments& parsed,
                    QString* error);
