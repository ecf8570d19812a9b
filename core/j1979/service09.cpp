#include "core/j1979/service09.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/response_fields.h"
#include "core/l10n/const_str.h"
#include "core/link/command_link.h"
#include "core/link/visible_text.h"

#include <optional>

namespace {

constexpr qsizetype messageLength = 14;
constexpr int bytesPerMessage = 4;
constexpr qsizetype vinLength = 17;
constexpr qsizetype ecuNameLength = 20;

// 1-based position of the first data character of message m (1-based) of an answer.
qsizetype messageData(int m) {
    return messageLength * (m - 1) + 7;
}

// A CAN vehicle reports no message counts (information types 01, 03, 05); its answer, laid out
// as numbered messages by the exchange, holds exactly the messages it has.
qsizetype messagesIn(const QString& answer) {
    return answer.size() / messageLength;
}

// The messages of an answer to read: the count the vehicle gave; without one, the answer's own
// messages when the count was never going to come (CAN) or was asked and not given under askAll;
// otherwise none.
qint64 messagesToRead(std::optional<qint64> count, bool counted, bool askAll,
                      const QString& answer) {
    if (count) {
        return *count;
    }
    return !counted || askAll ? messagesIn(answer) : 0;
}

bool hasInfoType(const SupportedPidSet& set, int infoType) {
    return set[size_t(infoType - 1)];
}

// The message count that a count request (0901, 0903, 0905) answers, or nothing when the answer
// lacks the response.
std::optional<qint64> readCount(CommandLink& link, const QString& request) {
    const LinkAnswer answer = link.exchange(request);
    if (!answer || !answer->contains(QLatin1Char('4') + request.mid(1))) {
        return std::nullopt;
    }
    return response_fields::pairAt(*answer, 5);
}

// The data bytes of messages first..last as characters, until the answer ends or maxLength
// characters are taken. The zero bytes that pad short values are left out; any other control
// byte is written out visibly (\x1B), so that it neither acts on a terminal nor breaks the
// report's XML.
QString messageCharacters(const QString& answer, int first, int last, qsizetype maxLength) {
    QString text;
    for (int m = first; m <= last; ++m) {
        for (int n = 1; n <= bytesPerMessage; ++n) {
            const qsizetype position = messageData(m) + 2 * (n - 1);
            // A digit without its partner would make a wrong character.
            if (position + 1 > answer.size() || text.size() >= maxLength) {
                return visibleText(text);
            }
            const qint64 byte = response_fields::pairAt(answer, position);
            if (byte != 0) {
                text += QChar(char16_t(byte));
            }
        }
    }
    return visibleText(text);
}

// True when messages 1..last of an answer are all there, whole and numbered in order: a message
// lost on the way would otherwise move the next one's characters into its place.
bool messagesComplete(const QString& answer, int last) {
    if (last < 1 || answer.size() < messageLength * last) {
        return false;
    }
    for (int m = 1; m <= last; ++m) {
        if (response_fields::pairAt(answer, messageData(m) - 2) != m) {
            return false;
        }
    }
    return true;
}

// The number of messages a whole VIN takes: its 17 characters in four-byte messages, the first
// padded with zero bytes in front.
int messagesOfVin(const QString& answer, int available) {
    int characters = 0;
    for (int m = 1; m <= available; ++m) {
        for (int n = 0; n < bytesPerMessage; ++n) {
            if (response_fields::pairAt(answer, messageData(m) + 2 * n) != 0 &&
                ++characters == vinLength) {
                return m;
            }
        }
    }
    return 0;
}

} // namespace

Service09::Service09() {
    reset();
}

void Service09::reset() {
    m_vinMessageCount = 0;
    m_vin = const_str::NotAvailable;
    m_calibrationIds = QStringList{const_str::NotAvailable};
    m_cvns = QStringList{const_str::NotAvailable};
    m_vinState = m_cidState = m_cvnState = ItemState::NotAsked;
    m_ecuName.clear();
    m_ecuNameState = ItemState::NotAsked;
    m_inUseRatios = InUseRatios{};
}

void Service09::readVehicleInfo(CommandLink& link, bool askAll) {
    m_supported = readSupportedPids(link, QStringLiteral("09"), QStringLiteral("00"));
    reset();
    readVin(link, askAll);
    readCalibrationIds(link, askAll);
    readCalibrationVerificationNumbers(link, askAll);
}

