#include "core/j1979/control_units.h"

#include "core/l10n/const_str.h"

#include <QList>

namespace control_units {

namespace {

// The source address at the end of a 29-bit CAN identifier "18DAF1xx", else the address itself.
QString sourceOf(const QString& address) {
    const QString upper = address.toUpper();
    if (upper.size() == 8 && upper.startsWith(QLatin1String("18DAF1")))
        return upper.right(2);
    return upper;
}

} // namespace

Role roleOf(const QString& address) {
    const QString source = sourceOf(address);
    if (source == QLatin1String("7E8") || source == QLatin1String("10"))
        return Role::Engine;
    if (source == QLatin1String("7E9") || source == QLatin1String("18"))
        return Role::Transmission;
    return Role::Other;
}

QString defaultName(const QString& address, const std::function<QString(const char*)>& translate) {
    if (address.isEmpty())
        return {};
    const auto text = [&translate](const QString& word) {
        return translate ? translate(word.toUtf8().constData()) : word;
    };
    const QString shown = address.toUpper();
    switch (roleOf(address)) {
    case Role::Engine:
        return text(const_str::UnitEngine) + QStringLiteral(" (") + shown + u')';
    case Role::Transmission:
        return text(const_str::UnitTransmission) + QStringLiteral(" (") + shown + u')';
    case Role::Other:
        break;
    }
    return text(const_str::UnitOther).arg(shown);
}

QString displayName(const QString& address, const QHash<QString, QString>& ownNames,
                    const std::function<QString(const char*)>& translate) {
    const QString own = ownNames.value(address.toUpper()).trimmed();
    return own.isEmpty() ? defaultName(address, translate) : own;
}

QString engineUnit(const QList<QString>& answered) {
    for (const QString& address : answered)
        if (roleOf(address) == Role::Engine)
            return address;
    return answered.isEmpty() ? QString() : answered.first();
}

} // namespace control_units
