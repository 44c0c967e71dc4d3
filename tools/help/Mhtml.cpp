#include "Mhtml.h"

namespace Mhtml {

namespace {

const QByteArray Crlf("\r\n");
const QByteArray Boundary("----=_Tarnik_Help_Part_0001");
constexpr int MaxLine = 76;

bool Literal(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 33 && u <= 126 && c != '=') || c == ' ' || c == '\t';
}

QByteArray Escaped(char c)
{
    return "=" + QByteArray::number(static_cast<unsigned char>(c), 16).toUpper().rightJustified(2, '0');
}

// One line of text (without its line end) as quoted-printable lines.
QByteArray EncodeLine(const QByteArray& line)
{
    QByteArray out;
    QByteArray current;
    for (int i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool last = i == line.size() - 1;
        // A blank at the end of a line would be lost in transport.
        const QByteArray piece = Literal(c) && !(last && (c == ' ' || c == '\t'))
            ? QByteArray(1, c) : Escaped(c);
        // Keep room for the "=" of a soft break.
        if (current.size() + piece.size() > MaxLine - 1) {
            out += current + "=" + Crlf;
            current.clear();
        }
        current += piece;
    }
    return out + current;
}

// A header text as encoded words (RFC 2047) on folded lines; each word holds
// whole characters and stays within the 75 characters allowed.
QByteArray EncodedWords(const QString& text)
{
    QList<QByteArray> words;
    QByteArray chunk;
    auto flush = [&] {
        if (!chunk.isEmpty())
            words << "=?utf-8?B?" + chunk.toBase64() + "?=";
        chunk.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        // Keep surrogate pairs together.
        const int n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray c = text.mid(i, n).toUtf8();
        i += n - 1;
        if (chunk.size() + c.size() > 39)
            flush();
        chunk += c;
    }
    flush();
    return words.join(Crlf + " ");
}

QByteArray PartHeaders(const QByteArray& type, const QByteArray& encoding, const QString& location)
{
    return "Content-Type: " + type + Crlf + "Content-Transfer-Encoding: " + encoding + Crlf
        + "Content-Location: " + location.toUtf8() + Crlf + Crlf;
}

} // namespace

QByteArray QuotedPrintable(const QByteArray& text)
{
    QByteArray normal = text;
    normal.replace("\r\n", "\n");
    const QList<QByteArray> lines = normal.split('\n');
    QByteArray out;
    for (int i = 0; i < lines.size(); ++i) {
        out += EncodeLine(lines[i]);
        if (i + 1 < lines.size())
            out += Crlf;
    }
    return out;
}

QByteArray Base64Lines(const QByteArray& data)
{
    const QByteArray all = data.toBase64();
    QByteArray out;
    for (int i = 0; i < all.size(); i += MaxLine)
        out += all.mid(i, MaxLine) + Crlf;
    return out;
}

QByteArray Archive(const QString& title, const QString& pageLocation, const QByteArray& html,
                   const QList<Resource>& resources)
{
    QByteArray out;
    out += "From: <Tarnik>" + Crlf;
    out += "Subject: " + EncodedWords(title) + Crlf;
    out += "MIME-Version: 1.0" + Crlf;
    out += "Content-Type: multipart/related;" + Crlf + "\ttype=\"text/html\";" + Crlf
        + "\tboundary=\"" + Boundary + "\"" + Crlf + Crlf;
    out += "This is a multi-part message in MIME format." + Crlf + Crlf;

    out += "--" + Boundary + Crlf;
    out += PartHeaders("text/html; charset=\"utf-8\"", "quoted-printable", pageLocation);
    // The line end before each boundary belongs to the boundary.
    out += QuotedPrintable(html) + Crlf;

    for (const Resource& r : resources) {
        out += "--" + Boundary + Crlf;
        out += PartHeaders(r.mimeType, "base64", r.location);
        out += Base64Lines(r.data);
    }
    out += "--" + Boundary + "--" + Crlf;
    return out;
}

} // namespace Mhtml
