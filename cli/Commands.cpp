#include "cli/Commands.h"
#include <QCoreApplication>

const QList<TCommand>& Commands()
{
    static const QList<TCommand> all = PortCommands() + StationCommands() + FileCommands();
    return all;
}

const TCommand* FindCommand(const QString& name)
{
    for (const TCommand& c : Commands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

QList<TOptionRule> CommonOptions()
{
    return {
        {QStringLiteral("--help"), QString(), QCoreApplication::translate("Commands", "эта справка"), false, QStringLiteral("-h")},
        {QStringLiteral("--version"), QString(), QCoreApplication::translate("Commands", "версия программы"), false, QStringLiteral("-V")},
        {QStringLiteral("--verbose"), QString(),
         QCoreApplication::translate("Commands", "подробности на stderr: какой каталог взят, какое устройство стоит за COMn"), false,
         QStringLiteral("-v")},
        {QStringLiteral("--quiet"), QString(),
         QCoreApplication::translate("Commands", "без прогресса и сообщений об успехе на stderr (ошибки выводятся)"), false,
         QStringLiteral("-q")},
        {QStringLiteral("--json"), QString(), QCoreApplication::translate("Commands", "результат в JSON на stdout")},
        {QStringLiteral("--catalogue"), QStringLiteral("PATH"),
         QCoreApplication::translate("Commands", "каталог Settings.xml (иначе ./Settings/Settings.xml, затем установленный или собранный)")},
    };
}

QList<TOptionRule> AllOptions()
{
    QList<TOptionRule> all = CommonOptions();
    for (const TCommand& c : Commands()) {
        for (const TOptionRule& o : c.options) {
            if (!FindOption(all, o.name))
                all << o;
        }
    }
    return all;
}

namespace {
const char* const ExitCodesHelp = QT_TRANSLATE_NOOP("Commands",
    "Коды завершения:\n"
    "  0  успешно; файлы совпадают; станция содержит файл\n"
    "  1  проверка не прошла или файлы различаются\n"
    "  2  ошибка в командной строке или во входном файле, файл не прошёл проверку\n"
    "     (на станцию ничего не отправлено)\n"
    "  3  ошибка порта или станции, в том числе станция не ответила при проверке\n"
    "  4  часть станций группы не запрограммирована\n"
    "  128+N  остановлено сигналом N (Ctrl-C: 130, SIGTERM: 143, SIGHUP: 129) после\n"
    "     байта, который передавался; по каждому порту сказано, что сделано,\n"
    "     и названа резервная копия\n");

QString OptionLines(const QList<TOptionRule>& options)
{
    QString text;
    for (const TOptionRule& o : options) {
        QString left = o.shortName.isEmpty() ? QStringLiteral("    ") : o.shortName + QStringLiteral(", ");
        left += o.valueName.isEmpty() ? o.name : o.name + QLatin1Char(' ') + o.valueName;
        text += QStringLiteral("  %1  %2\n").arg(left.leftJustified(22), o.help);
    }
    return text;
}
} // namespace

QString ToolHelp()
{
    QString text = QCoreApplication::translate("Commands",
                                               "Программатор станций Тарник, командная строка.\n\n"
                                               "Вызов: tarnik-cli [общие параметры] КОМАНДА [параметры] [--] [файлы]\n"
                                               "       tarnik-cli КОМАНДА --help, tarnik-cli help КОМАНДА\n"
                                               "       tarnik-cli --version\n\nКоманды:\n");
    for (const TCommand& c : Commands())
        text += QStringLiteral("  %1%2\n").arg(c.name.leftJustified(8), c.summary);
    text += QCoreApplication::translate("Commands", "\nОбщие параметры (до или после команды):\n")
        + OptionLines(CommonOptions());
    text += QCoreApplication::translate("Commands",
                                        "\nПорт P: COM1 - COM32 (через ту же карту портов, что и у программы, с TARNIK_PORTS) "
                                        "или путь к устройству.\nСкорость по умолчанию 4800.\n"
                                        "Файл \"-\" - стандартный ввод или вывод (формат задаёт --format).\n"
                                        "Прогресс выводится в stderr, результаты и --json в stdout.\n\n");
    text += QCoreApplication::translate("Commands", ExitCodesHelp);
    return text;
}

QString CommandHelp(const TCommand& command)
{
    QString text = QCoreApplication::translate("Commands", "%1\n\nВызов: tarnik-cli %2\n")
                       .arg(command.summary, command.usage);
    if (!command.options.isEmpty())
        text += QCoreApplication::translate("Commands", "\nПараметры:\n") + OptionLines(command.options);
    text += QCoreApplication::translate("Commands", "\nОбщие параметры:\n") + OptionLines(CommonOptions());
    text += QLatin1Char('\n') + QCoreApplication::translate("Commands", ExitCodesHelp);
    return text;
}

QString VersionText()
{
    return QStringLiteral("tarnik-cli ") + QStringLiteral(TARNIK_VERSION);
}
