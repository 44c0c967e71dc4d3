#include "document/ProgrammerFile.h"
#include "document/Convert.h"
#include "document/U_xml.h"
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {
const QString Settings = QStringLiteral("settings");
const QString Channels = QStringLiteral("channels");

QString ValueName(int n) { return QStringLiteral("value") + QString::number(n); }
QString ChannelName(int i) { return QStringLiteral("channel") + QString::number(i + 1); }
QString Truth(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }

// Reads one element text as a number or truth value; a missing element
// reads as empty text and fails like any other text that is not one. The
// failure names the element.
class Reader {
public:
    explicit Reader(const TXMLFile& xml) : xml(xml) {}
    int Int(const QString& a, const QString& b) { return Convert(StrToInt, {a, b}, xml.ReadValue(a, b)); }
    bool Bool(const QString& a, const QString& b) { return Convert(StrToBool, {a, b}, xml.ReadValue(a, b)); }
    // An element that may be missing (or empty): unset then.
    template <typename T>
    void Optional(const QString& a, const QString& b, std::optional<T>& value, T (*convert)(const QString&))
    {
        const QString text = xml.ReadValue(a, b);
        if (!text.trimmed().isEmpty())
            value = Convert(convert, {a, b}, text);
    }
    // The child name of parent, which the path names.
    int Int(const QDomElement& parent, const QStringList& path, const QString& name)
    {
        return Convert(StrToInt, path + QStringList{name}, TXMLFile::ChildText(parent, name));
    }

private:
    template <typename T>
    static T Convert(T (*convert)(const QString&), const QStringList& path, const QString& text)
    {
        try {
            return convert(text);
        } catch (const EConvertError& e) {
            throw EConvertError(path.join(QLatin1Char('/')) + QStringLiteral(": ") + e.Message());
        }
    }

    const TXMLFile& xml;
};
} // namespace

namespace {
// Builds the programmer file from nothing in the XML document.
bool BuildProgrammerFile(TXMLFile& xml, const TProgrammerFile& file)
{
    bool ok = xml.NewDocument();
    for (int n = 1; n <= 9; ++n)
        ok = ok && xml.WriteValue(Settings, ValueName(n), QString::number(file.lists[n - 1]));
    for (int n = 10; n <= 14; ++n)
        ok = ok && xml.WriteValue(Settings, ValueName(n), Truth(file.flags[n - 10]));
    ok = ok && xml.WriteValue(Settings, ValueName(15), QString::number(file.timeout));
    for (int r = 1; r <= 10; ++r)
        ok = ok && xml.WriteValue(Settings, ValueName(15 + r), QString::number(file.noiseLevels[r - 1]));
    if (file.pwmPower)
        ok = ok && xml.WriteValue(Settings, ValueName(26), QString::number(*file.pwmPower));
    if (file.normalPowerOff)
        ok = ok && xml.WriteValue(Settings, ValueName(27), Truth(*file.normalPowerOff));
    if (file.normalTxEnd)
        ok = ok && xml.WriteValue(Settings, ValueName(28), Truth(*file.normalTxEnd));
    ok = ok && xml.WriteValue(Channels, QStringLiteral("count"), QString::number(file.channels.size()));
    for (int i = 0; ok && i < file.channels.size(); ++i) {
        const TProgrammerChannel& c = file.channels[i];
        const QString name = ChannelName(i);
        ok = xml.WriteValue(Channels, name, QStringLiteral("enable"), c.enable ? QStringLiteral("1") : QStringLiteral("0"))
            && xml.WriteValue(Channels, name, QStringLiteral("RX"), QString::number(c.rxHz))
            && xml.WriteValue(Channels, name, QStringLiteral("TX"), QString::number(c.txHz))
            && xml.WriteValue(Channels, name, QStringLiteral("CTCSSRX"), QString::number(c.ctcssRx))
            && xml.WriteValue(Channels, name, QStringLiteral("CTCSSTX"), QString::number(c.ctcssTx));
    }
    return ok;
}
} // namespace

bool WriteProgrammerFile(TXMLFile& xml, const QString& path, const TProgrammerFile& file, QString* reason)
{
    const bool ok = BuildProgrammerFile(xml, file) && xml.SaveToFile(path);
    if (!ok && reason)
        *reason = xml.SaveError().isEmpty() ? QCoreApplication::translate("ProgrammerFile", "файл не построен") : xml.SaveError();
    return ok;
}

bool ProgrammerFileBytes(TXMLFile& xml, const TProgrammerFile& file, QByteArray& bytes)
{
    return BuildProgrammerFile(xml, file) && xml.SaveToBytes(bytes);
}

namespace {
// Reads and checks every value of the programmer file the document holds.
bool ReadLoadedProgrammerFile(TXMLFile& xml, int maxChannels, TProgrammerFile& file, QString* reason)
{
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    TProgrammerFile read;
    Reader r(xml);
    try {
        for (int n = 1; n <= 9; ++n)
            read.lists[n - 1] = r.Int(Settings, ValueName(n));
        for (int n = 10; n <= 14; ++n)
            read.flags[n - 10] = r.Bool(Settings, ValueName(n));
        read.timeout = r.Int(Settings, ValueName(15));
        for (int k = 1; k <= 10; ++k)
            read.noiseLevels[k - 1] = r.Int(Settings, ValueName(15 + k));
        r.Optional(Settings, ValueName(26), read.pwmPower, StrToInt);
        r.Optional(Settings, ValueName(27), read.normalPowerOff, StrToBool);
        r.Optional(Settings, ValueName(28), read.normalTxEnd, StrToBool);
        read.declaredCount = r.Int(Channels, QStringLiteral("count"));
        if (read.declaredCount < 0)
            return fail(QCoreApplication::translate("ProgrammerFile", "отрицательное число каналов %1").arg(read.declaredCount));
        // Channel elements beyond the rows that exist are not read: nothing
        // could show them.
        const int used = std::min(read.declaredCount, std::max(0, maxChannels));
        const QVector<QDomElement> elements =
            TXMLFile::NumberedChildren(xml.FindNode(Channels), QStringLiteral("channel"), used);
        read.channels.resize(used);
        for (int i = 0; i < used; ++i) {
            const QStringList path{Channels, ChannelName(i)};
            const QDomElement& e = elements[i];
            TProgrammerChannel& c = read.channels[i];
            c.enable = r.Int(e, path, QStringLiteral("enable")) != 0;
            c.rxHz = r.Int(e, path, QStringLiteral("RX"));
            c.txHz = r.Int(e, path, QStringLiteral("TX"));
            c.ctcssRx = r.Int(e, path, QStringLiteral("CTCSSRX"));
            c.ctcssTx = r.Int(e, path, QStringLiteral("CTCSSTX"));
        }
    } catch (const EConvertError& e) {
        return fail(e.Message());
    }
    file = read;
    return true;
}
} // namespace

bool ReadProgrammerFile(TXMLFile& xml, const QString& path, int maxChannels, TProgrammerFile& file,
                        QString* reason)
{
    if (!xml.LoadFromFile(path)) {
        if (reason)
            *reason = xml.LoadError();
        return false;
    }
    return ReadLoadedProgrammerFile(xml, maxChannels, file, reason);
}

bool ReadProgrammerBytes(TXMLFile& xml, const QByteArray& bytes, int maxChannels, TProgrammerFile& file,
                         QString* reason)
{
    if (!xml.LoadFromBytes(bytes)) {
        if (reason)
            *reason = xml.LoadError();
        return false;
    }
    return ReadLoadedProgrammerFile(xml, maxChannels, file, reason);
}
