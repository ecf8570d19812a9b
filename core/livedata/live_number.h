#pragma once

#include <QString>
#include <optional>

struct PidInfo;

// The decoder writes its numbers with the current locale's decimal separator; these read them back
// the same way. Group separators are never accepted: "1.234" is not one thousand in German, and
// "1,5" is not fifteen in English.

// A number in the current locale's format, blanks around it allowed; nothing for any other text.
std::optional<double> readLocaleNumber(const QString& text);

// A dashboard value: leading blanks, then an integer ("  800" is 800). The load's decoded text
// carries one decimal ("39,2"), so a number in the locale's format is read as that number too;
// anything else ("Error", "N/A") reads as 0.
double readDashboardValue(const QString& text);

// A number in its shortest decimal form in the current locale, without group separators:
// 8000, -40, 1,275 (German).
QString shortestLocaleNumber(double value);

// The graph axis title of a PID: "min   < X <   max  unit", the unit of the unit system.
QString graphAxisTitle(const PidInfo& pid, bool english);
