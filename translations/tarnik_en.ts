<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Arguments</name>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>параметр %1 не принимает значения</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение %2</source>
        <translation>option %1 needs a value %2</translation>
    </message>
    <message>
        <source>параметр %1 указан дважды</source>
        <translation>option %1 given twice</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>%1 не папка, а файл</source>
        <translation>%1 is a file, not a folder</translation>
    </message>
    <message>
        <source>папка %1 не создаётся: нет прав на запись в %2</source>
        <translation>folder %1 cannot be created: no write permission in %2</translation>
    </message>
    <message>
        <source>слишком много резервных копий за одну секунду в %1</source>
        <translation>too many backups within one second in %1</translation>
    </message>
</context>
<context>
    <name>BandCatalogue</name>
    <message>
        <source>&quot;%1&quot; не является частотой в кГц</source>
        <translation>&quot;%1&quot; is not a frequency in kHz</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является шагом частоты</source>
        <translation>&quot;%1&quot; is not a frequency step</translation>
    </message>
    <message>
        <source>Частотный диапазон %1 не описан в каталоге Settings.xml (в каталоге диапазоны 1 - %2).</source>
        <translation>Frequency band %1 is not described in the catalogue Settings.xml (the catalogue has bands 1 - %2).</translation>
    </message>
    <message>
        <source>Частотный диапазон %1 не описан в каталоге Settings.xml (в каталоге нет диапазонов).</source>
        <translation>Frequency band %1 is not described in the catalogue Settings.xml (the catalogue has no bands).</translation>
    </message>
</context>
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
    <name>ChannelCsv</name>
    <message>
        <source>%1 &quot;%2&quot; не число</source>
        <translation>%1 &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 %2 %3 вне диапазона %4 - %5 %3</source>
        <translation>%1 %2 %3 is outside the band %4 - %5 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 не кратна шагу %4 Гц</source>
        <translation>%1 %2 %3 is not a multiple of the %4 Hz step</translation>
    </message>
    <message>
        <source>Гц</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>заголовок должен быть &quot;%1&quot;</source>
        <translation>the header must be &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 полей вместо %2</source>
        <translation>%1 fields instead of %2</translation>
    </message>
    <message>
        <source>номер канала &quot;%1&quot; вне 0 - %2</source>
        <translation>channel number &quot;%1&quot; is outside 0 - %2</translation>
    </message>
    <message>
        <source>канал %1 указан повторно</source>
        <translation>channel %1 is given again</translation>
    </message>
    <message>
        <source>признак включения &quot;%1&quot; не 1 и не 0</source>
        <translation>the enabled flag &quot;%1&quot; is neither 1 nor 0</translation>
    </message>
    <message>
        <source>частота RX</source>
        <translation>RX frequency</translation>
    </message>
    <message>
        <source>частота TX</source>
        <translation>TX frequency</translation>
    </message>
    <message>
        <source>тон %1 &quot;%2&quot; не из списка</source>
        <translation>tone %1 &quot;%2&quot; is not in the list</translation>
    </message>
    <message>
        <source>канал %1: %2</source>
        <translation>channel %1: %2</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
</context>
<context>
    <name>CliContext</name>
    <message>
        <source>каталог не найден (искали: %1)</source>
        <translation>catalogue not found (looked for: %1)</translation>
    </message>
    <message>
        <source>каталог: %1</source>
        <translation>catalogue: %1</translation>
    </message>
    <message>
        <source>%1: каталог не прочитан: %2</source>
        <translation>%1: the catalogue was not read: %2</translation>
    </message>
    <message>
        <source>--baud %1: станция работает на 4800, 9600 или 19200</source>
        <translation>--baud %1: the station works at 4800, 9600 or 19200</translation>
    </message>
</context>
<context>
    <name>CmdFiles</name>
    <message>
        <source>файл результата; - - стандартный вывод</source>
        <translation>the output file; - is standard output</translation>
    </message>
    <message>
        <source>%1: таблица каналов CSV без настроек станции; её принимают encode --base ОБРАЗ.bin и write</source>
        <translation>%1: a CSV channel table holds no station settings; encode --base IMAGE.bin and write take it</translation>
    </message>
    <message>
        <source>--base %1: нужен образ станции .bin</source>
        <translation>--base %1: a station image .bin is needed</translation>
    </message>
    <message>
        <source>%1: в файле нет значений %2 (файл прежней версии); их нужно взять из образа станции: --base ОБРАЗ.bin</source>
        <translation>%1: the file lacks the values %2 (a file of an earlier version); take them from a station image: --base IMAGE.bin</translation>
    </message>
    <message>
        <source>%1: таблица каналов CSV без настроек станции: они берутся из образа, укажите --base ОБРАЗ.bin</source>
        <translation>%1: a CSV channel table holds no station settings: they come from an image, give --base IMAGE.bin</translation>
    </message>
    <message>
        <source>%1: таблица не подходит к образу %2, ничего не записано:
%3</source>
        <translation>%1: the table does not fit the image %2, nothing was written:
%3</translation>
    </message>
    <message>
        <source>не указан файл результата (-o FILE, или -o - для стандартного вывода)</source>
        <translation>no output file given (-o FILE, or -o - for standard output)</translation>
    </message>
    <message>
        <source>--json и -o - вместе не указываются: стандартный вывод занят файлом</source>
        <translation>--json and -o - cannot be used together: standard output carries the file</translation>
    </message>
    <message>
        <source>записан %1</source>
        <translation>written %1</translation>
    </message>
    <message>
        <source>нужен ровно один входной файл</source>
        <translation>exactly one input file is needed</translation>
    </message>
    <message>
        <source>%1: нужен образ станции .bin</source>
        <translation>%1: a station image .bin is needed</translation>
    </message>
    <message>
        <source>%1: формат не ясен из имени: нужно расширение .bin, .vtr, .json или .csv, или --format</source>
        <translation>%1: the name does not tell the format: use the extension .bin, .vtr, .json or .csv, or --format</translation>
    </message>
    <message>
        <source>tarnik-cli: предупреждение: %1: %2</source>
        <translation>tarnik-cli: warning: %1: %2</translation>
    </message>
    <message>
        <source>%1: нужен файл .bin</source>
        <translation>%1: a .bin file is needed</translation>
    </message>
    <message>
        <source>diff: нужны два файла</source>
        <translation>diff: two files are needed</translation>
    </message>
    <message>
        <source>show: нужен один файл</source>
        <translation>show: one file is needed</translation>
    </message>
    <message>
        <source>--format %1: нужен text, csv или json</source>
        <translation>--format %1: text, csv or json is needed</translation>
    </message>
    <message>
        <source>--json и --format %1 вместе не указываются</source>
        <translation>--json and --format %1 cannot be used together</translation>
    </message>
    <message>
        <source>образ станции: всё, кроме каналов таблицы CSV, и значения, которых нет в старом файле .vtr</source>
        <translation>station image: everything but the channels of a CSV table, and the values an old .vtr file lacks</translation>
    </message>
    <message>
        <source>образ .bin в файл .vtr, .json или .csv (или .bin)</source>
        <translation>a .bin image into a .vtr, .json or .csv file (or .bin)</translation>
    </message>
    <message>
        <source>формат результата без расширения или на stdout: bin, vtr, json (по умолчанию), csv</source>
        <translation>the output format without an extension or on stdout: bin, vtr, json (default), csv</translation>
    </message>
    <message>
        <source>файл .vtr, .json, .csv или .bin в образ .bin</source>
        <translation>a .vtr, .json, .csv or .bin file into a .bin image</translation>
    </message>
    <message>
        <source>формат входного файла без расширения или со stdin: bin, vtr, json, csv</source>
        <translation>the input format without an extension or from stdin: bin, vtr, json, csv</translation>
    </message>
    <message>
        <source>различия двух конфигураций; 0, если равны, 1, если различаются</source>
        <translation>the differences of two configurations; 0 if equal, 1 if they differ</translation>
    </message>
    <message>
        <source>конфигурация таблицей</source>
        <translation>the configuration as a table</translation>
    </message>
    <message>
        <source>text (по умолчанию), csv (каналы) или json</source>
        <translation>text (default), csv (channels) or json</translation>
    </message>
