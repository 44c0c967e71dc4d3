// main() of a test program: runs the one test class named by the first
// argument, in this process, with the application object the class asked
// for. CTest starts the program once per class, so every class still has a
// process (and the program-wide window pointers) of its own.
//
//   <program> <class> [Qt Test arguments...]   run one class
//   <program> --list                           the classes, one a line
#include "tests/support/TestRegistry.h"
#include <QCoreApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>
#ifdef TARNIK_TESTS_WITH_WINDOWS
#include <QApplication>
#endif

namespace {

void PrintNames(FILE* to)
{
    for (const TestRegistry::Entry& e : TestRegistry::All())
        std::fprintf(to, "%s\n", TestRegistry::NameOf(e).constData());
}

std::unique_ptr<QCoreApplication> MakeApplication(TestRegistry::AppKind kind, int& argc, char** argv)
{
    std::unique_ptr<QCoreApplication> app;
    switch (kind) {
    case TestRegistry::AppKind::None:
        return app;
    case TestRegistry::AppKind::Core:
        app = std::make_unique<QCoreApplication>(argc, argv);
        break;
    case TestRegistry::AppKind::Widgets:
#ifdef TARNIK_TESTS_WITH_WINDOWS
        app = std::make_unique<QApplication>(argc, argv);
        break;
#else
        std::fprintf(stderr, "this test program has no windows; the class needs them\n");
        return app;
#endif
    }
    app->setAttribute(Qt::AA_Use96Dpi, true);
    return app;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--list") == 0 || std::strcmp(argv[1], "--help") == 0) {
        const bool asked = argc >= 2;
        std::fprintf(asked ? stdout : stderr, "usage: %s CLASS [Qt Test arguments]\nclasses:\n", argv[0]);
        PrintNames(asked ? stdout : stderr);
        return asked ? 0 : 2;
    }
    const TestRegistry::Entry* entry = nullptr;
    for (const TestRegistry::Entry& e : TestRegistry::All())
        if (TestRegistry::NameOf(e) == argv[1])
            entry = &e;
    if (!entry) {
        std::fprintf(stderr, "%s: no test class %s; the classes are:\n", argv[0], argv[1]);
        PrintNames(stderr);
        return 2;
    }

    // Qt Test sees the program's name and the arguments after the class.
    std::vector<char*> args{argv[0]};
    args.insert(args.end(), argv + 2, argv + argc);
    int testArgc = int(args.size());
    args.push_back(nullptr);

    entry->initMain();
    const std::unique_ptr<QCoreApplication> app = MakeApplication(entry->app, testArgc, args.data());
    if (entry->app != TestRegistry::AppKind::None && !app)
        return 2;
    const std::unique_ptr<QObject> test = entry->make();
    QTest::setMainSourcePath(entry->file);
    return QTest::qExec(test.get(), testArgc, args.data());
}
