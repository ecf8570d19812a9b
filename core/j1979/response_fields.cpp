#include "core/j1979/response_fields.h"

#include "core/j1979/hex_conversions.h"

namespace response_fields {

QString firstTwo(const QString& text) {
    return text.left(2);
}

QString responseCode(const QString& service) {
    return QLatin1Char('4') + service.mid(1, 1);
}

qint64 pairAt(const QString& answer, qsizetype position) {
    if (position < 1) {
        return 0;
    }
    return hexToInt(answer.mid(position - 1, 2));
}

} // namespace response_fields
