#include "core/link/visible_text.h"

namespace {

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isInvisibleFormat(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString hex(char32_t c, int width) {
    return QString::number(uint(c), 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString visibleText(QStringView text) {
    QString out;
    bool changed = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        // A surrogate pair is one character; a lone surrogate is not one at all.
        const bool pair =
            unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(unit, text[i + 1]) : unit.unicode();
        QString replacement;
        if (isControl(c))
            replacement = QStringLiteral("\\x") + hex(c, 2);
        else if (isInvisibleFormat(c))
            replacement = QStringLiteral("\\u{") + hex(c, 4) + QLatin1Char('}');
        if (!replacement.isEmpty() && !changed) {
            out.reserve(text.size() + 16);
            out.append(text.first(i));
            changed = true;
        }
        if (!replacement.isEmpty())
            out.append(replacement);
        else if (changed)
            out.append(text.sliced(i, pair ? 2 : 1));
        if (pair)
            ++i;
    }
    return changed ? out : text.toString();
}
