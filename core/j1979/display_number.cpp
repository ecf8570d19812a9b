#include "core/j1979/display_number.h"

#include <QLocale>
#include <cmath>
#include <cstring>

namespace display_number {

namespace {

bool isIntegerConversion(const char* conversion) {
    const size_t length = std::strlen(conversion);
    return length > 0 && conversion[length - 1] == 'd';
}

int precisionOf(const char* conversion) {
    const char* dot = std::strchr(conversion, '.');
    return dot ? std::atoi(dot + 1) : 6;
}

// printf rounds an exact half to even (2.5 -> "2"); moving the value by one unit in the last place
// away from zero makes it round up the way a reader expects, and touches nothing else.
double awayFromZeroAtHalf(double value, int precision) {
    const double scaled = value * std::pow(10.0, precision);
    if (std::fabs(scaled - std::trunc(scaled)) == 0.5) {
        return std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    }
    return value;
}

} // namespace

QString format(const char* conversion, double value) {
    if (isIntegerConversion(conversion)) {
        return QString::asprintf(conversion, int(std::lround(value)));
    }
    const QString text =
        QString::asprintf(conversion, awayFromZeroAtHalf(value, precisionOf(conversion)));
    const QString decimalPoint = QLocale().decimalPoint();
    if (decimalPoint == QLatin1String(".")) {
        return text;
    }
    QString localized = text;
    return localized.replace(QLatin1Char('.'), decimalPoint);
}

} // namespace display_number
