#include "core/link/network_address.h"

#include <QRegularExpression>

namespace {

const QString kScheme = QStringLiteral("tcp://");

// A host name or IPv4 address, or an IPv6 address in brackets, then a port of up to five digits.
// The character set is narrow on purpose: whatever passes goes to the name resolver.
const QRegularExpression& hostAndPort() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(?:\[([0-9A-Fa-f:.]+)\]|([A-Za-z0-9._-]+)):([0-9]{1,5})$)"));
    return pattern;
}

std::optional<NetworkAddress> parseHostAndPort(const QString& text) {
    const QRegularExpressionMatch match = hostAndPort().match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int port = match.captured(3).toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    NetworkAddress address;
    address.host = match.hasCaptured(1) && !match.captured(1).isEmpty() ? match.captured(1)
                                                                        : match.captured(2);
    address.port = port;
    return address;
}

} // namespace

namespace network_address {

bool isNetworkPort(const QString& portName) {
    return portName.trimmed().startsWith(kScheme, Qt::CaseInsensitive);
}

std::optional<NetworkAddress> parse(const QString& portName) {
    const QString name = portName.trimmed();
    if (!isNetworkPort(name))
        return std::nullopt;
    return parseHostAndPort(name.mid(kScheme.size()));
}

QString normalizedPortName(const QString& typed) {
    const QString text = typed.trimmed();
    // A device path always has a slash; "HOST:PORT" never has one.
    if (!text.contains(QLatin1Char('/')) && parseHostAndPort(text))
        return kScheme + text;
    return text;
}

} // namespace network_address
