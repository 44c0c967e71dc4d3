#include "tests/support/TestRegistry.h"
#include <QByteArray>

namespace TestRegistry {

namespace {
std::vector<Entry>& Entries()
{
    // Filled while the program starts, before main(): a function-local
    // object, so the order of the files' start-up does not matter.
    static std::vector<Entry> entries;
    return entries;
}
} // namespace

bool Add(const Entry& entry)
{
    Entries().push_back(entry);
    return true;
}

const std::vector<Entry>& All() { return Entries(); }

QByteArray NameOf(const Entry& entry)
{
    QByteArray name(entry.file);
    const qsizetype slash = std::max(name.lastIndexOf('/'), name.lastIndexOf('\\'));
    name = name.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf('.');
    return dot > 0 ? name.left(dot) : name;
}

} // namespace TestRegistry
