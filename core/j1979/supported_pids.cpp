#include "core/j1979/supported_pids.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/response_fields.h"
#include "core/link/command_link.h"

namespace {

// Each block's bitmap covers the 32 PIDs after it; the last of them announces the next block.
constexpr int blockCount = int(SupportedPidSet::Size / 32);
constexpr int bytesPerBlock = 4;

bool dataFollowFrameByte(const QString& service) {
    // Services 02 and 05 put the frame or test number, service 09 its message count, before the
    // bitmap.
    return service == QLatin1String("02") || service == QLatin1String("05") ||
           service == QLatin1String("09");
}

} // namespace

SupportedPidSet readSupportedPids(CommandLink& link, const QString& serviceText,
                                  const QString& frameText) {
    SupportedPidSet set{};
    const QString service = response_fields::firstTwo(serviceText);
    const bool withFrame = service == QLatin1String("02") || service == QLatin1String("05");
    const QString suffix = withFrame ? response_fields::firstTwo(frameText) : QString();
    const QString code = response_fields::responseCode(service);
    const int dataOffset = dataFollowFrameByte(service) ? 6 : 4;

    for (int block = 0; block < blockCount; ++block) {
        const int firstEntry = block * 32;
        if (block > 0 && !set[std::size_t(firstEntry - 1)]) {
            break;
        }
        const QString pid = QStringLiteral("%1").arg(firstEntry, 2, 16, QLatin1Char('0')).toUpper();
        const LinkAnswer reply = link.exchange(service + pid + suffix);
        if (!reply || !reply->contains(code + pid)) {
            break;
        }
        const QString& answer = *reply;
        // With several control units answering, the first response in the answer wins.
        const qsizetype firstData = answer.indexOf(code) + dataOffset + 1;
        std::size_t entry = std::size_t(firstEntry);
        for (int n = 1; n <= bytesPerBlock; ++n) {
            const qint64 byte = response_fields::dataByte(answer, n, firstData);
            for (int bit = 7; bit >= 0; --bit) {
                set[entry++] = isBitSet(byte, bit);
            }
        }
    }
    return set;
}

std::optional<quint8> SupportedPidSet::presenceByte(int pid) const {
    const auto found = m_presence.constFind(pid);
    return found == m_presence.cend() ? std::nullopt : std::optional<quint8>(found.value());
}

bool isSupported(const SupportedPidSet& set, const QString& pid) {
    const qint64 index = hexToInt(pid) - 1;
    return index >= 0 && index < qint64(set.size()) && set[size_t(index)];
}

bool checkEcuConnection(CommandLink& link) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const LinkAnswer answer = link.exchange(QStringLiteral("0100"));
        if (answer && answer->contains(QLatin1String("41"))) {
            return true;
        }
    }
    return false;
}
