#pragma once
#include <QDomDocument>
#include <QString>

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

    // Loads the file in the encoding its declaration names. On failure the
    // document is left inactive: reads give empty texts, writes fail.
    bool LoadFromFile(const QString& path);

    // Writes the whole document in the encoding its declaration names.
    // Characters that encoding cannot hold are written as character
    // references. The file is replaced atomically: a failed save leaves the
    // previous file as it was.
    bool SaveToFile(const QString& path);

    // The element reached from the root by the names; missing elements are
    // created, empty, as the last child of their parent. Null when the
    // document is inactive.
    QDomElement ChildNode(const QString& a);
    QDomElement ChildNode(const QString& a, const QString& b);
    QDomElement ChildNode(const QString& a, const QString& b, const QString& c);

    QString ReadValue(const QString& a, const QString& b);
    QString ReadValue(const QString& a, const QString& b, const QString& c);

    bool WriteValue(const QString& a, const QString& b, const QString& text);
    bool WriteValue(const QString& a, const QString& b, const QString& c, const QString& text);

    bool Active() const;

private:
    QDomElement Child(QDomElement parent, const QString& name);
    static QString ElementText(const QDomElement& e);
    static bool SetElementText(QDomElement e, const QString& text);

    QDomDocument* doc;
};

// Serialises a document as its declaration asks (windows-1251 when it names
// that encoding, UTF-8 otherwise), escaping what the encoding cannot hold.
// Returns false when the declared encoding is unknown.
bool SerialiseDocument(const QDomDocument& document, QByteArray& bytes);
