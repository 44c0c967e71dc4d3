#include "document/ProblemList.h"
#include <QCoreApplication>

QString ProblemListText(const QStringList& problems)
{
    QStringList lines = problems.mid(0, ListedProblems);
    if (problems.size() > ListedProblems)
        lines << QCoreApplication::translate("ProblemList", "и ещё %1").arg(problems.size() - ListedProblems);
    return lines.join(QLatin1Char('\n'));
}
