#pragma once
#include <QByteArray>
#include <QString>

// The station's 1024-byte memory, and its copy in a file. The file holds the
// bare image, nothing else.
namespace station {

class StationImage {
public:
    static constexpr int Size = 1024;

    explicit StationImage(const QByteArray& bytes);

    const QByteArray& Bytes() const { return bytes; }
    uint8_t At(int offset) const { return static_cast<uint8_t>(bytes[offset]); }
    void Store(int offset, uint8_t value) { bytes[offset] = static_cast<char>(value); }

private:
    QByteArray bytes;
};

// The reserved areas of the image (516-519 and 530-1023), which the station
// keeps for itself, filled with a pattern that tells every offset apart and
// has no 0xFF, the byte a programmer building a fresh image puts there.
bool IsReserved(int offset);
uint8_t ReservedPattern(int offset);
void PutReservedPattern(QByteArray& image);

// Reads an image file; false with a message when the file cannot be read or
// does not hold exactly 1024 bytes.
bool LoadImageFile(const QString& path, QByteArray& image, QString& error);

// Writes the image file atomically: a reader sees the old or the new image,
// never a part of one.
bool SaveImageFile(const QString& path, const QByteArray& image, QString& error);

} // namespace station
