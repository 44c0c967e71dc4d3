<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
