#include "core/j1979/supported_pids.h"

#include "core/j1979/hex_conversions.h"
#include "core/j1979/response_fields.h"
#include "core/link/command_link.h"

namespace {

struct Block {
    const char* pid;
    int firstEntry;
    int byteCount;
    int announcingEntry; // the entry that must be set before the block is asked for, or -1
};

// The third block ends at parameter 50: the set has no room for the rest of its bitmap.
constexpr Block blocks[] = {
    {"00", 0, 4, -1},
    {"20", 32, 4, 31},
    {"40", 64, 2, 63},
};

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

    for (const Block& block : blocks) {
        if (block.announcingEntry >= 0 && !set[block.announcingEntry]) {
            break;
        }
        const QString pid = QLatin1String(block.pid);
        const LinkAnswer reply = link.exchange(service + pid + suffix);
        if (!reply || !reply->contains(code + pid)) {
            continue;
        }
        const QString& answer = *reply;
        // With several control units answering, the first response in the answer wins.
        const qsizetype firstData = answer.indexOf(code) + dataOffset + 1;
        int entry = block.firstEntry;
        for (int n = 1; n <= block.byteCount; ++n) {
            const qint64 byte = response_fields::dataByte(answer, n, firstData);
            for (int bit = 7; bit >= 0; --bit) {
                set[entry++] = isBitSet(byte, bit);
            }
        }
    }
    return set;
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
