#include "document/U_xml.h"
#include "document/LocaleFormats.h"
#include "document/Cp1251.h"
#include "document/FileRead.h"
#include "document/FileWrite.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QXmlStreamReader>
#include <algorithm>

TXMLFile* XmlFile = nullptr;

namespace {

// Replaces every character outside windows-1251 with a character reference.
QString EscapeForCp1251(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const QList<uint> codes = text.toUcs4();
    for (uint code : codes) {
        if (Cp1251::ByteOf(code) >= 0)
            out += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        else
            out += QStringLiteral("&#%1;").arg(code);
    }
    return out;
}

// The encoding a declaration names, e.g. from  version='1.0' encoding='x'.
QString EncodingIn(const QString& declaration)
{
    static const QRegularExpression re(QStringLiteral("encoding\\s*=\\s*['\"]([^'\"]*)['\"]"));
    const QRegularExpressionMatch m = re.match(declaration);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString DeclaredEncoding(const QDomDocument& document)
{
    const QDomNode first = document.firstChild();
    if (!first.isProcessingInstruction() || first.nodeName() != QLatin1String("xml"))
        return QString();
    return EncodingIn(first.toProcessingInstruction().data());
}

bool IsCp1251(const QString& encoding)
{
    return encoding.compare(QLatin1String(Cp1251::Name), Qt::CaseInsensitive) == 0;
}

// Whether the file's declaration names windows-1251: such a file is decoded
// by the program's own table, every other one by the XML parser. Only an
// instruction named exactly "xml" is a declaration ("<?xml-stylesheet" is
// not).
bool DeclaresCp1251(const QByteArray& bytes)
{
    static const QByteArray Start("<?xml");
    if (!bytes.startsWith(Start) || bytes.size() == Start.size() || !QChar::isSpace(uchar(bytes[Start.size()])))
        return false;
    const qsizetype end = bytes.indexOf("?>");
    return end > 0 && IsCp1251(EncodingIn(QString::fromLatin1(bytes.left(end))));
}

// Elements nested deeper than this are refused before the document is
// built: the DOM recurses once per level and a few thousand levels overflow
// the stack. The program's files nest four levels deep.
constexpr int MaxNesting = 256;

template<typename Content>   // the file's bytes, or its text decoded already
bool WithinNestingLimit(const Content& content)
{
    QXmlStreamReader reader(content);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > MaxNesting)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;   // malformed documents are left to the parser to report
}

// The number n of a name "<prefix><n>" (decimal, no leading zero) when it
// lies in 1..max; 0 for any other name.
int ElementNumber(const QString& name, const QString& prefix, int max)
{
    if (!name.startsWith(prefix) || name.size() == prefix.size() || name[prefix.size()] == QLatin1Char('0'))
        return 0;
    qint64 n = 0;
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const QChar c = name[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
        n = n * 10 + (c.unicode() - '0');
        if (n > max)
            return 0;
    }
    return int(n);
}

} // namespace

bool SerialiseDocument(const QDomDocument& document, QByteArray& bytes)
{
    // QDomDocument copies share their nodes: the declaration is taken out for
    // the serialiser (which cannot encode windows-1251 itself) and put back.
    QDomDocument copy = document;
    QString encoding = DeclaredEncoding(document);
    QDomNode declaration;
    if (!encoding.isNull()) {
        declaration = copy.firstChild();
        copy.removeChild(declaration);
    }
    QString body = copy.toString(2);
    if (!declaration.isNull())
        copy.insertBefore(declaration, copy.firstChild());

    if (encoding.isEmpty())
        encoding = QStringLiteral("UTF-8");
    QString text;
    if (!declaration.isNull())
        text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n").arg(encoding);
    text += body;

    if (IsCp1251(encoding)) {
        bool ok = false;
        bytes = Cp1251::Encode(EscapeForCp1251(text), &ok);
        return ok;
    }
    QStringEncoder enc(encoding.toLatin1().constData());
    if (!enc.isValid())
        return false;
    bytes = enc.encode(text);
    return !enc.hasError();
}

TXMLFile::TXMLFile(QDomDocument* document)
    : doc(document)
{
}

bool TXMLFile::Active() const
{
    return doc && !doc->documentElement().isNull();
}

bool TXMLFile::NewDocument()
{
    if (!doc)
        return false;
    *doc = QDomDocument();
    doc->appendChild(doc->createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"windows-1251\"")));
    doc->appendChild(doc->createElement(QStringLiteral("document")));
    const QDateTime now = QDateTime::currentDateTime();
    return WriteValue(QStringLiteral("head"), QStringLiteral("author"), QStringLiteral("obrant"))
        && WriteValue(QStringLiteral("head"), QStringLiteral("creation_time"),
                      LongTimeText(now.time()))
        && WriteValue(QStringLiteral("head"), QStringLiteral("creation_date"),
                      ShortDateText(now.date()));
}

bool TXMLFile::LoadFromFile(const QString& path)
{
    if (!doc)
        return false;
    *doc = QDomDocument();   // inactive until the new content is in
    QByteArray bytes;
    loadError = ReadRegularFile(path, MaxFileSize, bytes);
    if (!loadError.isEmpty())
        return false;
    return LoadFromBytes(bytes);
}

