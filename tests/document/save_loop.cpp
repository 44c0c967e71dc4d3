// Saves one file over and over until it is killed, for the test of saves
// interrupted by SIGKILL:
//   tarnik-save-loop vtr <path>        programmer files with time-out 1, 2, 1, ...
//   tarnik-save-loop catalogue <path>  the catalogue's write-back with port 1, 2, 1, ...
// Prints "saving" once the first save has begun.
#include "document/Catalogue.h"
#include "document/ProgrammerFile.h"
#include "document/U_xml.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    QDomDocument doc;
    TXMLFile xml(&doc);
    TProgrammerFile file;
    for (int i = 0; i < 100; ++i)
        file.channels.append(TProgrammerChannel{i % 2 == 0, 33000000 + 25000 * i, 34000000 + 25000 * i, i % 51, 0});
    std::printf("saving\n");
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        const int value = 1 + round % 2;
        file.timeout = value;
        const bool ok = mode == QLatin1String("vtr") ? WriteProgrammerFile(xml, path, file)
                                                     : WriteCatalogueChoices(xml, path, {value, 0, true, true});
        if (!ok)
            return 1;
    }
}
