// The programmer file: read, and for a file that reads, write it and read
// the written file back.
#include "document/ProgrammerFile.h"
#include "document/U_xml.h"
#include "tools/fuzz/FuzzTargets.h"

namespace {

bool SameChannels(const QVector<TProgrammerChannel>& a, const QVector<TProgrammerChannel>& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (a[i].enable != b[i].enable || a[i].rxHz != b[i].rxHz || a[i].txHz != b[i].txHz
            || a[i].ctcssRx != b[i].ctcssRx || a[i].ctcssTx != b[i].ctcssTx)
            return false;
    return true;
}

} // namespace

int FuzzProgrammerFile(const uint8_t* data, size_t size)
{
    constexpr int Rows = 100;
    const QString path = FuzzScratchFile(QStringLiteral("file.vtr"), data, size);
    QDomDocument doc;
    TXMLFile xml(&doc);
    TProgrammerFile file;
    if (!ReadProgrammerFile(xml, path, Rows, file))
        return 0;
    FuzzRequire(file.declaredCount >= 0 && file.channels.size() == std::min(file.declaredCount, Rows),
                "the channels read do not follow the count");

    const QString copy = path + QStringLiteral(".copy.vtr");
    FuzzRequire(WriteProgrammerFile(xml, copy, file), "a file that was read cannot be written");
    TProgrammerFile back;
    QString why;
    FuzzRequire(ReadProgrammerFile(xml, copy, Rows, back, &why), "a written file does not read");
    FuzzRequire(back.lists == file.lists && back.flags == file.flags && back.timeout == file.timeout
                    && back.noiseLevels == file.noiseLevels && SameChannels(back.channels, file.channels)
                    && back.declaredCount == file.channels.size(),
                "a written file reads back different");
    return 0;
}
