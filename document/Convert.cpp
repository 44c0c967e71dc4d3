#include "document/Convert.h"
#include <QCoreApplication>
#include <limits>

EProgramError::EProgramError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString EProgramError::Message() const
{
    return QString::fromStdString(what());
}

bool TryStrToInt(const QString& text, int& value)
{
    int i = 0;
    const int n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return false;
    long long v = 0;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

int StrToInt(const QString& text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QCoreApplication::translate("Convert", "\"%1\" не является целым числом").arg(text));
    return value;
}

bool StrToBool(const QString& text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    int value = 0;
    if (TryStrToInt(text, value))
        return value != 0;
    throw EConvertError(QCoreApplication::translate("Convert", "\"%1\" не является логическим значением").arg(text));
}