</context>
<context>
    <name>CmdPorts</name>
    <message>
        <source>скрыт записью каталога портов</source>
        <translation>hidden by an entry of the port folder</translation>
    </message>
    <message>
        <source>нет устройства</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>ports: лишнее слово %1</source>
        <translation>ports: unexpected word %1</translation>
    </message>
    <message>
        <source>можно открыть</source>
        <translation>can be opened</translation>
    </message>
    <message>
        <source>опрос</source>
        <translation>probing</translation>
    </message>
    <message>
        <source>станция отвечает</source>
        <translation>station answers</translation>
    </message>
    <message>
        <source>нет ответа</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>Станция не найдена ни на одном порту (%1 бод).</source>
        <translation>No station found on any port (%1 baud).</translation>
    </message>
    <message>
        <source>порты COM1 - COM32: устройство, можно ли открыть, почему нет</source>
        <translation>ports COM1 - COM32: the device, whether it can be opened, why not</translation>
    </message>
    <message>
        <source>ищет станции на всех доступных портах</source>
        <translation>looks for stations on every available port</translation>
    </message>
</context>
<context>
    <name>CmdStation</name>
    <message>
        <source>нужен ровно один файл конфигурации</source>
        <translation>exactly one configuration file is needed</translation>
    </message>
    <message>
        <source>%1: таблицу каналов проверить не по чему: нет каталога</source>
        <translation>%1: nothing to check the channel table against: no catalogue</translation>
    </message>
    <message>
        <source>нет каталога, проверить не по чему</source>
        <translation>no catalogue, nothing to check against</translation>
    </message>
    <message>
        <source>tarnik-cli: предупреждение: %1 не прошёл проверку, записывается (--force):
%2</source>
        <translation>tarnik-cli: warning: %1 failed the check, writing it anyway (--force):
%2</translation>
    </message>
    <message>
        <source>%1: не прошёл проверку, на станцию ничего не отправлено:
%2
Записать всё равно: --force</source>
        <translation>%1: failed the check, nothing was sent to the station:
%2
To write it anyway: --force</translation>
    </message>
    <message>
        <source>read: лишнее слово %1</source>
        <translation>read: unexpected word %1</translation>
    </message>
    <message>
        <source>read: не указан файл (-o FILE, или -o - для стандартного вывода)</source>
        <translation>read: no file given (-o FILE, or -o - for standard output)</translation>
    </message>
    <message>
        <source>-o -: на стандартный вывод читается одна станция; для нескольких укажите папку DIR/ или имя с {port}</source>
        <translation>-o -: only one station can be read to standard output; for several give a folder DIR/ or a name with {port}</translation>
    </message>
    <message>
        <source>--json и -o - вместе не указываются: стандартный вывод занят файлом</source>
        <translation>--json and -o - cannot be used together: standard output carries the file</translation>
    </message>
    <message>
        <source>%1: формат не ясен из имени: нужно расширение .bin, .vtr, .json или .csv, или --format</source>
        <translation>%1: the name does not tell the format: use the extension .bin, .vtr, .json or .csv, or --format</translation>
    </message>
    <message>
        <source>-o %1: у нескольких портов один файл; укажите папку или {port}</source>
        <translation>-o %1: several ports into one file; give a folder or {port}</translation>
    </message>
    <message>
        <source>--no-verify допускается только вместе с --blind</source>
        <translation>--no-verify is allowed only with --blind</translation>
    </message>
    <message>
        <source>--blind и --full вместе не указываются: --blind уже пишет все байты</source>
        <translation>--blind and --full cannot be used together: --blind already writes every byte</translation>
    </message>
    <message>
        <source>%1: --blind пишет только полный образ .bin</source>
        <translation>%1: --blind writes only a complete .bin image</translation>
    </message>
    <message>
        <source>формат файла без расширения или со stdin: bin, vtr, json, csv</source>
        <translation>the file format without an extension or from stdin: bin, vtr, json, csv</translation>
    </message>
    <message>
        <source>читает станцию в файл .bin, .vtr, .json или .csv</source>
        <translation>reads the station into a .bin, .vtr, .json or .csv file</translation>
    </message>
    <message>
        <source>файл; для нескольких портов папка DIR/ или имя с {port}; - - стандартный вывод</source>
        <translation>the file; for several ports a folder DIR/ or a name with {port}; - is standard output</translation>
    </message>
    <message>
        <source>формат файлов в папке (bin по умолчанию), без расширения или на stdout (json по умолчанию): bin, vtr, json, csv</source>
        <translation>the format of files in a folder (bin by default), without an extension or on stdout (json by default): bin, vtr, json, csv</translation>
    </message>
    <message>
        <source>записывает конфигурацию из файла в станцию: резервная копия, изменённые байты, проверка</source>
        <translation>writes the configuration of a file into the station: backup, changed bytes, verification</translation>
    </message>
    <message>
        <source>запись всех 1024 байт поверх образа станции (резервная копия и проверка остаются)</source>
        <translation>write all 1024 bytes over the station&apos;s image (backup and verification stay)</translation>
    </message>
    <message>
        <source>запись всех 1024 байт образа .bin без чтения станции (без резервной копии)</source>
        <translation>write all 1024 bytes of a .bin image without reading the station (no backup)</translation>
    </message>
    <message>
        <source>без проверки чтением (только с --blind)</source>
        <translation>no verification by reading back (only with --blind)</translation>
    </message>
    <message>
        <source>записать .bin или .json, не прошедший проверку по каталогу</source>
        <translation>write a .bin or .json that failed the check against the catalogue</translation>
    </message>
    <message>
        <source>сравнивает станцию с файлом; 0, если совпадает</source>
        <translation>compares the station with a file; 0 if they match</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>tarnik-cli: %1
Справка: tarnik-cli --help</source>
        <translation>tarnik-cli: %1
Help: tarnik-cli --help</translation>
    </message>
    <message>
        <source>tarnik-cli %1: %2
Справка: tarnik-cli %1 --help</source>
        <translation>tarnik-cli %1: %2
