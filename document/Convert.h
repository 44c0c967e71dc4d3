#pragma once
#include <QString>
#include <stdexcept>

// An error the program raises itself, worded for the user: it ends the
// whole operation, and the event guard shows its message as it is.
class EProgramError : public std::runtime_error {
public:
    explicit EProgramError(const QString& message);
    QString Message() const;
};

// Raised when a text that must be a number is not one. It ends the whole
// operation that needed the number.
class EConvertError : public EProgramError {
public:
    using EProgramError::EProgramError;
};

// A decimal integer with optional leading blanks and sign, fitting 32 bits.
// Throws EConvertError("\"<text>\" не является целым числом") otherwise.
int StrToInt(const QString& text);

// The same conversion without the exception.
bool TryStrToInt(const QString& text, int& value);

// "True"/"False" in any letter case, or a number (0 is false). Throws
// EConvertError("\"<text>\" не является логическим значением") otherwise.
bool StrToBool(const QString& text);
