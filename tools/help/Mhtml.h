#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

// A web archive in MHTML form: a MIME multipart/related message whose first
// part is the HTML page and whose other parts are the resources it refers
// to, each found by its Content-Location. Browsers that read .mht files
// resolve the page's relative links against the page's own location.
namespace Mhtml {

struct Resource {
    QString location;      // absolute URL the page's links resolve to
    QByteArray mimeType;   // for example "image/png"
    QByteArray data;
};

// Quoted-printable text (RFC 2045) with CRLF line ends and soft breaks that
// keep every line within 76 characters.
QByteArray QuotedPrintable(const QByteArray& text);

// Base64 in lines of 76 characters with CRLF line ends.
QByteArray Base64Lines(const QByteArray& data);

// The whole archive. The page is UTF-8 HTML, sent quoted-printable; the
// title goes into the Subject header as an encoded word.
QByteArray Archive(const QString& title, const QString& pageLocation, const QByteArray& html,
                   const QList<Resource>& resources);

} // namespace Mhtml