Help: tarnik-cli %1 --help</translation>
    </message>
    <message>
        <source>неизвестная команда %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>параметр %1 не относится к этой команде</source>
        <translation>option %1 does not belong to this command</translation>
    </message>
    <message>
        <source>--verbose и --quiet вместе не указываются</source>
        <translation>--verbose and --quiet cannot be used together</translation>
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
<context>
    <name>ConfigFields</name>
    <message>
        <source>Частотный диапазон</source>
        <translation>Frequency band</translation>
    </message>
    <message>
        <source>Уровень громкости</source>
        <translation>Volume level</translation>
    </message>
    <message>
        <source>Уровень шумоподавителя</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>Уровень аналогового SQL</source>
        <translation>Analog SQL level</translation>
    </message>
    <message>
        <source>Уровень девиации</source>
        <translation>Deviation level</translation>
    </message>
    <message>
        <source>Уровень чувствительности микрофона</source>
        <translation>Microphone sensitivity</translation>
    </message>
    <message>
        <source>Усиление на прием</source>
        <translation>Receive gain</translation>
    </message>
    <message>
        <source>Уровень CTCSS на передачу</source>
        <translation>CTCSS transmit level</translation>
    </message>
    <message>
        <source>Уровень CTCSS на прием</source>
        <translation>CTCSS receive level</translation>
    </message>
    <message>
        <source>Маскиратор включен</source>
        <translation>Scrambler on</translation>
    </message>
    <message>
        <source>Маскиратор установлен</source>
        <translation>Scrambler fitted</translation>
    </message>
    <message>
        <source>Режим отключения по таймауту нажатия на тангенту</source>
        <translation>Transmit timeout while the PTT is held</translation>
    </message>
    <message>
        <source>Блокировка выхода в передачу по наличию несущей</source>
        <translation>No transmitting while a carrier is present</translation>
    </message>
    <message>
        <source>Работа в режиме ретранслятора</source>
        <translation>Repeater mode</translation>
    </message>
    <message>
        <source>Время таймаута</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Нормальное выключение</source>
        <translation>Normal power-off</translation>
    </message>
    <message>
        <source>Нормальное завершение передачи</source>
        <translation>Normal end of transmission</translation>
    </message>
    <message>
        <source>Уровень шумоподавителя №%1</source>
        <translation>Squelch level no. %1</translation>
    </message>
    <message>
        <source>Мощность ШИМ</source>
        <translation>PWM power</translation>
    </message>
    <message>
        <source>Последний включенный канал</source>
        <translation>Last channel on</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 кГц</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <source>нет</source>
        <comment>no tone</comment>
        <extracomment>No CTCSS tone on the channel.</extracomment>
        <translation>none</translation>
    </message>
    <message>
        <source>тон №%1</source>
        <translation>tone no. %1</translation>
    </message>
</context>
<context>
    <name>ConfigFormats</name>
    <message>
        <source>неизвестный формат: нужен файл .bin, .vtr, .json или .csv</source>
        <translation>unknown format: a .bin, .vtr, .json or .csv file is needed</translation>
    </message>
    <message>
        <source>образ должен занимать %1 байта</source>
        <translation>the image must be %1 bytes long</translation>
    </message>
    <message>
        <source>нет каталога: частоты таблицы проверить не по чему</source>
        <translation>no catalogue: nothing to check the table&apos;s frequencies against</translation>
    </message>
    <message>
        <source>в образе диапазон %1, его нет в каталоге: частоты таблицы проверить не по чему</source>
        <translation>the image has band %1, which the catalogue lacks: nothing to check the table&apos;s frequencies against</translation>
    </message>
    <message>
        <source>образ станции должен занимать %1 байта, а не %2</source>
        <translation>a station image must be %1 bytes long, not %2</translation>
    </message>
    <message>
        <source>таблица каналов не прочитана:
%1</source>
        <translation>the channel table was not read:
%1</translation>
    </message>
    <message>
        <source>файл больше %1</source>
        <translation>the file is larger than %1</translation>
    </message>
    <message>
        <source>для файла .vtr нужен каталог Settings.xml</source>
        <translation>a .vtr file needs the catalogue Settings.xml</translation>
    </message>
    <message>
        <source>образ не 1024 байта</source>
        <translation>the image is not 1024 bytes long</translation>
    </message>
    <message>
        <source>файл не построен</source>
        <translation>the file was not built</translation>
    </message>
</context>
<context>
    <name>ConfigTable</name>
    <message>
        <source>нет в файле</source>
        <translation>not in the file</translation>
    </message>
    <message>
        <source>Канал  RX, кГц  TX, кГц  CTCSS RX  CTCSS TX</source>
        <extracomment>The head of the channel columns below it: 5, 7, 7 and 8 characters wide, two blanks between them.</extracomment>
        <translation>Chan.  RX, kHz  TX, kHz  CTCSS RX  CTCSS TX</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>&quot;%1&quot; не является целым числом</source>
        <translation>&quot;%1&quot; is not an integer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является логическим значением</source>
        <translation>&quot;%1&quot; is not a truth value</translation>
    </message>
</context>
<context>
    <name>CtcssTones</name>
    <message>
        <source>%1 Гц</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>Не хватило памяти. Действие прервано, программа продолжает работу.</source>
        <translation>Out of memory. The action was stopped; the program goes on working.</translation>
    </message>
    <message>
        <source>Внутренняя ошибка программы. Действие прервано, программа продолжает работу.</source>
        <translation>Internal program error. The action was stopped; the program goes on working.</translation>
    </message>
</context>
<context>
    <name>FileArguments</name>
    <message>
        <source>--format %1: нужен bin, vtr, json или csv</source>
        <translation>--format %1: bin, vtr, json or csv is needed</translation>
    </message>
    <message>
        <source>стандартный ввод</source>
        <translation>standard input</translation>
    </message>
    <message>
        <source>стандартный ввод можно прочитать только один раз</source>
        <translation>standard input can be read only once</translation>
    </message>
    <message>
        <source>%1: формат не распознан, укажите --format bin, vtr, json или csv</source>
        <translation>%1: format not recognised, give --format bin, vtr, json or csv</translation>
    </message>
    <message>
        <source>стандартный вывод закрыт</source>
        <translation>standard output is closed</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>папка не найдена</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>в пути к файлу не папка</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>нет прав на запись</source>
        <translation>no write permission</translation>
    </message>
    <message>
        <source>нет прав на чтение файла</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>диск только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>файл слишком велик для диска</source>
        <translation>the file is too large for the disk</translation>
    </message>
    <message>
        <source>слишком много символических ссылок в пути</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>не хватило памяти</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода на диске</source>
        <translation>disk input/output error</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>файл с таким именем уже есть</source>
        <translation>a file of that name already exists</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>system error %1</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>%1 МБ</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 КБ</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 байт</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>файл не открывается: %1</source>
        <translation>the file does not open: %1</translation>
    </message>
    <message>
        <source>ошибка чтения файла: %1</source>
        <translation>file read error: %1</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>файл больше %1</source>
        <translation>the file is larger than %1</translation>
    </message>
    <message>
        <source>стандартный ввод закрыт</source>
        <translation>standard input is closed</translation>
    </message>
    <message>
        <source>стандартный ввод - папка, а не файл</source>
        <translation>standard input is a folder, not a file</translation>
    </message>
    <message>
        <source>на стандартном вводе больше %1</source>
        <translation>standard input holds more than %1</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>нет прав на чтение файла</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>файл занят другой программой</source>
        <translation>the file is held by another program</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>файл не записан</source>
        <translation>the file was not written</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>порт %1: нужен COM1 - COM%2 или путь к устройству</source>
        <translation>port %1: COM1 - COM%2 or a device path is needed</translation>
    </message>
    <message>
        <source>порты %1: нужен диапазон вида COM1-COM8</source>
        <translation>ports %1: a range such as COM1-COM8 is needed</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Записано байт</source>
        <translation>Bytes written</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>Резервная копия</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Секунды</source>
        <translation>Seconds</translation>
    </message>
