#include "core/livedata/live_number.h"

#include "core/j1979/sensor_catalogue.h"

#include <QLocale>

namespace {

QLocale strictLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

std::optional<double> readLocaleNumber(const QString& text) {
    bool ok = false;
    const double value = strictLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

double readDashboardValue(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    const QString rest = text.mid(start);
    bool ok = false;
    const int integer = rest.toInt(&ok);
    if (ok)
        return integer;
    return readLocaleNumber(rest).value_or(0.0);
}

QString shortestLocaleNumber(double value) {
    return strictLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

QString graphAxisTitle(const PidInfo& pid, bool english) {
    return shortestLocaleNumber(pid.graphMin) + QStringLiteral("   < X <   ") +
           shortestLocaleNumber(pid.graphMax) + QStringLiteral("  ") + pid.unit(english);
}
