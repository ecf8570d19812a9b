#include "tools/elmsim/elm327_emulator.h"

#include "tools/elmsim/can_vehicle.h"
#include "tools/elmsim/iso_messages.h"
#include "tools/elmsim/sim_units.h"
#include "tools/elmsim/vehicle_profile.h"

namespace {

// The reset's own time: a real chip answers ATZ after about a second.
constexpr int kResetMs = 1000;

// A line of hex digits and blanks (a frame, a header, "0:" of a numbered frame).
bool isHexLine(const QString& line) {
    for (const QChar c : line)
        if (!c.isDigit() && !(c >= QLatin1Char('A') && c <= QLatin1Char('F')) &&
            c != QLatin1Char(' ') && c != QLatin1Char(':'))
            return false;
    return !line.isEmpty();
}

struct CloneFamily {
    const char* name;
    bool keepEcho;
    bool blankLines;
    bool busInit;
    bool lowerCaseHex;
};

// Every family names itself v2.1 and knows only the v1.0 commands, as most clones do; elmsim's
// --help says what else each does.
constexpr CloneFamily kCloneFamilies[] = {
    {"v21", false, false, false, false},
    {"echo", true, true, false, false},
    {"chatty", false, false, true, true},
};

const char* const protocolNames[] = {
    "AUTO",
    "SAE J1850 PWM",
    "SAE J1850 VPW",
    "ISO 9141-2",
    "ISO 14230-4 (KWP 5BAUD)",
    "ISO 14230-4 (KWP FAST)",
    "ISO 15765-4 (CAN 11/500)",
    "ISO 15765-4 (CAN 29/500)",
    "ISO 15765-4 (CAN 11/250)",
    "ISO 15765-4 (CAN 29/250)",
};

QString protocolDigit(int protocol) {
    return QString::number(protocol, 16).toUpper();
}

} // namespace

bool Elm327Emulator::cloneByName(const QString& name, Clone& clone, ElmEmulator::Options& options) {
    for (const CloneFamily& family : kCloneFamilies) {
        if (name != QLatin1String(family.name))
            continue;
        clone.version = QStringLiteral("ELM327 v2.1");
        clone.v10Commands = true;
        clone.busInit = family.busInit;
        clone.lowerCaseHex = family.lowerCaseHex;
        options.keepEcho = options.keepEcho || family.keepEcho;
        options.blankLines = family.blankLines;
        return true;
    }
    return false;
}

Elm327Emulator::Elm327Emulator(VehicleProfile& vehicle, ElmEmulator::Options options,
                               Settings settings)
    : m_secondUnit(settings.secondUnit ? sim_units::withTransmission(vehicle) : nullptr),
      m_vehicle(m_secondUnit ? *m_secondUnit : vehicle), m_line(options), m_settings(settings),
      m_timing(settings.timing) {
    m_line.repeatOnEmptyLine = true;
    reset();
}

void Elm327Emulator::reset() {
    m_line.echo = true;
    m_line.linefeeds = false;
    m_headers = m_settings.headers;
    m_spaces = m_settings.spaces;
    m_found = false;
    m_timing.reset();
}

std::vector<ElmEmulator::Output> Elm327Emulator::feed(const QByteArray& input) {
    return m_line.feed(input, [this](const QString& line) { return handleLine(line); });
}

std::vector<ElmEmulator::Output> Elm327Emulator::handleLine(const QString& line) {
    if (line.startsWith(QLatin1String("AT"))) {
        const QString command = line.mid(2);
        const QString answer = handleAt(command);
        const bool restarted = command == QLatin1String("Z") || command == QLatin1String("WS");
        // The echo has gone out already; the version comes when the chip is up again.
        const int pause = restarted && m_timing.realtime() ? kResetMs : 0;
        return {{m_line.finish(answer, restarted), false, pause, pause > 0}};
    }
    if (auto replayed = m_line.replayed(line)) {
        m_found = true; // the recorded answers already hold the search
        return *std::move(replayed);
    }
    if (ElmEmulator::Line::isHexRequest(line))
        return handleRequest(line, 0);
    if (m_settings.clone.v10Commands)
        return {{m_line.finish(QStringLiteral("?")), false}};
    // One digit more than whole bytes: the number of answers to expect, 1 to F.
    const QString request = line.chopped(1);
    const int expected = QString(line.back()).toInt(nullptr, 16);
    if (request.size() >= 2 && ElmEmulator::Line::isHexRequest(request) && expected > 0)
        return handleRequest(request, expected);
    return {{m_line.finish(QStringLiteral("?")), false}};
}

