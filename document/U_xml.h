#pragma once
#include <QDomDocument>
#include <QString>
#include <QStringList>
#include <QVector>

// The program's way into XML files: one document, reduced to loading,
// saving, starting a new programmer file, and the text of elements reached
// from the root by two or three names. No operation lets an error escape.
//
// The document is owned by the main window; TXMLFile only refers to it.
class TXMLFile {
public:
    explicit TXMLFile(QDomDocument* document);

    // Empties the document and gives it the windows-1251 declaration, the
    // root "document" and the head (author, creation time and date).
    bool NewDocument();

    // Loads the file in the encoding its declaration names. Only a regular
    // file of at most MaxFileSize bytes is read; a directory, a FIFO or a
    // device is refused without waiting on it. On failure the document is
    // left inactive (reads give empty texts, writes fail) and LoadError()
    // says why.
    bool LoadFromFile(const QString& path);
    // The same for the bytes of a file already read (at most MaxFileSize).
    bool LoadFromBytes(const QByteArray& bytes);
    QString LoadError() const { return loadError; }

    // The largest file LoadFromFile reads. The program's own files are a few
    // kilobytes (a programmer file with 100 channels about 20 KB, the
    // catalogue about 6 KB); anything this large is not one of them. The
    // cap also bounds the time the window waits for the parser: 1 MB parses
    // in under half a second, where 16 MB took seven seconds and 400 MB of
    // memory.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // Writes the whole document in the encoding its declaration names.
    // Characters that encoding cannot hold are written as character
    // references. The file is replaced atomically (WriteFileAtomically): a
    // failed save leaves the previous file as it was, and SaveError() says
    // why.
    bool SaveToFile(const QString& path);
    // The same bytes, for a stream rather than a file.
    bool SaveToBytes(QByteArray& bytes);
    QString SaveError() const { return saveError; }

    // The element reached from the root by the names; missing elements are
    // created, empty, as the last child of their parent. Null when the
    // document is inactive. Used by the writers.
    QDomElement ChildNode(const QString& a);
    QDomElement ChildNode(const QString& a, const QString& b);
    QDomElement ChildNode(const QString& a, const QString& b, const QString& c);

    // The same element found without creating anything: null when it or
    // any element on the way is missing. Reading never changes the document.
    QDomElement FindNode(const QString& a) const;
    QDomElement FindNode(const QString& a, const QString& b) const;
    QDomElement FindNode(const QString& a, const QString& b, const QString& c) const;

    // The text of the element FindNode reaches; empty when it is missing or
    // holds child elements.
    QString ReadValue(const QString& a, const QString& b) const;
    QString ReadValue(const QString& a, const QString& b, const QString& c) const;

    // The text of an element as ReadValue gives it, and the text of the
    // first child of parent with the name (empty for a null parent).
    static QString ElementText(const QDomElement& e);
    static QString ChildText(const QDomElement& parent, const QString& name);

    // The children prefix1 .. prefix<count> of parent (element i - 1 is
    // prefix<i>; null where missing; of two with the same name the first),
    // found in one pass over parent's children, so that reading N numbered
    // items costs time linear in N and in the children. The caller bounds
    // count: the result holds count elements.
    static QVector<QDomElement> NumberedChildren(const QDomElement& parent, const QString& prefix,
                                                 int count);
    // Their texts, as ElementText gives them.
    static QStringList NumberedTexts(const QDomElement& parent, const QString& prefix, int count);

    bool WriteValue(const QString& a, const QString& b, const QString& text);
    bool WriteValue(const QString& a, const QString& b, const QString& c, const QString& text);

    bool Active() const;

private:
    QDomElement Child(QDomElement parent, const QString& name);
    static bool SetElementText(QDomElement e, const QString& text);

    QDomDocument* doc;
    QString loadError;
    QString saveError;
};

// The program's one XML document access, over the main window's document
// (set while the main window lives, null otherwise).
extern TXMLFile* XmlFile;

// Serialises a document as its declaration asks (windows-1251 when it names
// that encoding, UTF-8 otherwise), escaping what the encoding cannot hold.
// Returns false when the declared encoding is unknown.
bool SerialiseDocument(const QDomDocument& document, QByteArray& bytes);
