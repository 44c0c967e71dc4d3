#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

// One option a command accepts.
struct TOptionRule {
    QString name;        // "--port", "--output"
    QString valueName;   // empty for a flag
    QString help;
    bool repeatable = false;
    QString shortName = {};   // "-o", or empty
};

// The parsed command line of one command: its options (each value in the
// order given, under the option's long name) and its other words.
struct TArguments {
    QMap<QString, QStringList> options;
    QStringList positional;

    bool Has(const QString& name) const { return options.contains(name); }
    QString Value(const QString& name, const QString& fallback = QString()) const;
    QStringList Values(const QString& name) const { return options.value(name); }
};

// Why a command line was refused: the text, and the option it concerns
// (empty when none).
struct TArgumentError {
    QString text;
    QString option;
};

// Parses words against the options, as GNU tools do: "--name=value" and
// "--name value"; "-oVALUE" and "-o VALUE" (and "-o=VALUE"); short flags
// may be run together ("-qv"); "--" ends the options, and "-" alone is a
// word (standard input or output). False, with the error, for an unknown
// option, a missing value, a value given to a flag, or an option given
// twice that may be given once.
bool ParseArguments(const QStringList& words, const QList<TOptionRule>& rules, TArguments& parsed,
                    TArgumentError* error);

// The rule that takes the word as its option name (long or short, without
// any value attached), or null.
const TOptionRule* FindOption(const QList<TOptionRule>& rules, const QString& name);

// Where the command stands among the words: the first word that is
// neither an option nor the value of an option before it (options are
// told by the rules); -1 when there is none.
int CommandPosition(const QStringList& words, const QList<TOptionRule>& rules);
