#include "core/j1979/trouble_code_text.h"

#include "core/link/visible_text.h"

std::optional<QString> decodeTroubleCode(const QString& fourCharacters) {
    if (fourCharacters.size() < 4) {
        return std::nullopt;
    }
    static const char* const prefixes[16] = {"P0", "P1", "P2", "P3", "C0", "C1", "C2", "C3",
                                             "B0", "B1", "B2", "B3", "U0", "U1", "U2", "U3"};
    const char16_t first = fourCharacters.at(0).unicode();
    int digit = -1;
    if (first >= u'0' && first <= u'9') {
        digit = first - u'0';
    } else if (first >= u'A' && first <= u'F') {
        digit = first - u'A' + 10;
    }
    if (digit < 0) {
        return std::nullopt;
    }
    // The other three characters are copied as the vehicle sent them; a control character among
    // them is shown, not obeyed.
    return QLatin1String(prefixes[digit]) + visibleText(QStringView(fourCharacters).mid(1, 3));
}