</context>
<context>
    <name>JsonConfig</name>
    <message>
        <source>%1: нужно целое число от %2 до %3</source>
        <translation>%1: an integer from %2 to %3 is needed</translation>
    </message>
    <message>
        <source>объект не закрыт</source>
        <translation>object not closed</translation>
    </message>
    <message>
        <source>нет двоеточия после ключа</source>
        <translation>no colon after a key</translation>
    </message>
    <message>
        <source>список не закрыт</source>
        <translation>array not closed</translation>
    </message>
    <message>
        <source>нет запятой между значениями</source>
        <translation>no comma between values</translation>
    </message>
    <message>
        <source>недопустимое значение</source>
        <translation>invalid value</translation>
    </message>
    <message>
        <source>текст оборвался на числе</source>
        <translation>the text ends inside a number</translation>
    </message>
    <message>
        <source>недопустимое число</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>недопустимый символ в строке</source>
        <translation>invalid character in a string</translation>
    </message>
    <message>
        <source>строка не закрыта</source>
        <translation>string not closed</translation>
    </message>
    <message>
        <source>нет объекта</source>
        <translation>no object</translation>
    </message>
    <message>
        <source>слишком глубокая вложенность</source>
        <translation>nesting too deep</translation>
    </message>
    <message>
        <source>документ слишком велик</source>
        <translation>the document is too large</translation>
    </message>
    <message>
        <source>лишний текст после конца документа</source>
        <translation>extra text after the end of the document</translation>
    </message>
    <message>
        <source>ошибка разбора</source>
        <translation>parse error</translation>
    </message>
    <message>
        <source>%1: неизвестный ключ</source>
        <translation>%1: unknown key</translation>
    </message>
    <message>
        <source>не JSON: %1 (позиция %2)</source>
        <translation>not JSON: %1 (position %2)</translation>
    </message>
    <message>
        <source>не JSON-объект конфигурации</source>
        <translation>not a JSON configuration object</translation>
    </message>
    <message>
        <source>format: %1 - неизвестный формат, нужно &quot;%2&quot;</source>
        <translation>format: %1 is an unknown format, &quot;%2&quot; is needed</translation>
    </message>
    <message>
        <source>format: нужно &quot;%1&quot;</source>
        <translation>format: &quot;%1&quot; is needed</translation>
    </message>
    <message>
        <source>version: %1 - неизвестная версия, программа читает версию %2</source>
        <translation>version: %1 is an unknown version, the program reads version %2</translation>
    </message>
    <message>
        <source>settings/noiseLevels: нужно 10 чисел</source>
        <translation>settings/noiseLevels: 10 numbers are needed</translation>
    </message>
    <message>
        <source>%1: нужно true или false</source>
        <translation>%1: true or false is needed</translation>
    </message>
    <message>
        <source>channels: нужен список каналов</source>
        <translation>channels: a list of channels is needed</translation>
    </message>
    <message>
        <source>channels: каждый канал - объект</source>
        <translation>channels: every channel is an object</translation>
    </message>
    <message>
        <source>channels: канал %1 указан дважды</source>
        <translation>channels: channel %1 given twice</translation>
    </message>
</context>
<context>
    <name>LineDiagnostics</name>
    <message>
        <source>%1: порты COM1 - COM32 взяты по умолчанию.</source>
        <translation>%1: ports COM1 - COM32 taken by default.</translation>
    </message>
    <message>
        <source>Журнал обмена не ведётся: %1: %2.</source>
        <translation>The exchange log is not kept: %1: %2.</translation>
    </message>
    <message>
        <source>Журнал обмена со станцией пишется в %1.</source>
        <translation>The station exchange log is written to %1.</translation>
    </message>
</context>
<context>
    <name>LineTrace</name>
    <message>
        <source>файл не открывается</source>
        <translation>the file does not open</translation>
    </message>
</context>
<context>
    <name>LogoPicture</name>
    <message>
        <source>Не удаётся открыть файл &quot;%1&quot;.</source>
        <translation>Cannot open file &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PortMap</name>
    <message>
        <source>%1=%2: это не папка</source>
        <translation>%1=%2: not a folder</translation>
    </message>
    <message>
        <source>%1=%2: нет такой папки</source>
        <translation>%1=%2: no such folder</translation>
    </message>
    <message>
        <source>%1: запись %2 никуда не ведёт</source>
        <translation>%1: the entry %2 leads nowhere</translation>
    </message>
    <message>
        <source>%1: нет устройства</source>
        <translation>%1: no device</translation>
    </message>
</context>
<context>
    <name>PortNotices</name>
    <message>
        <source>%1 занят другой программой.</source>
        <translation>%1 is held by another program.</translation>
    </message>
    <message>
        <source>%1 занят программой %2.</source>
        <translation>%1 is held by the program %2.</translation>
    </message>
    <message>
        <source>Нет прав на доступ к портам: %1. Добавьте пользователя в группу dialout (sudo usermod -aG dialout $USER) и войдите в систему заново.</source>
        <translation>No permission to use the ports: %1. Add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again.</translation>
    </message>
    <message>
        <source>Чтобы ModemManager не занимал адаптер, добавьте в файл %1 строку
%2
затем выполните sudo udevadm control --reload-rules и переподключите адаптер.</source>
        <translation>To keep ModemManager off the adapter, add to the file %1 the line
%2
then run sudo udevadm control --reload-rules and plug the adapter in again.</translation>
    </message>
    <message>
        <source>Адаптер CH340 (%1) захвачен программой %2 и не стал COM портом. Если брайлевский дисплей не нужен, удалите её (sudo apt remove brltty) и переподключите адаптер.</source>
        <translation>The CH340 adapter (%1) was taken by the program %2 and did not become a COM port. If no braille display is needed, remove it (sudo apt remove brltty) and plug the adapter in again.</translation>
    </message>
    <message>
        <source>Порт %1 не найден в системе. Он остаётся выбранным: чтение и запись не начнутся, пока он не появится или пока не выбран другой порт.</source>
        <translation>Port %1 is not in the system. It stays chosen: reading and writing will not start until it comes back or another port is chosen.</translation>
    </message>
    <message>
        <source>Порт %1</source>
        <translation>Port %1</translation>
    </message>
    <message>
        <source>%1 недоступен: устройства нет в системе.</source>
        <translation>%1 is unavailable: the device is not in the system.</translation>
    </message>
    <message>
        <source>%1 недоступен: нет прав на доступ к устройству.</source>
        <translation>%1 is unavailable: no permission to use the device.</translation>
    </message>
    <message>
        <source>%1 недоступен: устройство не работает как последовательный порт.</source>
        <translation>%1 is unavailable: the device does not work as a serial port.</translation>
    </message>
