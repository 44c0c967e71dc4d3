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
    <name>LogoPicture</name>
    <message>
        <source>Не удаётся открыть файл &quot;%1&quot;.</source>
        <translation>Cannot open file &quot;%1&quot;.</translation>
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
        <translation>Program settings</translation>
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
        <translation>Cannot open the port.</translation>
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
    <message>
        <source>№%1</source>
        <translation>No. %1</translation>
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
</TS>
