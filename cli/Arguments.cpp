#include "cli/Arguments.h"
#include <QCoreApplication>

QString TArguments::Value(const QString& name, const QString& fallback) const
{
    const QStringList values = options.value(name);
    return values.isEmpty() ? fallback : values.last();
}

const TOptionRule* FindOption(const QList<TOptionRule>& rules, const QString& name)
{
    for (const TOptionRule& rule : rules) {
        if (rule.name == name || (!rule.shortName.isEmpty() && rule.shortName == name))
            return &rule;
    }
    return nullptr;
}

namespace {

bool IsOptionWord(const QString& word)
{
    return word.size() > 1 && word.startsWith(QLatin1Char('-'));
}

// The parser of one command line: the words, where it stands, what it has.
class Parser {
public:
    Parser(const QStringList& words, const QList<TOptionRule>& rules, TArgumentError* error)
        : words(words), rules(rules), error(error)
    {
    }

    bool Run(TArguments& parsed)
    {
        bool optionsEnded = false;
        for (i = 0; i < words.size(); ++i) {
            const QString word = words[i];
            if (optionsEnded || !IsOptionWord(word)) {
                out.positional << word;
            } else if (word == QLatin1String("--")) {
                optionsEnded = true;
            } else if (word.startsWith(QLatin1String("--"))) {
                if (!Long(word))
                    return false;
            } else if (!Short(word)) {
                return false;
            }
        }
        parsed = out;
        return true;
    }

private:
    bool Fail(const QString& text, const QString& option)
    {
        if (error)
            *error = TArgumentError{text, option};
        return false;
    }

    // "--name", "--name=value", "--name value".
    bool Long(const QString& word)
    {
        const int eq = word.indexOf(QLatin1Char('='));
        const QString name = eq > 0 ? word.left(eq) : word;
        const TOptionRule* rule = FindOption(rules, name);
        if (!rule)
            return Fail(QCoreApplication::translate("Arguments", "неизвестный параметр %1").arg(name), name);
        if (rule->valueName.isEmpty()) {
            if (eq > 0)
                return Fail(QCoreApplication::translate("Arguments", "параметр %1 не принимает значения").arg(name), name);
            return Add(*rule, name, QString());
        }
        if (eq > 0)
            return Add(*rule, name, word.mid(eq + 1));
        return TakeNext(*rule, name);
    }

    // "-q", "-qv", "-oVALUE", "-o VALUE", "-o=VALUE".
    bool Short(const QString& word)
    {
        for (int j = 1; j < word.size(); ++j) {
            const QString name = QStringLiteral("-") + word.at(j);
            const TOptionRule* rule = FindOption(rules, name);
            if (!rule)
                return Fail(QCoreApplication::translate("Arguments", "неизвестный параметр %1").arg(j == 1 ? word : name), name);
            if (rule->valueName.isEmpty()) {
                if (!Add(*rule, name, QString()))
                    return false;
                continue;
            }
            QString rest = word.mid(j + 1);
            if (rest.startsWith(QLatin1Char('=')))
                rest = rest.mid(1);
            else if (rest.isEmpty())
                return TakeNext(*rule, name);
            return Add(*rule, name, rest);
        }
        return true;
    }

    bool TakeNext(const TOptionRule& rule, const QString& given)
    {
        if (i + 1 >= words.size())
            return Fail(QCoreApplication::translate("Arguments", "параметру %1 нужно значение %2").arg(given, rule.valueName), given);
        return Add(rule, given, words[++i]);
    }

    bool Add(const TOptionRule& rule, const QString& given, const QString& value)
    {
        if (!rule.valueName.isEmpty() && value.isEmpty())
            return Fail(QCoreApplication::translate("Arguments", "параметру %1 нужно значение %2").arg(given, rule.valueName), given);
        if (out.Has(rule.name) && !rule.repeatable)
            return Fail(QCoreApplication::translate("Arguments", "параметр %1 указан дважды").arg(rule.name), given);
        out.options[rule.name] << value;
        return true;
    }

    const QStringList& words;
    const QList<TOptionRule>& rules;
    TArgumentError* error;
    TArguments out;
    int i = 0;
};

} // namespace

bool ParseArguments(const QStringList& words, const QList<TOptionRule>& rules, TArguments& parsed,
                    TArgumentError* error)
{
    return Parser(words, rules, error).Run(parsed);
}

int CommandPosition(const QStringList& words, const QList<TOptionRule>& rules)
{
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (word == QLatin1String("--"))
            return i + 1 < words.size() ? i + 1 : -1;
        if (!IsOptionWord(word))
            return i;
        if (word.startsWith(QLatin1String("--"))) {
            const TOptionRule* rule = FindOption(rules, word);
            if (rule && !rule->valueName.isEmpty())
                ++i;   // "--name value"; "--name=value" is no rule's name
            continue;
        }
        // A run of short options: the first one that takes a value takes
        // the rest of the word, or the next word when nothing is left.
        for (int j = 1; j < word.size(); ++j) {
            const TOptionRule* rule = FindOption(rules, QStringLiteral("-") + word.at(j));
            if (rule && !rule->valueName.isEmpty()) {
                if (j + 1 == word.size())
                    ++i;
                break;
            }
        }
    }
    return -1;
}