</context>
<context>
    <name>PortSurvey</name>
    <message>
        <source>нет устройства</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>занят другой программой</source>
        <translation>held by another program</translation>
    </message>
    <message>
        <source>не открывается как порт</source>
        <translation>does not open as a port</translation>
    </message>
    <message>
        <source>Изготовитель: %1</source>
        <translation>Manufacturer: %1</translation>
    </message>
    <message>
        <source>Серийный номер: %1</source>
        <translation>Serial number: %1</translation>
    </message>
    <message>
        <source>занят: %1</source>
        <translation>held by: %1</translation>
    </message>
</context>
<context>
    <name>ProblemList</name>
    <message>
        <source>и ещё %1</source>
        <translation>and %1 more</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>Рабочая папка программы не подготовлена: %1. Настройки будут сохраняться в папке установки.</source>
        <translation>The program&apos;s working folder is not prepared: %1. Settings will be saved in the installation folder.</translation>
    </message>
</context>
<context>
    <name>ProgramTitle</name>
    <message>
        <source>Программатор Tarnik</source>
        <translation>Tarnik Programmer</translation>
    </message>
</context>
<context>
    <name>ProgrammerFile</name>
    <message>
        <source>файл не построен</source>
        <translation>the file was not built</translation>
    </message>
    <message>
        <source>отрицательное число каналов %1</source>
        <translation>negative channel count %1</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1: %2 (шаг %3 из %4)</source>
        <translation>%1: %2 (step %3 of %4)</translation>
    </message>
    <message>
        <source>  осталось %1</source>
        <translation>  %1 left</translation>
    </message>
    <message>
        <source>  готово %1 из %2</source>
        <translation>  %1 of %2 done</translation>
    </message>
</context>
<context>
    <name>RecordDiff</name>
    <message>
        <source>Канал %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>выключен</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Прочие байты образа: %1 отличаются (первый по адресу 0x%2)</source>
        <translation>Other bytes of the image: %1 differ (the first at address 0x%2)</translation>
    </message>
    <message>
        <source>%1: включен: %2</source>
        <translation>%1: on: %2</translation>
    </message>
    <message>
        <source>%1: выключен (был %2)</source>
        <translation>%1: off (was %2)</translation>
    </message>
    <message>
        <source>нет в файле</source>
        <translation>not in the file</translation>
    </message>
    <message>
        <source>Прочие байты образа</source>
        <translation>Other bytes of the image</translation>
    </message>
</context>
<context>
    <name>RecordMapping</name>
    <message>
        <source>settings/value%1: %2 вне допустимых значений</source>
        <translation>settings/value%1: %2 is outside the allowed values</translation>
    </message>
    <message>
        <source>settings/value15: %1 вне 0 - 65535</source>
        <translation>settings/value15: %1 is outside 0 - 65535</translation>
    </message>
    <message>
        <source>settings/value%1: %2 вне 0 - 255</source>
        <translation>settings/value%1: %2 is outside 0 - 255</translation>
    </message>
    <message>
        <source>settings/value26: %1 вне 0 - 255</source>
        <translation>settings/value26: %1 is outside 0 - 255</translation>
    </message>
    <message>
        <source>%1: тон вне 0 - 255</source>
        <translation>%1: tone outside 0 - 255</translation>
    </message>
</context>
<context>
    <name>RestoreQuestions</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Образ в файле %1 не прошёл проверку:

%2

Такую конфигурацию программа не записала бы. Записать всё равно?</source>
        <translation>The image in file %1 failed the check:

%2

The program would not write such a configuration. Write it anyway?</translation>
    </message>
    <message>
        <source>Записать всё равно</source>
        <translation>Write anyway</translation>
    </message>
    <message>
        <source>Восстановление изменит в станции:

%1

Восстановить?</source>
        <translation>The restore will change in the station:

%1

Restore?</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>Чтение данных станции для резервной копии...</source>
        <translation>Reading the station&apos;s data for the backup...</translation>
    </message>
    <message>
        <source>Конфигурация не подходит к станции: %1. Запись не выполнялась.</source>
        <translation>The configuration does not fit the station: %1. Nothing was written.</translation>
    </message>
    <message>
        <source>Резервная копия не сохранена: %1. Запись не выполнялась.</source>
        <translation>The backup was not saved: %1. Nothing was written.</translation>
    </message>
    <message>
        <source>Резервная копия: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Ошибка записи данных: образ не из %1 байт. Запись не выполнялась.</source>
        <translation>Data write error: the image is not %1 bytes long. Nothing was written.</translation>
    </message>
    <message>
        <source>Станция уже содержит эту конфигурацию. Запись не требуется.</source>
        <translation>The station already holds this configuration. No write is needed.</translation>
    </message>
    <message>
        <source>Запись отменена. В станцию ничего не записано.</source>
        <translation>Write cancelled. Nothing was written to the station.</translation>
    </message>
    <message>
        <source>Байт к записи: %1 из %2.</source>
        <translation>Bytes to write: %1 of %2.</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>Повторная запись всех %1 байт.</source>
        <translation>Writing all %1 bytes again.</translation>
    </message>
    <message>
        <source>Проверка после повторной записи</source>
        <translation>Verification after the rewrite</translation>
    </message>
    <message>
        <source> Восстановите станцию из резервной копии: %1</source>
        <translation> Restore the station from the backup: %1</translation>
    </message>
    <message>
        <source> Все байты записаны, станция содержит новую конфигурацию; проверка не выполнялась. Резервная копия: %1</source>
        <translation> All bytes were written, the station holds the new configuration; it was not verified. Backup: %1</translation>
    </message>
    <message>
        <source> Резервная копия: %1</source>
        <translation> Backup: %1</translation>
    </message>
    <message>
        <source>Проверка: отличаются и байты, которые не записывались (смещения %1): образ, прочитанный до записи, не был образом станции. Повторная запись не выполнялась. Резервная копия ненадёжна, не восстанавливайте из неё: %2</source>
        <translation>Verification: bytes that were not written differ too (offsets %1): the image read before the write was not the station&apos;s image. Nothing was rewritten. The backup is unreliable, do not restore from it: %2</translation>
    </message>
    <message>
        <source>Ошибка проверки: %1</source>
        <translation>Verification error: %1</translation>
    </message>
    <message>
        <source>Станция записана с ошибками.</source>
        <translation>The station was written with errors.</translation>
    </message>
    <message>
        <source>станция не ответила на чтение.</source>
        <translation>the station did not answer the read.</translation>
    </message>
    <message>
        <source>%1: данные в станции совпадают с записанными.</source>
        <translation>%1: the station&apos;s data match what was written.</translation>
    </message>
    <message>
        <source>%1: не совпадает байт: %2 (смещения %3%4).</source>
        <translation>%1: bytes that differ: %2 (offsets %3%4).</translation>
    </message>
