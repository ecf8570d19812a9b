#include "core/j1979/negative_response.h"

#include <QRegularExpression>

namespace negative_response {

namespace {

struct Reason {
    int code;
    const char* text;
};

// The codes J1979 lets an emission-related control unit give, and the ones CAN units answer with
// for a request they do not know.
constexpr Reason kReasons[] = {
    {0x10, "general reject"},
    {0x11, "service not supported"},
    {0x12, "sub-function not supported or invalid format"},
    {0x13, "incorrect message length or invalid format"},
    {0x21, "busy, repeat request"},
    {0x22, "conditions not correct or request sequence error"},
    {0x31, "request out of range"},
    {0x33, "security access denied"},
    {0x78, "request correctly received, response pending"},
};

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

std::optional<Refusal> parse(const QString& answer) {
    static const QRegularExpression form(QStringLiteral("^7F ?([0-9A-F]{2}) ?([0-9A-F]{2})"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(answer.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return Refusal{match.captured(1).toInt(nullptr, 16), match.captured(2).toInt(nullptr, 16)};
}

QString reasonText(int reason) {
    for (const Reason& known : kReasons)
        if (known.code == reason)
            return QString::fromLatin1(known.text);
    return QStringLiteral("unknown reason");
}

QString describe(const Refusal& refusal) {
    return QStringLiteral("negative response to service %1: reason %2 (%3)")
        .arg(twoDigits(refusal.service), twoDigits(refusal.reason), reasonText(refusal.reason));
}

} // namespace negative_response