std::vector<ElmEmulator::Output> Elm327Emulator::handleRequest(const QString& request,
                                                               int expectedAnswers) {
    VehicleAnswer answer = vehicleAnswer(request, expectedAnswers);
    if (m_settings.clone.lowerCaseHex) {
        QStringList lines = answer.text.split(QLatin1Char('\r'));
        for (QString& line : lines)
            if (isHexLine(line))
                line = line.toLower();
        answer.text = lines.join(QLatin1Char('\r'));
    }
    const QByteArray whole = m_line.finish(answer.text);
    if (!m_timing.realtime())
        return {{whole, true}};
    const int wait = m_timing.waitMs();
    // Nobody answered: the chip says so when it stops listening.
    if (answer.units == 0)
        return {{whole, true, wait}};
    m_timing.answered();
    // The answers come as the units send them; the prompt follows at once when the expected
    // number has come, else when the chip has listened in vain for one more.
    const QByteArray closing = m_line.finish(QString());
    const bool complete = expectedAnswers > 0 && answer.units >= expectedAnswers;
    return {{whole.chopped(closing.size()), true, m_timing.responseMs()},
            {closing, false, complete ? 0 : wait}};
}

QString Elm327Emulator::handleAt(const QString& command) {
    const QString ok = QStringLiteral("OK");
    const QString& version = m_settings.clone.version;
    if (command == QLatin1String("Z") || command == QLatin1String("WS")) {
        reset();
        return version;
    }
    if (m_settings.clone.v10Commands &&
        ((command.startsWith(QLatin1String("AT")) && command.size() == 3) ||
         command == QLatin1String("H1")))
        return QStringLiteral("?");
    if (command == QLatin1String("D")) {
        // Defaults again, but the protocol once found stays found.
        const bool found = m_found;
        reset();
        m_found = found;
        return ok;
    }
    if (command == QLatin1String("I"))
        return version;
    if (command == QLatin1String("@1"))
        return QStringLiteral("OBDII to RS232 Interpreter");
    if (command == QLatin1String("RV"))
        return QStringLiteral("12.6V");
    struct Switch {
        const char* name;
        bool* flag;
    };
    bool ignored = false;
    const Switch switches[] = {{"E", &m_line.echo}, {"L", &m_line.linefeeds}, {"H", &m_headers},
                               {"S", &m_spaces},    {"M", &ignored},          {"CAF", &ignored}};
    for (const Switch& s : switches) {
        const QString name = QLatin1String(s.name);
        if (command.size() == name.size() + 1 && command.startsWith(name) &&
            (command.endsWith(QLatin1Char('0')) || command.endsWith(QLatin1Char('1')))) {
            *s.flag = command.endsWith(QLatin1Char('1'));
            return ok;
        }
    }
    if (command.startsWith(QLatin1String("SP")) || command.startsWith(QLatin1String("TP"))) {
        QString number = command.mid(2);
        if (number.size() == 2 && number.startsWith(QLatin1Char('A')))
            number.remove(0, 1); // "try this one first, then search": a search all the same
        bool valid = false;
        const int protocol = number.toInt(&valid, 16);
        if (!valid || number.size() != 1 || protocol > 9)
            return QStringLiteral("?");
        m_chosenProtocol = command.mid(2).size() == 2 ? 0 : protocol;
        m_found = false;
        return ok;
    }
    if (command.startsWith(QLatin1String("AT")) && command.size() == 3)
        return m_timing.setAdaptive(command.mid(2)) ? ok : QStringLiteral("?");
    if (command.startsWith(QLatin1String("ST")) && command.size() == 4)
        return m_timing.setTimeout(command.mid(2)) ? ok : QStringLiteral("?");
    if (command == QLatin1String("DPN") || command == QLatin1String("DP")) {
        const bool automatic = m_chosenProtocol == 0;
        const int shown =
            automatic && !m_found ? 0 : (automatic ? m_settings.protocol : m_chosenProtocol);
        if (command == QLatin1String("DPN"))
            return (automatic ? QStringLiteral("A") : QString()) + protocolDigit(shown);
        const QString name = QLatin1String(protocolNames[shown]);
        return automatic && shown != 0 ? QStringLiteral("AUTO, ") + name : name;
    }
    return QStringLiteral("?");
}