</context>
<context>
    <name>SetAsideQuestion</name>
    <message>
        <source>Конфигурация изменена и не сохранена. Сохранить изменения?</source>
        <translation>The configuration has changed and is not saved. Save the changes?</translation>
    </message>
    <message>
        <source>Конфигурация изменена и не сохранена. Сохранить изменения в файл %1?</source>
        <translation>The configuration has changed and is not saved. Save the changes to file %1?</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>StationCatalogue</name>
    <message>
        <source>%1: значение %2 вне списка каталога (0 - %3)</source>
        <translation>%1: value %2 is outside the catalogue&apos;s list (0 - %3)</translation>
    </message>
    <message>
        <source>Частотный диапазон %1 не описан в каталоге (в каталоге диапазоны 1 - %2)</source>
        <translation>Frequency band %1 is not described in the catalogue (the catalogue has bands 1 - %2)</translation>
    </message>
    <message>
        <source>Канал %1: частота приема %2 кГц вне диапазона %3 (%4 - %5 кГц)</source>
        <translation>Channel %1: receive frequency %2 kHz is outside band %3 (%4 - %5 kHz)</translation>
    </message>
    <message>
        <source>Канал %1: частота передачи %2 кГц вне диапазона %3 (%4 - %5 кГц)</source>
        <translation>Channel %1: transmit frequency %2 kHz is outside band %3 (%4 - %5 kHz)</translation>
    </message>
    <message>
        <source>Канал %1: тон CTCSS приема %2 вне списка тонов (0 - %3)</source>
        <translation>Channel %1: receive CTCSS tone %2 is outside the tone list (0 - %3)</translation>
    </message>
    <message>
        <source>Канал %1: тон CTCSS передачи %2 вне списка тонов (0 - %3)</source>
        <translation>Channel %1: transmit CTCSS tone %2 is outside the tone list (0 - %3)</translation>
    </message>
    <message>
        <source>Образ станции должен занимать %1 байта, а не %2</source>
        <translation>A station image must be %1 bytes long, not %2</translation>
    </message>
    <message>
        <source>Служебные биты не такие, какие записывает программа, в байтах %1</source>
        <translation>Fixed bits differ from what the program writes, in bytes %1</translation>
    </message>
    <message>
        <source>… и ещё %1</source>
        <translation>… and %1 more</translation>
    </message>
</context>
<context>
    <name>StationFrequencyCheck</name>
    <message>
        <source>Канал %1: частота приема %2 кГц вне диапазона станции (%3 - %4 кГц).</source>
        <translation>Channel %1: receive frequency %2 kHz is outside the station&apos;s range (%3 - %4 kHz).</translation>
    </message>
    <message>
        <source>Канал %1: частота передачи %2 кГц вне диапазона станции (%3 - %4 кГц).</source>
        <translation>Channel %1: transmit frequency %2 kHz is outside the station&apos;s range (%3 - %4 kHz).</translation>
    </message>
    <message>
        <source>%1 Запись не выполнена.</source>
        <translation>%1 Nothing was written.</translation>
    </message>
</context>
<context>
    <name>StationJobs</name>
    <message>
        <source>резервная копия: %1</source>
        <translation>backup: %1</translation>
    </message>
    <message>
        <source>Ошибка обмена со станцией.</source>
        <translation>Station exchange error.</translation>
    </message>
    <message>
        <source> Резервная копия: %1</source>
        <translation> Backup: %1</translation>
    </message>
    <message>
        <source>совпадает</source>
        <translation>matches</translation>
    </message>
    <message>
        <source>%1 байт отличаются (первый по адресу 0x%2)</source>
        <translation>%1 bytes differ (the first at address 0x%2)</translation>
    </message>
    <message>
        <source>запись всех байт без чтения станции</source>
        <translation>writing every byte without reading the station</translation>
    </message>
    <message>
        <source>проверка</source>
        <translation>verification</translation>
    </message>
    <message>
        <source>записано, проверка не прошла: %1</source>
        <translation>written, verification failed: %1</translation>
    </message>
    <message>
        <source>записано</source>
        <translation>written</translation>
    </message>
    <message>
        <source>резервная копия, запись всех байт, проверка</source>
        <translation>backup, writing every byte, verification</translation>
    </message>
    <message>
        <source>резервная копия, запись изменённых байт, проверка</source>
        <translation>backup, writing the changed bytes, verification</translation>
    </message>
    <message>
        <source>совпадает (после полной записи)</source>
        <translation>matches (after a full write)</translation>
    </message>
    <message>
        <source>%1 байт отличаются</source>
        <translation>%1 bytes differ</translation>
    </message>
    <message>
        <source>не прочитано</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>без изменений</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>образ не 1024 байта</source>
        <translation>the image is not 1024 bytes long</translation>
    </message>
    <message>
        <source>таблица не подходит к станции, ничего не записано: %1</source>
        <translation>the table does not fit the station, nothing was written: %1</translation>
    </message>
    <message>
        <source>чтение</source>
        <translation>reading</translation>
    </message>
    <message>
        <source>считано на стандартный вывод</source>
        <translation>read to standard output</translation>
    </message>
    <message>
        <source>считано в %1</source>
        <translation>read into %1</translation>
    </message>
    <message>
        <source>чтение для проверки</source>
        <translation>reading for verification</translation>
    </message>
    <message>
        <source>таблица не подходит к станции: %1</source>
        <translation>the table does not fit the station: %1</translation>
    </message>
    <message>
        <source>станция содержит файл</source>
        <translation>the station holds the file</translation>
    </message>
    <message>
        <source>станция содержит другое: %1</source>
        <translation>the station holds something else: %1</translation>
    </message>
</context>
<context>
    <name>StationLink</name>
    <message>
        <source>Данные считаны успешно.</source>
        <translation>Data read successfully.</translation>
    </message>
    <message>
        <source>Ошибка записи данных. Возможно станция не подключена.</source>
        <translation>Data write error. The station may not be connected.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта.</source>
        <translation>Port open error.</translation>
    </message>
    <message>
        <source>Ошибка чтения данных. Возможно станция не подключена.</source>
        <translation>Data read error. The station may not be connected.</translation>
    </message>
    <message>
        <source>Ошибка записи данных. Превышен лимит повторений.</source>
        <translation>Data write error. Retry limit exceeded.</translation>
    </message>
    <message>
        <source>Данные записаны успешно.</source>
        <translation>Data written successfully.</translation>
    </message>
    <message>
        <source>Обмен со станцией остановлен пользователем.</source>
        <translation>The exchange with the station was stopped by the user.</translation>
    </message>
    <message>
        <source>%1 Станция может содержать частично записанную конфигурацию.</source>
        <translation>%1 The station may hold a partly written configuration.</translation>
    </message>
    <message>
        <source>Линия не затихает: станция продолжает передачу. Подождите и повторите.</source>
        <translation>The line does not go quiet: the station keeps transmitting. Wait and try again.</translation>
    </message>
    <message>
        <source>Образ станции ненадёжен: после 1024 байт станция продолжала передачу.</source>
        <translation>The station image is unreliable: the station kept transmitting after 1024 bytes.</translation>
    </message>
    <message>
        <source>Ошибка записи данных. </source>
        <translation>Data write error. </translation>
    </message>
    <message>
        <source>Ошибка чтения данных. </source>
        <translation>Data read error. </translation>
    </message>
    <message>
        <source> Запись не выполнялась.</source>
        <translation> Nothing was written.</translation>
    </message>
    <message>
        <source>Порт %1, %2 бод.</source>
        <translation>Port %1, %2 baud.</translation>
    </message>
