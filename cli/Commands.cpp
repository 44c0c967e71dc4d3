#include "cli/Commands.h"

const QList<TCommand>& Commands()
{
    static const QList<TCommand> all = PortCommands() + StationCommands() + FileCommands();
    return all;
}

QList<TOptionRule> CommonOptions()
{
    return {
        {QStringLiteral("--help"), QString(), QStringLiteral("эта справка")},
        {QStringLiteral("--verbose"), QString(), QStringLiteral("подробности на stderr: какой каталог взят и т. п.")},
        {QStringLiteral("--catalogue"), QStringLiteral("PATH"),
         QStringLiteral("каталог Settings.xml (иначе ./Settings/Settings.xml, затем установленный или собранный)")},
    };
}

namespace {
const char ExitCodesHelp[] =
    "Коды завершения:\n"
    "  0  успешно; файлы совпадают; станция содержит файл\n"
    "  1  проверка не прошла или файлы различаются\n"
    "  2  ошибка в командной строке или во входном файле, файл не прошёл проверку\n"
    "     (на станцию ничего не отправлено)\n"
    "  3  ошибка порта или станции, в том числе станция не ответила при проверке\n"
    "  4  часть станций группы не запрограммирована\n"
    "  128+N  остановлено сигналом N (Ctrl-C: 130, SIGTERM: 143, SIGHUP: 129) после\n"
    "     байта, который передавался; по каждому порту сказано, что сделано,\n"
    "     и названа резервная копия\n";
}

QString ToolHelp()
{
    QString text = QStringLiteral("Программатор станций Тарник, командная строка.\n\n"
                                  "Вызов: tarnik-cli КОМАНДА [параметры]\n"
                                  "       tarnik-cli КОМАНДА --help\n"
                                  "       tarnik-cli --version\n\nКоманды:\n");
    for (const TCommand& c : Commands())
        text += QStringLiteral("  %1%2\n").arg(c.name.leftJustified(8), c.summary);
    text += QStringLiteral("\nПорт P: COM1 - COM32 (через ту же карту портов, что и у программы, с TARNIK_PORTS) "
                           "или путь к устройству.\nСкорость по умолчанию 4800.\n"
                           "Прогресс выводится в stderr, результаты и --json в stdout.\n\n");
    text += QString::fromUtf8(ExitCodesHelp);
    return text;
}

QString CommandHelp(const TCommand& command)
{
    QString text = QStringLiteral("%1\n\nВызов: tarnik-cli %2\n\nПараметры:\n").arg(command.summary, command.usage);
    for (const TOptionRule& o : command.options + CommonOptions()) {
        const QString left = o.valueName.isEmpty() ? o.name : o.name + QLatin1Char(' ') + o.valueName;
        text += QStringLiteral("  %1%2\n").arg(left.leftJustified(18), o.help);
    }
    text += QLatin1Char('\n') + QString::fromUtf8(ExitCodesHelp);
    return text;
}
