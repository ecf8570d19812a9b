#pragma once

#include <QList>
#include <QString>
#include <optional>

// In-use performance ratios (service 09, information type 08 for spark ignition, 0B for
// compression ignition): how often each monitor completed against how often its conditions were
// met, after the general conditions counter and the ignition cycle counter.
struct InUseRatio {
    QString monitor; // in the language of the run when it was read
    int completions = 0;
    int conditions = 0;
    // completions / conditions; nothing while the conditions were never met.
    std::optional<double> ratio() const {
        return conditions > 0 ? std::optional<double>(double(completions) / conditions)
                              : std::nullopt;
    }
    bool operator==(const InUseRatio&) const = default;
};

struct InUseRatios {
    enum class Problem {
        None,
        NotAsked,    // the unit's supported set lists neither type
        NotAnswered, // no usable answer (none, NO DATA, a negative response)
        Garbled,     // messages missing, out of order or not hexadecimal
        OddCount,    // the counters do not come in pairs: which one is which cannot be told
    };

    Problem problem = Problem::NotAsked;
    bool compressionIgnition = false;
    int obdConditions = 0;  // general conditions met (OBDCOND)
    int ignitionCycles = 0; // ignition cycles (IGNCNTR)
    QList<InUseRatio> monitors;
    bool operator==(const InUseRatios&) const = default;
};

// Reads the answer to "0908" (infoType 8) or "090B" (11), laid out as numbered four-byte messages
// ("4908", message number, two counters); messageCount is the count the vehicle announced (09 07
// on the older protocols), nothing to take the answer's own messages. Nothing is made up: a
// message out of order, a counter cut in half or an odd number of counters gives no values.
InUseRatios parseInUseRatios(const QString& answer, int infoType,
                             std::optional<int> messageCount = std::nullopt);