</context>
<context>
    <name>StationTargets</name>
    <message>
        <source>порт: COMn или путь к устройству; можно несколько раз</source>
        <translation>port: COMn or a device path; may be given several times</translation>
    </message>
    <message>
        <source>диапазон портов, например COM1-COM8</source>
        <translation>a range of ports, such as COM1-COM8</translation>
    </message>
    <message>
        <source>скорость: 4800 (по умолчанию), 9600 или 19200</source>
        <translation>speed: 4800 (default), 9600 or 19200</translation>
    </message>
    <message>
        <source>каждый байт обмена со временем в файл; для нескольких портов файл на порт (к имени добавляется порт)</source>
        <translation>every byte of the exchange with its time into a file; for several ports one file per port (the port is added to the name)</translation>
    </message>
    <message>
        <source>не указан порт (--port P или --ports COMa-COMb)</source>
        <translation>no port given (--port P or --ports COMa-COMb)</translation>
    </message>
    <message>
        <source>--trace %1: журнал обмена пишется только в файл</source>
        <translation>--trace %1: the exchange trace goes only into a file</translation>
    </message>
    <message>
        <source>%1: обмен записывается в %2</source>
        <translation>%1: the exchange is traced into %2</translation>
    </message>
</context>
<context>
    <name>Tf_about</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Программатор
станции Tarnik</source>
        <translation>Tarnik station
programmer</translation>
    </message>
    <message>
        <source>Программа настройки
радиостанций Tarnik.
Разработка: группа
проекта Tarnik, 2024 г.</source>
        <translation>Configuration program
for Tarnik radio stations.
Developed by the
Tarnik project team, 2024.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Tf_channels</name>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>RX(Гц)</source>
        <translation>RX(Hz)</translation>
    </message>
    <message>
        <source>TX(Гц)</source>
        <translation>TX(Hz)</translation>
    </message>
    <message>
        <source>Пожайлуста подождите...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Можно начинать к работу</source>
        <translation>Ready to work</translation>
    </message>
</context>
<context>
    <name>Tf_com</name>
    <message>
        <source>Настройки соединения COM</source>
        <translation>COM connection settings</translation>
    </message>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>В списке находятся только
установленные в системе 
COM порты</source>
        <translation>The list holds only
the COM ports installed
in the system</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 сейчас не найден в системе</source>
        <translation>%1 is not in the system now</translation>
    </message>
</context>
<context>
    <name>Tf_config</name>
    <message>
        <source>Настройки приложения</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>Общая частота приема и передачи</source>
        <translation>Common RX and TX frequency</translation>
    </message>
    <message>
        <source>Установка данного флага позволяет
использовать единую частоту как на
прием так и на передачу, при смене 
одной будет изменятся и вторая</source>
        <translation>With this option set, one frequency
serves both receive and transmit:
changing one changes the other</translation>
    </message>
    <message>
        <source>Безопасная запись</source>
        <translation>Safe write</translation>
    </message>
    <message>
        <source>Перед записью станция читается и сохраняется резервная копия,
записываются только изменённые байты, затем запись проверяется</source>
        <translation>Before writing, the station is read and a backup is saved;
only the changed bytes are written, then the write is verified</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>как в системе</source>
        <translation>as the system</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске программы.</source>
        <translation>The language changes at the next start of the program.</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tf_freq</name>
    <message>
        <source>Задание частоты</source>
        <translation>Set frequency</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Ок</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tf_journal</name>
    <message>
        <source>Журнал</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Пиктограмма</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Событие</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>Tf_main</name>
    <message>
        <source>Ошибка записи файла: %1 (%2)</source>
        <translation>File write error: %1 (%2)</translation>
    </message>
    <message>
        <source>Каналы сохранены в CSV: </source>
        <translation>Channels saved to CSV: </translation>
    </message>
    <message>
        <source>Ошибка чтения файла: </source>
        <translation>File read error: </translation>
    </message>
    <message>
        <source>Каналы не загружены из файла %1: %2.</source>
        <translation>Channels not loaded from file %1: %2.</translation>
    </message>
    <message>
        <source>Каналы не загружены.</source>
        <translation>Channels not loaded.</translation>
    </message>
    <message>
        <source>Каналы не загружены из файла %1, ничего не изменено:
</source>
        <translation>Channels not loaded from file %1, nothing changed:
</translation>
    </message>
    <message>
        <source>Каналы загружены из CSV: </source>
        <translation>Channels loaded from CSV: </translation>
    </message>
    <message>
        <source>Сохранен: </source>
        <translation>Saved: </translation>
    </message>
    <message>
        <source>Загружен: </source>
        <translation>Loaded: </translation>
    </message>
    <message>
        <source>Файл программатора (*.vtr)</source>
        <translation>Programmer file (*.vtr)</translation>
    </message>
    <message>
        <source>Таблица каналов CSV (*.csv)</source>
        <translation>CSV channel table (*.csv)</translation>
    </message>
    <message>
        <source>Образ станции (*.bin)</source>
        <translation>Station image (*.bin)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Каналы</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Импорт каналов из CSV</source>
        <translation>Import channels from CSV</translation>
    </message>
    <message>
        <source>Экспорт каналов в CSV</source>
        <translation>Export channels to CSV</translation>
    </message>
    <message>
        <source>Задать канал</source>
        <translation>Set channel</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Запуск приложения</source>
        <translation>Program started</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Настройки загружены</source>
        <translation>Settings loaded</translation>
    </message>
    <message>
        <source>Файл %1 не прочитан: %2.</source>
        <translation>File %1 not read: %2.</translation>
    </message>
    <message>
        <source>Файл %1 не является образом станции: в нём должно быть ровно %2 байта.</source>
        <translation>File %1 is not a station image: it must hold exactly %2 bytes.</translation>
    </message>
    <message>
        <source>Каталог не прочитан, проверить образ не по чему: %1</source>
        <translation>The catalogue was not read, nothing to check the image against: %1</translation>
    </message>
    <message>
        <source>Восстановление отменено: образ не прошёл проверку.</source>
        <translation>Restore cancelled: the image failed the check.</translation>
    </message>
    <message>
        <source>Восстановленную конфигурацию нельзя показать: %1. Редакторы показывают прежнюю; запись из них изменит станцию.</source>
        <translation>The restored configuration cannot be shown: %1. The editors show the previous one; writing from them will change the station.</translation>
    </message>
</context>
<context>
    <name>Tf_port</name>
    <message>
        <source>Порт</source>
        <translation>Port</translation>
    </message>
