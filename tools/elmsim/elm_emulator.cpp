#include "tools/elmsim/elm_emulator.h"

#include "tools/elmsim/vehicle_profile.h"

#include <QStringList>

namespace {

const QString kVersion = QStringLiteral("ELM323 v2.0");

bool isHexRequest(const QString& line) {
    if (line.isEmpty() || line.size() % 2 != 0)
        return false;
    for (QChar c : line)
        if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F')))
            return false;
    return true;
}

} // namespace

ElmEmulator::ElmEmulator(VehicleProfile& vehicle, Options options)
    : m_vehicle(vehicle), m_options(options) {}

void ElmEmulator::reset() {
    m_echo = true;
    m_linefeeds = false;
}

QByteArray ElmEmulator::lineEnd() const {
    return m_linefeeds ? "\r\n" : "\r";
}

QByteArray ElmEmulator::finish(const QString& text, bool leadingBlankLine) const {
    QByteArray out;
    if (leadingBlankLine)
        out += lineEnd();
    for (const QString& line : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts))
        out += line.toLatin1() + lineEnd();
    out += lineEnd();
    if (m_options.prompt)
        out += '>';
    return out;
}

std::vector<ElmEmulator::Output> ElmEmulator::feed(const QByteArray& input) {
    std::vector<Output> out;
    for (char c : input) {
        const bool muted = m_options.muteAfter >= 0 && m_requests >= m_options.muteAfter;
        if (muted)
            continue;
        if (c == '\n')
            continue; // the chip ignores line feeds from the host
        if (m_echo)
            out.push_back({QByteArray(1, c) + (c == '\r' && m_linefeeds ? "\n" : ""), false});
        if (c != '\r') {
            if (m_line.size() < 256) // a chip has a small buffer; longer junk is cut
                m_line += c;
            continue;
        }
        QString line = QString::fromLatin1(m_line).toUpper();
        line.remove(QLatin1Char(' '));
        m_line.clear();
        for (Output& piece : handleLine(line))
            out.push_back(std::move(piece));
    }
    return out;
}

std::vector<ElmEmulator::Output> ElmEmulator::handleLine(const QString& line) {
    if (line.isEmpty())
        return {{m_options.prompt ? QByteArray(">") : QByteArray(), false}};
    ++m_requests;
    if (line.startsWith(QLatin1String("AT"))) {
        const QString cmd = line.mid(2);
        if (cmd == QLatin1String("Z")) {
            reset();
            return {{finish(kVersion, true), false}};
        }
        if (cmd == QLatin1String("I"))
            return {{finish(kVersion), false}};
        if (cmd == QLatin1String("E0") || cmd == QLatin1String("E1")) {
            m_echo = cmd.endsWith(QLatin1Char('1'));
            return {{finish(QStringLiteral("OK")), false}};
        }
        if (cmd == QLatin1String("L0") || cmd == QLatin1String("L1")) {
            m_linefeeds = cmd.endsWith(QLatin1Char('1'));
            return {{finish(QStringLiteral("OK")), false}};
        }
        return {{finish(QStringLiteral("?")), false}};
    }
    if (!isHexRequest(line))
        return {{finish(QStringLiteral("?")), false}};
    const QString answer = m_vehicle.answer(line);
    return {{finish(answer.isEmpty() ? QStringLiteral("NO DATA") : answer), true}};
}
