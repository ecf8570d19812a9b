#pragma once

#include <QString>
#include <optional>

// The five-character text of a two-byte trouble code given as four characters of an answer: the
// first digit picks the prefix ("P0".."P3", "C0".."C3", "B0".."B3", "U0".."U3"), the other three
// are copied. A first character that is not an upper-case hexadecimal digit makes no code, and
// neither does a text shorter than four characters.
std::optional<QString> decodeTroubleCode(const QString& fourCharacters);