Elm327Emulator::VehicleAnswer Elm327Emulator::vehicleAnswer(const QString& request,
                                                            int expectedAnswers) {
    QString prefix;
    if (m_chosenProtocol == 0 && !m_found) {
        prefix = QStringLiteral("SEARCHING...\r");
        if (m_settings.clone.busInit)
            prefix += QStringLiteral("BUS INIT: ...OK\r");
        m_found = true;
    } else if (m_chosenProtocol != 0 && m_chosenProtocol != m_settings.protocol) {
        return {QStringLiteral("UNABLE TO CONNECT"), 0};
    }
    const QString noData = prefix + QStringLiteral("NO DATA");
    // A time-out set shorter than the units take to answer hears nothing.
    if (m_line.vehicleSilent() || (m_timing.realtime() && !m_timing.answerInTime()))
        return {noData, 0};
    // The chip stops listening after the expected number of answers; later ones are lost.
    const auto cut = [expectedAnswers](auto& list) {
        if (expectedAnswers > 0 && list.size() > expectedAnswers)
            list.resize(expectedAnswers);
    };
    if (!isCan()) {
        // Each line is one message on these protocols; with headers the messages a unit sends
        // together come apart.
        const QString answer = m_vehicle.answer(request);
        QStringList messages = m_headers ? iso_messages::withHeaders(m_vehicle, request, answer,
                                                                     m_settings.protocol, m_spaces)
                                         : answer.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        cut(messages);
        if (messages.isEmpty())
            return {noData, 0};
        return {prefix + messages.join(QLatin1Char('\r')), int(messages.size())};
    }
    QList<QByteArray> units = can_vehicle::answer(m_vehicle, request);
    cut(units);
    QStringList lines;
    for (qsizetype unit = 0; unit < units.size(); ++unit)
        lines << canLines(int(unit), units.at(unit));
    if (lines.isEmpty())
        return {noData, 0};
    return {prefix + lines.join(QLatin1Char('\r')), int(units.size())};
}

QString Elm327Emulator::header(int unit) const {
    const bool wide = m_settings.protocol == 7 || m_settings.protocol == 9;
    if (wide)
        return bytesText(QByteArray::fromHex("18DAF1") + char(0x10 + 8 * unit));
    return QStringLiteral("7E%1").arg(8 + unit, 0, 16).toUpper();
}

QString Elm327Emulator::bytesText(const QByteArray& bytes) const {
    return QString::fromLatin1(bytes.toHex(m_spaces ? ' ' : '\0').toUpper());
}

// One message as the chip prints it: a single frame when it fits in seven bytes, else a first
// frame and numbered consecutive frames, whose last one is padded to eight bytes.
QStringList Elm327Emulator::canLines(int unit, const QByteArray& message) const {
    const QString gap = m_spaces ? QStringLiteral(" ") : QString();
    QStringList lines;
    if (message.size() <= 7) {
        if (m_headers)
            lines << header(unit) + gap + bytesText(QByteArray(1, char(message.size())) + message);
        else
            lines << bytesText(message);
        return lines;
    }
    const int length = int(message.size());
    QByteArray first;
    first += char(0x10 | (length >> 8));
    first += char(length & 0xFF);
    first += message.left(6);
    QList<QByteArray> frames{first};
    int sequence = 1;
    for (qsizetype at = 6; at < message.size(); at += 7) {
        QByteArray next(1, char(0x20 | (sequence++ & 0x0F)));
        next += message.mid(at, 7);
        next.append(8 - next.size(), char(0xAA));
        frames << next;
    }
    if (m_headers) {
        for (const QByteArray& frame : frames)
            lines << header(unit) + gap + bytesText(frame);
        return lines;
    }
    lines << QStringLiteral("%1").arg(length, 3, 16, QLatin1Char('0')).toUpper();
    for (qsizetype i = 0; i < frames.size(); ++i) {
        // Without headers the chip numbers the frames itself and leaves out their control bytes.
        const QByteArray data = i == 0 ? frames.at(i).mid(2) : frames.at(i).mid(1);
        lines << QStringLiteral("%1:").arg(i % 16, 0, 16).toUpper() + gap + bytesText(data);
    }
    return lines;
}
