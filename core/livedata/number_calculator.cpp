#include "core/livedata/number_calculator.h"

#include "core/j1979/hex_conversions.h"
#include "core/l10n/const_str.h"

namespace number_calculator {

namespace {

QString hexAtLeast8(qint64 value) {
    // A negative value (only a pasted "-5" makes one) shows as the 64-bit pattern it is.
    return QStringLiteral("%1").arg(quint64(value), 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int lengthLimit(Input input) {
    switch (input) {
    case Input::Binary:
        return 32;
    case Input::Integer:
        return 10;
    case Input::Hex:
        return 8;
    }
    return 0;
}

std::optional<QChar> filterKey(Input input, const QString& text, QChar key) {
    if (key == QChar(0x08))
        return key;
    if (text.size() >= lengthLimit(input))
        return std::nullopt;
    const char16_t c = key.unicode();
    switch (input) {
    case Input::Binary:
        if (c == u'0' || c == u'1')
            return key;
        break;
    case Input::Integer:
        if (c >= u'0' && c <= u'9')
            return key;
        break;
    case Input::Hex:
        if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'))
            return key;
        if (c >= u'a' && c <= u'f')
            return QChar(char16_t(c - u'a' + u'A'));
        break;
    }
    return std::nullopt;
}

Converted fromBinary(const QString& text) {
    const qint64 value = binToInt(text);
    return {QString::number(value), hexAtLeast8(value), quint32(value)};
}

Converted fromInteger(const QString& text) {
    if (text.isEmpty())
        return {QStringLiteral("0"), QStringLiteral("0"), 0};
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        throw NumberConversionError(const_str::NotAnIntegerNumber.arg(text));
    return {hexAtLeast8(value), intToBin(value, 31), quint32(value)};
}

Converted fromHex(const QString& text) {
    if (text.isEmpty())
        return {QStringLiteral("0"), QStringLiteral("0"), 0};
    const qint64 value = hexToInt(text);
    return {QString::number(value), intToBin(value, 31), quint32(value)};
}

} // namespace number_calculator
