// The XML layer: load, read, write, save, load again.
#include "document/U_xml.h"
#include "tools/fuzz/FuzzTargets.h"
#include <QTextStream>

namespace {
QString ElementsAndTexts(const QDomDocument& doc)
{
    QString text;
    QTextStream out(&text);
    doc.documentElement().save(out, 1);
    return text;
}
} // namespace

int FuzzXml(const uint8_t* data, size_t size)
{
    const QString path = FuzzScratchFile(QStringLiteral("document.xml"), data, size);
    QDomDocument doc;
    TXMLFile xml(&doc);
    if (!xml.LoadFromFile(path)) {
        FuzzRequire(!xml.Active() && xml.ReadValue("a", "b").isEmpty() && !xml.WriteValue("a", "b", "1"),
                    "a failed load left the document active");
        return 0;
    }
    // Reading changes nothing.
    const QString before = doc.toString();
    const QDomElement first = doc.documentElement().firstChildElement();
    const QString a = first.isNull() ? QStringLiteral("a") : first.tagName();
    const QDomElement second = first.firstChildElement();
    const QString b = second.isNull() ? QStringLiteral("b") : second.tagName();
    xml.ReadValue(a, b);
    xml.ReadValue(a, b, QStringLiteral("c"));
    TXMLFile::NumberedTexts(xml.FindNode(a), QStringLiteral("item"), 300);
    FuzzRequire(doc.toString() == before, "reading changed the document");

    // Writing a number, as every writer of the program does, then saving
    // and loading again gives back the same document.
    const QString number = QString::number(size);
    FuzzRequire(xml.WriteValue(a, b, number) && xml.ReadValue(a, b) == number, "a written value does not read back");
    // The declaration is written anew from the encoding it names; the
    // elements and texts must come back as they were.
    const QString written = ElementsAndTexts(doc);
    const QString saved = path + QStringLiteral(".saved");
    if (!xml.SaveToFile(saved))
        return 0;   // an encoding the serialiser does not know
    QDomDocument again;
    TXMLFile reread(&again);
    FuzzRequire(reread.LoadFromFile(saved), "a saved document does not load");
    FuzzRequire(reread.ReadValue(a, b) == number, "a saved value does not read back");
    FuzzRequire(ElementsAndTexts(again) == written, "the saved document differs from the one in memory");
    return 0;
}
