#pragma once

#include <QString>

// Decoded values are shown, logged and read back as numbers in the user's regional format, so
// every number a decoder writes goes through here.
namespace display_number {

// The value written with one printf-style conversion ("%d", "%.2d", "%3.1f", "%5.0f", ...), the
// decimal point replaced by the one of the default QLocale. Integer conversions take the value
// rounded to the nearest whole number. Halves are rounded away from zero, as people round.
QString format(const char* conversion, double value);

} // namespace display_number
