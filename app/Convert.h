#pragma once
#include <QString>
#include <stdexcept>

// Raised when a text that must be a number is not one. It ends the whole
// operation that needed the number; the event guard shows its message.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message);
    QString Message() const;
};

// A decimal integer with optional leading blanks and sign, fitting 32 bits.
// Throws EConvertError("'<text>' is not a valid integer value") otherwise.
int StrToInt(const QString& text);

// The same conversion without the exception.
bool TryStrToInt(const QString& text, int& value);

// "True"/"False" in any letter case, or a number (0 is false). Throws
// EConvertError("'<text>' is not a valid boolean value") otherwise.
bool StrToBool(const QString& text);
