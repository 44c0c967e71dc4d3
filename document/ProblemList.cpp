#include "document/ProblemList.h"

QString ProblemListText(const QStringList& problems)
{
    QStringList lines = problems.mid(0, ListedProblems);
    if (problems.size() > ListedProblems)
        lines << QStringLiteral("и ещё %1").arg(problems.size() - ListedProblems);
    return lines.join(QLatin1Char('\n'));
}
