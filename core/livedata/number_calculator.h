#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <stdexcept>

// The terminal's calculator: one value typed in base 2, decimal or hexadecimal, shown in the
// other two bases, as J1979 answers are read by hand.
namespace number_calculator {

enum class Input { Binary, Integer, Hex };

// Text typed into the decimal field that is no number (it can come only by pasting). The message
// is for the user.
class NumberConversionError : public std::runtime_error {
public:
    explicit NumberConversionError(const QString& message)
        : std::runtime_error(message.toStdString()) {}
};

// The longest text each input takes by typing: 32 binary digits, 10 decimal, 8 hexadecimal.
int lengthLimit(Input input);

// The key filter of an input: the character that enters the field, or nothing when the key is
// refused. Backspace always passes; any other key only while the text is shorter than the limit
// and only if the input allows it; lower-case hexadecimal digits become upper case.
std::optional<QChar> filterKey(Input input, const QString& text, QChar key);

// The two outputs of a row and, for the hexadecimal row, the value whose low 32 bits the bit
// boxes show.
struct Converted {
    QString first;
    QString second;
    quint32 bits = 0;
};

// Binary to decimal and hexadecimal (at least 8 digits); every character but "1" counts as 0.
Converted fromBinary(const QString& text);
// Decimal to hexadecimal (at least 8 digits) and 32 binary digits; empty gives "0" and "0".
// Throws NumberConversionError when the text is not a 64-bit decimal integer.
Converted fromInteger(const QString& text);
// Hexadecimal to decimal and 32 binary digits; empty gives "0" and "0". Throws
// HexConversionError for anything but up to 16 hexadecimal digits.
Converted fromHex(const QString& text);

} // namespace number_calculator