bool TXMLFile::LoadFromBytes(const QByteArray& bytes)
{
    if (!doc)
        return false;
    *doc = QDomDocument();
    loadError.clear();
    if (bytes.size() > MaxFileSize) {
        loadError = QCoreApplication::translate("U_xml", "файл больше %1").arg(SizeText(MaxFileSize));
        return false;
    }
    const bool cp1251 = DeclaresCp1251(bytes);
    const QString text = cp1251 ? Cp1251::Decode(bytes) : QString();
    if (!(cp1251 ? WithinNestingLimit(text) : WithinNestingLimit(bytes))) {
        loadError = QCoreApplication::translate("U_xml", "вложенность элементов больше %1").arg(MaxNesting);
        return false;
    }
    int line = 0, column = 0;
    const bool parsed = cp1251 ? doc->setContent(text, nullptr, &line, &column)
                               : doc->setContent(bytes, nullptr, &line, &column);
    if (!parsed) {
        *doc = QDomDocument();
        // The parser's own message is English and technical; the place of
        // the fault is what helps.
        loadError = QCoreApplication::translate("U_xml", "не XML (ошибка в строке %1, столбец %2)").arg(line).arg(column);
        return false;
    }
    if (doc->documentElement().isNull()) {
        *doc = QDomDocument();
        loadError = QCoreApplication::translate("U_xml", "нет корневого элемента");
        return false;
    }
    return true;
}

bool TXMLFile::SaveToFile(const QString& path)
{
    QByteArray bytes;
    if (!SaveToBytes(bytes))
        return false;
    saveError = WriteFileAtomically(path, bytes);
    return saveError.isEmpty();
}

bool TXMLFile::SaveToBytes(QByteArray& bytes)
{
    saveError.clear();
    if (!Active()) {
        saveError = QCoreApplication::translate("U_xml", "документ пуст");
        return false;
    }
    if (!SerialiseDocument(*doc, bytes)) {
        saveError = QCoreApplication::translate("U_xml", "кодировка документа не поддерживается");
        return false;
    }
    return true;
}

QDomElement TXMLFile::Child(QDomElement parent, const QString& name)
{
    if (parent.isNull())
        return QDomElement();
    QDomElement e = parent.firstChildElement(name);
    if (e.isNull()) {
        e = doc->createElement(name);
        parent.appendChild(e);
    }
    return e;
}

QDomElement TXMLFile::ChildNode(const QString& a)
{
    if (!Active())
        return QDomElement();
    return Child(doc->documentElement(), a);
}

QDomElement TXMLFile::ChildNode(const QString& a, const QString& b)
{
    return Child(ChildNode(a), b);
}

QDomElement TXMLFile::ChildNode(const QString& a, const QString& b, const QString& c)
{
    return Child(ChildNode(a, b), c);
}

QDomElement TXMLFile::FindNode(const QString& a) const
{
    if (!Active())
        return QDomElement();
    return doc->documentElement().firstChildElement(a);
}

QDomElement TXMLFile::FindNode(const QString& a, const QString& b) const
{
    return FindNode(a).firstChildElement(b);
}

QDomElement TXMLFile::FindNode(const QString& a, const QString& b, const QString& c) const
{
    return FindNode(a, b).firstChildElement(c);
}

QString TXMLFile::ElementText(const QDomElement& e)
{
    if (e.isNull() || !e.firstChildElement().isNull())
        return QString();
    return e.text();
}

QString TXMLFile::ChildText(const QDomElement& parent, const QString& name)
{
    return ElementText(parent.firstChildElement(name));
}

QVector<QDomElement> TXMLFile::NumberedChildren(const QDomElement& parent, const QString& prefix, int count)
{
    QVector<QDomElement> found(std::max(0, count));
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const int number = ElementNumber(e.tagName(), prefix, count);
        if (number > 0 && found[number - 1].isNull())
            found[number - 1] = e;
    }
    return found;
}

QStringList TXMLFile::NumberedTexts(const QDomElement& parent, const QString& prefix, int count)
{
    QStringList texts;
    for (const QDomElement& e : NumberedChildren(parent, prefix, count))
        texts << ElementText(e);
    return texts;
}

bool TXMLFile::SetElementText(QDomElement e, const QString& text)
{
    if (e.isNull())
        return false;
    while (e.hasChildNodes())
        e.removeChild(e.firstChild());
    e.appendChild(e.ownerDocument().createTextNode(text));
    return true;
}

QString TXMLFile::ReadValue(const QString& a, const QString& b) const
{
    return ElementText(FindNode(a, b));
}

QString TXMLFile::ReadValue(const QString& a, const QString& b, const QString& c) const
{
    return ElementText(FindNode(a, b, c));
}

bool TXMLFile::WriteValue(const QString& a, const QString& b, const QString& text)
{
    return SetElementText(ChildNode(a, b), text);
}

bool TXMLFile::WriteValue(const QString& a, const QString& b, const QString& c, const QString& text)
{
    return SetElementText(ChildNode(a, b, c), text);
}
