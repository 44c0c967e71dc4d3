// Brings a user's copy of the catalogue up to a newer shipped one: adds
// what the user's file lacks and keeps everything it has, the user's
// remembered choices above all. The launcher runs it after an upgrade.
//
//   tarnik-catalogue-merge <user Settings.xml> <shipped Settings.xml>
//
// Exit code 0 when the user's file is up to date (merged or nothing to
// add), 1 when a file cannot be read or the result cannot be saved; the
// user's file is then left as it was.
#include "document/CatalogueMerge.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarnik-catalogue-merge <user Settings.xml> <shipped Settings.xml>\n");
        return 2;
    }
    int added = 0;
    switch (MergeCatalogueFile(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), &added)) {
    case TMergeResult::Unchanged:
        return 0;
    case TMergeResult::Merged:
        std::printf("%s: %d new elements from %s\n", argv[1], added, argv[2]);
        return 0;
    case TMergeResult::UserUnreadable:
        std::fprintf(stderr, "tarnik-catalogue-merge: cannot read %s\n", argv[1]);
        return 1;
    case TMergeResult::ShippedUnreadable:
        std::fprintf(stderr, "tarnik-catalogue-merge: cannot read %s\n", argv[2]);
        return 1;
    case TMergeResult::SaveFailed:
        std::fprintf(stderr, "tarnik-catalogue-merge: cannot save %s\n", argv[1]);
        return 1;
    }
    return 1;
}
