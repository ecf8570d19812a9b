#include "tools/elmsim/elm_emulator.h"

#include "core/link/recording_format.h"
#include "tools/elmsim/iso_messages.h"
#include "tools/elmsim/recorded_car.h"
#include "tools/elmsim/vehicle_profile.h"

#include <QStringList>

namespace {

const QString kVersion = QStringLiteral("ELM323 v2.0");

} // namespace

ElmEmulator::ElmEmulator(VehicleProfile& vehicle, Options options)
    : m_vehicle(vehicle), m_line(options) {}

void ElmEmulator::reset() {
    m_line.echo = true;
    m_line.linefeeds = false;
    m_headers = false;
}

bool ElmEmulator::Line::isHexRequest(const QString& line) {
    if (line.isEmpty() || line.size() % 2 != 0)
        return false;
    for (QChar c : line)
        if (!c.isDigit() && (c < QLatin1Char('A') || c > QLatin1Char('F')))
            return false;
    return true;
}

std::optional<std::vector<ElmEmulator::Output>>
ElmEmulator::Line::replayed(const QString& line) const {
    if (!m_options.replay || !isHexRequest(recording_format::requestKey(line)))
        return std::nullopt;
    const RecordedCar::Answer answer = m_options.replay->answer(line);
    return std::vector<Output>{{finish(answer.text), true, answer.delayMs}};
}

QByteArray ElmEmulator::Line::finish(const QString& text, bool leadingBlankLine) const {
    const QByteArray end = linefeeds ? "\r\n" : "\r";
    QByteArray out;
    if (leadingBlankLine)
        out += end;
    for (const QString& line : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts))
        out += line.toLatin1() + end + (m_options.blankLines ? end : QByteArray());
    out += end;
    if (m_options.prompt)
        out += '>';
    return out;
}

std::vector<ElmEmulator::Output>
ElmEmulator::Line::feed(const QByteArray& input,
                        const std::function<std::vector<Output>(const QString&)>& handleLine) {
    std::vector<Output> out;
    for (char c : input) {
        const bool muted = m_options.muteAfter >= 0 && m_requests >= m_options.muteAfter;
        if (muted)
            continue;
        if (c == '\n')
            continue; // the chip ignores line feeds from the host
        if (echo || m_options.keepEcho)
            out.push_back({QByteArray(1, c) + (c == '\r' && linefeeds ? "\n" : ""), false});
        if (c != '\r') {
            if (m_buffer.size() < 256) // a chip has a small buffer; longer junk is cut
                m_buffer += c;
            continue;
        }
        QString line = QString::fromLatin1(m_buffer).toUpper();
        line.remove(QLatin1Char(' '));
        m_buffer.clear();
        if (line.isEmpty() && repeatOnEmptyLine)
            line = m_lastLine;
        if (line.isEmpty()) {
            out.push_back({m_options.prompt ? QByteArray(">") : QByteArray(), false});
            continue;
        }
        m_lastLine = line;
        ++m_requests;
        for (Output& piece : handleLine(line))
            out.push_back(std::move(piece));
    }
    return out;
}

std::vector<ElmEmulator::Output> ElmEmulator::feed(const QByteArray& input) {
    return m_line.feed(input, [this](const QString& line) { return handleLine(line); });
}

std::vector<ElmEmulator::Output> ElmEmulator::handleLine(const QString& line) {
    if (line.startsWith(QLatin1String("AT"))) {
        const QString cmd = line.mid(2);
        if (cmd == QLatin1String("Z")) {
            reset();
            return {{m_line.finish(kVersion, true), false}};
        }
        if (cmd == QLatin1String("I"))
            return {{m_line.finish(kVersion), false}};
        if (cmd == QLatin1String("E0") || cmd == QLatin1String("E1")) {
            m_line.echo = cmd.endsWith(QLatin1Char('1'));
            return {{m_line.finish(QStringLiteral("OK")), false}};
        }
        for (auto [name, flag] : {std::pair{'L', &m_line.linefeeds}, std::pair{'H', &m_headers}}) {
            if (cmd == QString(QLatin1Char(name)) + QLatin1Char('0') ||
                cmd == QString(QLatin1Char(name)) + QLatin1Char('1')) {
                *flag = cmd.endsWith(QLatin1Char('1'));
                return {{m_line.finish(QStringLiteral("OK")), false}};
            }
        }
        return {{m_line.finish(QStringLiteral("?")), false}};
    }
    if (auto replayed = m_line.replayed(line))
        return *std::move(replayed);
    if (!Line::isHexRequest(line))
        return {{m_line.finish(QStringLiteral("?")), false}};
    QString answer = m_line.vehicleSilent() ? QString() : m_vehicle.answer(line);
    if (m_headers && !answer.isEmpty()) // the ELM323 talks ISO 9141-2
        answer =
            iso_messages::withHeaders(m_vehicle, line, answer, 3, true).join(QLatin1Char('\r'));
    return {{m_line.finish(answer.isEmpty() ? QStringLiteral("NO DATA") : answer), true}};
}
