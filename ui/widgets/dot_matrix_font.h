#pragma once

#include <QChar>

#include <array>

// One character of a 5x7 dot-matrix font: seven rows from the top, in each row bit 4 is the
// leftmost dot and bit 0 the rightmost.
using DotMatrixGlyph = std::array<quint8, 7>;

// The dots of a character: printable ASCII, the degree and micro signs and the accented letters
// of the languages we ship. A character the font does not hold comes back blank.
DotMatrixGlyph dotMatrixGlyph(QChar character);
