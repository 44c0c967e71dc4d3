<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Catalogue</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Экспорт каналов в CSV...</source>
        <translation>Export channels to CSV...</translation>
    </message>
    <message>
        <source>Импорт каналов из CSV...</source>
        <translation>Import channels from CSV...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Станция</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Поиск станции</source>
        <translation>Find station</translation>
    </message>
    <message>
        <source>Восстановить из резервной копии...</source>
        <translation>Restore from backup...</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Настройки соединения</source>
        <translation>Connection settings</translation>
    </message>
    <message>
        <source>Настройки приложения</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Печать отчета</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Открыть файл программатора</source>
        <translation>Open programmer file</translation>
    </message>
    <message>
        <source>Сохранить файл программатора</source>
        <translation>Save programmer file</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>0,5 кГц</source>
        <translation>0.5 kHz</translation>
    </message>
    <message>
        <source>1,0 кГц</source>
        <translation>1.0 kHz</translation>
    </message>
    <message>
        <source>1,5 кГц</source>
        <translation>1.5 kHz</translation>
    </message>
    <message>
        <source>2,0 кГц</source>
        <translation>2.0 kHz</translation>
    </message>
    <message>
        <source>2,5 кГц</source>
        <translation>2.5 kHz</translation>
    </message>
    <message>
        <source>3,0 кГц</source>
        <translation>3.0 kHz</translation>
    </message>
    <message>
        <source>3,5 кГц</source>
        <translation>3.5 kHz</translation>
    </message>
    <message>
        <source>4,0 кГц</source>
        <translation>4.0 kHz</translation>
    </message>
    <message>
        <source>4,5 кГц</source>
        <translation>4.5 kHz</translation>
    </message>
    <message>
        <source>5,0 кГц</source>
        <translation>5.0 kHz</translation>
    </message>
    <message>
        <source>Уровень 1</source>
        <translation>Level 1</translation>
    </message>
    <message>
        <source>Уровень 2</source>
        <translation>Level 2</translation>
    </message>
    <message>
        <source>Уровень 3</source>
        <translation>Level 3</translation>
    </message>
    <message>
        <source>Уровень 4</source>
        <translation>Level 4</translation>
    </message>
    <message>
        <source>Уровень 5</source>
        <translation>Level 5</translation>
    </message>
    <message>
        <source>Уровень 6</source>
        <translation>Level 6</translation>
    </message>
    <message>
        <source>Уровень 7</source>
        <translation>Level 7</translation>
    </message>
    <message>
        <source>Уровень 8</source>
        <translation>Level 8</translation>
    </message>
    <message>
        <source>Уровень 9</source>
        <translation>Level 9</translation>
    </message>
    <message>
        <source>Уровень 10</source>
        <translation>Level 10</translation>
    </message>
    <message>
        <source>Уровень 11</source>
        <translation>Level 11</translation>
    </message>
    <message>
        <source>Уровень 12</source>
        <translation>Level 12</translation>
    </message>
    <message>
        <source>Уровень 13</source>
        <translation>Level 13</translation>
    </message>
    <message>
        <source>Уровень 14</source>
        <translation>Level 14</translation>
    </message>
    <message>
        <source>Уровень 15</source>
        <translation>Level 15</translation>
    </message>
    <message>
        <source>Уровень 16</source>
        <translation>Level 16</translation>
    </message>
    <message>
        <source>Выключен</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>CatalogueReader</name>
    <message>
        <source>%1: число %2 в %3 вне пределов 0 - %4.</source>
        <translation>%1: the number %2 in %3 is outside 0 - %4.</translation>
    </message>
    <message>
        <source>%1 не загружен: %2.</source>
        <translation>%1 was not loaded: %2.</translation>
    </message>
    <message>
        <source>%1 - %2 кГц</source>
        <translation>%1 - %2 kHz</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program&apos;s version</translation>
    </message>
    <message>
        <source>подробности на stderr: какой каталог взят, какое устройство стоит за COMn</source>
        <translation>details on stderr: which catalogue is used, which device is behind COMn</translation>
    </message>
    <message>
        <source>без прогресса и сообщений об успехе на stderr (ошибки выводятся)</source>
        <translation>no progress and no success messages on stderr (errors are printed)</translation>
    </message>
    <message>
        <source>результат в JSON на stdout</source>
        <translation>the result as JSON on stdout</translation>
    </message>
    <message>
        <source>каталог Settings.xml (иначе ./Settings/Settings.xml, затем установленный или собранный)</source>
        <translation>the catalogue Settings.xml (else ./Settings/Settings.xml, then the installed or built one)</translation>
    </message>
    <message>
        <source>Коды завершения:
  0  успешно; файлы совпадают; станция содержит файл
  1  проверка не прошла или файлы различаются
  2  ошибка в командной строке или во входном файле, файл не прошёл проверку
     (на станцию ничего не отправлено)
  3  ошибка порта или станции, в том числе станция не ответила при проверке
  4  часть станций группы не запрограммирована
  128+N  остановлено сигналом N (Ctrl-C: 130, SIGTERM: 143, SIGHUP: 129) после
     байта, который передавался; по каждому порту сказано, что сделано,
     и названа резервная копия
</source>
        <translation>Exit codes:
  0  success; the files are equal; the station holds the file
  1  the verification failed or the files differ
  2  an error in the command line or in an input file, a file failed the check
     (nothing was sent to the station)
  3  a port or station error, including a station silent at the verification
  4  some stations of the group were not programmed
  128+N  stopped by signal N (Ctrl-C: 130, SIGTERM: 143, SIGHUP: 129) after
     the byte in transfer; for each port it says what was done
     and names the backup
</translation>
    </message>
    <message>
        <source>Программатор станций Тарник, командная строка.

Вызов: tarnik-cli [общие параметры] КОМАНДА [параметры] [--] [файлы]
       tarnik-cli КОМАНДА --help, tarnik-cli help КОМАНДА
       tarnik-cli --version

Команды:
</source>
        <translation>Tarnik station programmer, command line.

Usage: tarnik-cli [common options] COMMAND [options] [--] [files]
       tarnik-cli COMMAND --help, tarnik-cli help COMMAND
       tarnik-cli --version

Commands:
</translation>
    </message>
    <message>
        <source>
Общие параметры (до или после команды):
</source>
        <translation>
Common options (before or after the command):
</translation>
    </message>
    <message>
        <source>
Порт P: COM1 - COM32 (через ту же карту портов, что и у программы, с TARNIK_PORTS) или путь к устройству.
Скорость по умолчанию 4800.
Файл &quot;-&quot; - стандартный ввод или вывод (формат задаёт --format).
Прогресс выводится в stderr, результаты и --json в stdout.

</source>
        <translation>
Port P: COM1 - COM32 (through the same port map as the program&apos;s, with TARNIK_PORTS) or a device path.
Default speed 4800.
File &quot;-&quot; is standard input or output (--format sets the format).
Progress goes to stderr, results and --json to stdout.

</translation>
    </message>
    <message>
        <source>%1

Вызов: tarnik-cli %2
</source>
        <translation>%1

Usage: tarnik-cli %2
</translation>
    </message>
    <message>
        <source>
Параметры:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>
Общие параметры:
</source>
        <translation>
Common options:
</translation>
    </message>
</context>
</TS>
