#include "widgets/CaptionLines.h"

QStringList SplitCaption(const QString& text)
{
    QStringList result;
    QString line;
    for (QChar c : text) {
        if (c == QChar(10)) {
            result << line;
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.isEmpty())
        result << line;
    return result;
}
