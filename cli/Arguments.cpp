#include "cli/Arguments.h"

QString TArguments::Value(const QString& name, const QString& fallback) const
{
    const QStringList values = options.value(name);
    return values.isEmpty() ? fallback : values.last();
}

bool ParseArguments(const QStringList& words, const QList<TOptionRule>& rules, TArguments& parsed,
                    QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    TArguments out;
    bool optionsEnded = false;
    for (int i = 0; i < words.size(); ++i) {
        const QString word = words[i];
        if (optionsEnded || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            out.positional << word;
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const int eq = word.indexOf(QLatin1Char('='));
        const QString name = eq > 0 ? word.left(eq) : word;
        const TOptionRule* rule = nullptr;
        for (const TOptionRule& s : rules) {
            if (s.name == name)
                rule = &s;
        }
        if (!rule)
            return fail(QStringLiteral("неизвестный параметр %1").arg(name));
        if (out.Has(name) && !rule->repeatable)
            return fail(QStringLiteral("параметр %1 указан дважды").arg(name));
        QString value;
        if (!rule->valueName.isEmpty()) {
            if (eq > 0)
                value = word.mid(eq + 1);
            else if (i + 1 < words.size())
                value = words[++i];
            else
                return fail(QStringLiteral("параметру %1 нужно значение %2").arg(name, rule->valueName));
            if (value.isEmpty())
                return fail(QStringLiteral("параметру %1 нужно значение %2").arg(name, rule->valueName));
        } else if (eq > 0) {
            return fail(QStringLiteral("параметр %1 не принимает значения").arg(name));
        }
        out.options[name] << value;
    }
    parsed = out;
    return true;
}
