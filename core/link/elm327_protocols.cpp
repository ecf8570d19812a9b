#include "core/link/elm327_protocols.h"

#include "core/l10n/const_str.h"

#include <array>

namespace {

// Index: the protocol digit 1 to C. The names are the standards' own and stay as they are in
// every language.
constexpr std::array<const char*, 13> kProtocolNames = {
    nullptr,
    "SAE J1850 PWM 41.6 kbaud",
    "SAE J1850 VPW 10.4 kbaud",
    "ISO 9141-2 5 baud init 10.4 kbaud",
    "ISO 14230-4 KWP 5 baud init 10.4 kbaud",
    "ISO 14230-4 KWP fast init 10.4 kbaud",
    "ISO 15765-4 CAN 11 bit 500 kbaud",
    "ISO 15765-4 CAN 29 bit 500 kbaud",
    "ISO 15765-4 CAN 11 bit 250 kbaud",
    "ISO 15765-4 CAN 29 bit 250 kbaud",
    "SAE J1939 CAN 29 bit 250 kbaud",
    "USER1 CAN 11 bit 125 kbaud",
    "USER2 CAN 11 bit 50 kbaud",
};

} // namespace

QString elmProtocolDescription(const QString& protocolNumber) {
    const bool automatic =
        protocolNumber.size() == 2 && protocolNumber.startsWith(QLatin1Char('A'));
    const QString digit = automatic ? protocolNumber.mid(1) : protocolNumber;
    bool ok = false;
    const int value = digit.toInt(&ok, 16);
    if (digit.size() != 1 || !ok || value < 0 || value >= int(kProtocolNames.size()))
        return protocolNumber;
    QString text = protocolNumber;
    // "0": the automatic search is set but has found nothing yet.
    if (automatic || value == 0)
        text += QStringLiteral(" (") + const_str::AutomaticProtocolSearch + QLatin1Char(')');
    if (value > 0)
        text += QStringLiteral(", ") + QLatin1String(kProtocolNames[std::size_t(value)]);
    return text;
}

QString elmProtocolName(int protocol) {
    if (protocol < 1 || protocol >= int(kProtocolNames.size()))
        return {};
    return QLatin1String(kProtocolNames[std::size_t(protocol)]);
}