void Service09::readVin(CommandLink& link, bool askAll) {
    const bool counted = !link.canLayout();
    std::optional<qint64> count;
    if (counted && (askAll || hasInfoType(m_supported, 0x01))) {
        count = readCount(link, QStringLiteral("0901"));
    }
    if (!askAll && !hasInfoType(m_supported, 0x02)) {
        return;
    }
    m_vinState = ItemState::NotAnswered;
    const LinkAnswer answer = link.exchange(QStringLiteral("0902"));
    if (!answer || !answer->contains(QLatin1String("4902"))) {
        return;
    }
    const int messages = int(messagesToRead(count, counted, askAll, *answer));
    // Read only when whole: all 17 characters, or every message the vehicle's count announced.
    // A fragment would pass for a VIN in the report and on the command line.
    const int vinMessages =
        messagesOfVin(*answer, int(qMin<qint64>(messages, messagesIn(*answer))));
    const bool whole =
        messagesComplete(*answer, vinMessages) || (count && messagesComplete(*answer, messages));
    if (!whole) {
        return;
    }
    m_vinMessageCount = messages;
    m_vin = messageCharacters(*answer, 1, messages, vinLength);
    if (!m_vin.isEmpty()) {
        m_vinState = ItemState::Read;
    }
}

void Service09::readCalibrationIds(CommandLink& link, bool askAll) {
    const bool counted = !link.canLayout();
    if (counted && !askAll && !hasInfoType(m_supported, 0x03)) {
        return;
    }
    std::optional<qint64> count;
    if (counted) {
        count = readCount(link, QStringLiteral("0903"));
    }
    if (!askAll && !hasInfoType(m_supported, 0x04)) {
        return;
    }
    m_cidState = ItemState::NotAnswered;
    const LinkAnswer reply = link.exchange(QStringLiteral("0904"));
    if (!reply || !reply->contains(QLatin1String("4904"))) {
        return;
    }
    const QString& answer = *reply;
    const qint64 messages = messagesToRead(count, counted, askAll, answer);
    m_calibrationIds.clear();
    // Four messages make one 16-character ID; messages left over do not.
    for (int k = 1; k <= messages / 4; ++k) {
        const int first = 4 * k - 3;
        if (messageData(first) > answer.size()) {
            break;
        }
        m_calibrationIds << messageCharacters(answer, first, 4 * k, 4 * bytesPerMessage);
    }
    if (!m_calibrationIds.isEmpty()) {
        m_cidState = ItemState::Read;
    }
}

void Service09::readCalibrationVerificationNumbers(CommandLink& link, bool askAll) {
    const bool counted = !link.canLayout();
    if (counted && !askAll && !hasInfoType(m_supported, 0x05)) {
        return;
    }
    std::optional<qint64> count;
    if (counted) {
        count = readCount(link, QStringLiteral("0905"));
    }
    if (!askAll && !hasInfoType(m_supported, 0x06)) {
        return;
    }
    m_cvnState = ItemState::NotAnswered;
    const LinkAnswer reply = link.exchange(QStringLiteral("0906"));
    m_cvns.clear();
    if (!reply || !reply->contains(QLatin1String("4906"))) {
        return;
    }
    const QString& answer = *reply;
    const qint64 messages = messagesToRead(count, counted, askAll, answer);
    for (int m = 1; m <= messages; ++m) {
        const QString cvn = answer.mid(messageData(m) - 1, 2 * bytesPerMessage);
        // A message cut short by the end of the answer would give a wrong number.
        if (cvn.size() < 2 * bytesPerMessage) {
            break;
        }
        // The digits are shown as the vehicle sent them, so whatever else it sent is shown too.
        m_cvns << visibleText(cvn);
    }
    if (!m_cvns.isEmpty()) {
        m_cvnState = ItemState::Read;
    }
}

void Service09::readUnitDetails(CommandLink& link) {
    const bool counted = !link.canLayout();
    m_ecuName.clear();
    m_ecuNameState = ItemState::NotAsked;
    if (hasInfoType(m_supported, 0x0A)) {
        m_ecuNameState = ItemState::NotAnswered;
        std::optional<qint64> count;
        if (counted && hasInfoType(m_supported, 0x09))
            count = readCount(link, QStringLiteral("0909"));
        const LinkAnswer answer = link.exchange(QStringLiteral("090A"));
        try {
            const int messages = answer && answer->startsWith(QLatin1String("490A"))
                                     ? int(qMin<qint64>(count.value_or(messagesIn(*answer)), 5))
                                     : 0;
            // A name is read whole or not at all, as a VIN is.
            if (messagesComplete(*answer, messages)) {
                m_ecuName = messageCharacters(*answer, 1, messages, ecuNameLength).trimmed();
                m_ecuNameState = ItemState::Read;
            }
        } catch (const HexConversionError&) {
            m_ecuName.clear();
        }
    }
    m_inUseRatios = InUseRatios{};
    const int type = hasInfoType(m_supported, 0x08)   ? 0x08
                     : hasInfoType(m_supported, 0x0B) ? 0x0B
                                                      : 0;
    if (type == 0)
        return;
    std::optional<int> count;
    if (counted && type == 0x08 && hasInfoType(m_supported, 0x07))
        if (const std::optional<qint64> told = readCount(link, QStringLiteral("0907")))
            count = int(*told);
    const QString request = type == 0x08 ? QStringLiteral("0908") : QStringLiteral("090B");
    const LinkAnswer answer = link.exchange(request);
    m_inUseRatios = parseInUseRatios(answer.value_or(QString()), type, count);
}
