#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

// A data pair of an answer that is not a hexadecimal number. Not caught by the readers: it ends
// the user's action and reaches the general error display, so its message is for the user.
class HexConversionError : public std::runtime_error {
public:
    explicit HexConversionError(const QString& text);

    // The translated message, quoting the text with a "$" in front.
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The text read as a hexadecimal number; an empty text counts as "00". Throws HexConversionError
// for anything else than up to 16 hexadecimal digits.
qint64 hexToInt(const QString& text);

// Every "1" adds its power of two (positions counted modulo 32 from the right); other characters
// add nothing, so no text is rejected.
qint64 binToInt(const QString& text);

// Bits topBit down to 0 as "0" and "1" characters; bit positions are taken modulo 32.
QString intToBin(qint64 value, int topBit);

// Whether bit (number modulo 32) of the value is set.
bool isBitSet(qint64 value, int bit);