</context>
<context>
    <name>Tf_print</name>
    <message>
        <source>Включен</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Отключен</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>RX(Гц)</source>
        <translation>RX(Hz)</translation>
    </message>
    <message>
        <source>TX(Гц)</source>
        <translation>TX(Hz)</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>ЗАО &quot;Велтар&quot;</source>
        <translation>&quot;Veltar&quot; CJSC</translation>
    </message>
    <message>
        <source>Программатор Tarnik</source>
        <translation>Tarnik Programmer</translation>
    </message>
    <message>
        <source>Страница</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Параметры станции</source>
        <translation>Station parameters</translation>
    </message>
    <message>
        <source>Частотный диапазон</source>
        <translation>Frequency band</translation>
    </message>
    <message>
        <source>Маскиратор включен</source>
        <translation>Scrambler on</translation>
    </message>
    <message>
        <source>Уровень громкости</source>
        <translation>Volume level</translation>
    </message>
    <message>
        <source>Маскиратор установлен</source>
        <translation>Scrambler fitted</translation>
    </message>
    <message>
        <source>Уровень шумоподавителя</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>Режим отключения по таймауту</source>
        <translation>Transmit timeout mode</translation>
    </message>
    <message>
        <source>Уровень аналогового SQL</source>
        <translation>Analog SQL level</translation>
    </message>
    <message>
        <source>Блокировка передачи</source>
        <translation>Transmit lockout</translation>
    </message>
    <message>
        <source>Уровень девиации</source>
        <translation>Deviation level</translation>
    </message>
    <message>
        <source>Режим ретранслятора</source>
        <translation>Repeater mode</translation>
    </message>
    <message>
        <source>Уровень чувствительности</source>
        <translation>Sensitivity level</translation>
    </message>
    <message>
        <source>Время таймаута</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Усиление на прием</source>
        <translation>Receive gain</translation>
    </message>
    <message>
        <source>Уровни шумоподавителя</source>
        <translation>Squelch levels</translation>
    </message>
    <message>
        <source>Уровень CTCSS на передачу</source>
        <translation>CTCSS transmit level</translation>
    </message>
    <message>
        <source>Уровень CTCSS на прием</source>
        <translation>CTCSS receive level</translation>
    </message>
    <message>
        <source>Мощность ШИМ</source>
        <translation>PWM power</translation>
    </message>
    <message>
        <source>Установленные частоты каналов</source>
        <translation>Channel frequencies</translation>
    </message>
    <message>
        <source>Каналов:</source>
        <translation>Channels:</translation>
    </message>
</context>
<context>
    <name>Tf_search</name>
    <message>
        <source>Ожидание...</source>
        <translation>Waiting...</translation>
    </message>
    <message>
        <source>Станция подключена к порту.</source>
        <translation>Station connected to the port.</translation>
    </message>
    <message>
        <source>Станция не подключена.</source>
        <translation>No station connected.</translation>
    </message>
    <message>
        <source>Ошибка открытия порта.</source>
        <translation>Port open error.</translation>
    </message>
    <message>
        <source>Выбранный порт не найден в системе.</source>
        <translation>The chosen port is not in the system.</translation>
    </message>
    <message>
        <source>Двойной щелчок выбирает этот порт.</source>
        <translation>A double click chooses this port.</translation>
    </message>
    <message>
        <source>Поиск станции</source>
        <translation>Station search</translation>
    </message>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tf_setchannel</name>
    <message>
        <source>Задать канал</source>
        <translation>Set channel</translation>
    </message>
    <message>
        <source>№ канала</source>
        <translation>Channel no.</translation>
    </message>
    <message>
        <source>RX(Гц)</source>
        <translation>RX(Hz)</translation>
    </message>
    <message>
        <source>TX(Гц)</source>
        <translation>TX(Hz)</translation>
    </message>
    <message>
        <source>Ок</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tf_settings</name>
    <message>
        <source>Частотный диапазон</source>
        <translation>Frequency band</translation>
    </message>
    <message>
        <source>Определяет частотный диапазон
станции</source>
        <translation>Sets the frequency band
of the station</translation>
    </message>
    <message>
        <source>Уровень громкости</source>
        <translation>Volume level</translation>
    </message>
    <message>
        <source>Задает уровень громкости</source>
        <translation>Sets the volume level</translation>
    </message>
    <message>
        <source>Уровень шумоподавителя</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>Задает уровень шумодава</source>
        <translation>Sets the squelch level</translation>
    </message>
    <message>
        <source>Уровень аналогового SQL</source>
        <translation>Analog SQL level</translation>
    </message>
    <message>
        <source>Уровень девиации</source>
        <translation>Deviation level</translation>
    </message>
    <message>
        <source>Задает уровень девиации</source>
        <translation>Sets the deviation level</translation>
    </message>
    <message>
        <source>Уровень чувствительности
микрофона</source>
        <translation>Microphone
sensitivity level</translation>
    </message>
    <message>
        <source>Задает чувствительность микрофона</source>
        <translation>Sets the microphone sensitivity</translation>
    </message>
    <message>
        <source>Усиление на прием</source>
        <translation>Receive gain</translation>
    </message>
    <message>
        <source>Задает усиление на прием</source>
        <translation>Sets the receive gain</translation>
    </message>
    <message>
        <source>Уровень CTCSS на передачу</source>
        <translation>CTCSS transmit level</translation>
    </message>
    <message>
        <source>Задает уровень CTCSS на передачу</source>
        <translation>Sets the CTCSS transmit level</translation>
    </message>
    <message>
        <source>Уровень CTCSS на прием</source>
        <translation>CTCSS receive level</translation>
    </message>
    <message>
        <source>Задает уровень CTCSS на прием</source>
        <translation>Sets the CTCSS receive level</translation>
    </message>
    <message>
        <source>Маскиратор включен</source>
        <translation>Scrambler on</translation>
    </message>
    <message>
        <source>Маскиратор установлен</source>
        <translation>Scrambler fitted</translation>
    </message>
    <message>
        <source>Режим отключения по таймауту нажатия на тангенту</source>
        <translation>Transmit timeout while the PTT is held</translation>
    </message>
    <message>
        <source>Блокировка выхода в передачу по наличию несущей</source>
        <translation>No transmitting while a carrier is present</translation>
    </message>
    <message>
        <source>Работа в режиме ретранслятора</source>
        <translation>Repeater mode</translation>
    </message>
    <message>
        <source>Время таймаута</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Флаги завершения работы станции</source>
        <translation>Station shutdown flags</translation>
    </message>
    <message>
        <source>Нормальное выключение</source>
        <translation>Normal power-off</translation>
    </message>
    <message>
        <source>Нормальное завершение передачи</source>
        <translation>Normal end of transmission</translation>
    </message>
    <message>
        <source>Уровни шумоподавителя</source>
        <translation>Squelch levels</translation>
    </message>
    <message>
        <source>№%1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>Мощность ШИМ</source>
        <translation>PWM power</translation>
    </message>
    <message>
        <source>Установить</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Конфигурация станции не загружена.</source>
        <translation>The station configuration was not loaded.</translation>
    </message>
</context>
<context>
    <name>Tf_startup</name>
    <message>
        <source>Загрузка</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Программатор
станции Tarnik</source>
        <translation>Tarnik station
programmer</translation>
    </message>
    <message>
        <source>Версия 1.1</source>
        <translation>Version 1.1</translation>
    </message>
</context>
<context>
    <name>Tfr_reccord</name>
    <message>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
</context>
<context>
    <name>U_xml</name>
    <message>
        <source>файл больше %1</source>
        <translation>the file is larger than %1</translation>
    </message>
    <message>
        <source>вложенность элементов больше %1</source>
        <translation>elements nested deeper than %1</translation>
    </message>
    <message>
        <source>не XML (ошибка в строке %1, столбец %2)</source>
        <translation>not XML (error at line %1, column %2)</translation>
    </message>
    <message>
        <source>нет корневого элемента</source>
        <translation>no root element</translation>
    </message>
    <message>
        <source>документ пуст</source>
        <translation>the document is empty</translation>
    </message>
    <message>
        <source>кодировка документа не поддерживается</source>
        <translation>the document&apos;s encoding is not supported</translation>
    </message>
</context>
<context>
    <name>UserFolder</name>
    <message>
        <source>не создаётся папка %1</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>не читается %1</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>не записывается %1</source>
        <translation>%1 cannot be written</translation>
    </message>
</context>
</TS>
