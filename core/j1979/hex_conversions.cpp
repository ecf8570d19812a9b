#include "core/j1979/hex_conversions.h"

#include "core/l10n/const_str.h"
#include "core/link/visible_text.h"

namespace {

QString conversionMessage(const QString& text) {
    // The text comes from the vehicle and reaches the error box and the terminal.
    return const_str::NotAHexNumber.arg(QLatin1Char('$') + visibleText(text));
}

int bitPosition(int bit) {
    // Negative positions wrap like positive ones, so the shift below stays defined.
    return ((bit % 32) + 32) % 32;
}

} // namespace

HexConversionError::HexConversionError(const QString& text)
    : std::runtime_error(conversionMessage(text).toStdString()),
      m_message(conversionMessage(text)) {}

qint64 hexToInt(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    if (text.size() > 16) {
        throw HexConversionError(text);
    }
    quint64 value = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        int nibble = -1;
        if (u >= u'0' && u <= u'9') {
            nibble = u - u'0';
        } else if (u >= u'A' && u <= u'F') {
            nibble = u - u'A' + 10;
        } else if (u >= u'a' && u <= u'f') {
            nibble = u - u'a' + 10;
        }
        if (nibble < 0) {
            throw HexConversionError(text);
        }
        value = (value << 4) | quint64(nibble);
    }
    return qint64(value);
}

qint64 binToInt(const QString& text) {
    qint64 value = 0;
    const qsizetype length = text.size();
    for (qsizetype k = 1; k <= length; ++k) {
        if (text.at(length - k) == QLatin1Char('1')) {
            value += qint64(1) << ((k - 1) % 32);
        }
    }
    return value;
}

QString intToBin(qint64 value, int topBit) {
    QString text;
    for (int bit = topBit; bit >= 0; --bit) {
        text += isBitSet(value, bit) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

bool isBitSet(qint64 value, int bit) {
    return ((quint64(value) >> bitPosition(bit)) & 1U) != 0;
}
