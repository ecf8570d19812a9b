// Every reader fed with broken answers: it may give the sentinel, empty lists or raise the
// conversion error, but never crash or read past an answer (the sanitizer build checks that).

#include "core/j1979/hex_conversions.h"
#include "core/j1979/service_objects.h"
#include "core/link/command_link.h"
#include "locale_guard.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Answers every request by putting the request's own response code in front of a broken tail,
// so the readers get past their header checks and into the data.
class HostileLink : public CommandLink {
public:
    QString tail;
    bool withHeader = true;

    LinkAnswer exchange(const QString& command) override {
        if (!withHeader || command.size() < 2) {
            return tail;
        }
        return QLatin1Char('4') + command.mid(1) + tail;
    }
};

template <typename Read>
void survive(Read read) {
    try {
        read();
    } catch (const HexConversionError&) {
        // The one failure a reader may report for data that are not hexadecimal.
    }
}

void readEverything(HostileLink& link) {
    Service01 service01;
    Service02 service02;
    Service09 service09;
    for (int pid = 0; pid <= 0x52; ++pid) {
        const QString code = QStringLiteral("%1").arg(pid, 2, 16, QLatin1Char('0')).toUpper();
        survive([&] { service01.pidValue(link, "01", code, pid % 2 == 0); });
        survive([&] { service02.freezeFrameValue(link, "02", code, pid % 2 == 1, "00"); });
    }
    survive([&] { service01.readStatus(link); });
    survive([&] { service02.readSupported(link); });
    survive([&] { service02.freezeFrameCode(link); });
    survive([&] { Service03().storedCodes(link); });
    survive([&] { Service07().pendingCodes(link); });
    survive([&] { o2SensorLocations(link); });
    survive([&] { Service05().readO2SensorTests(link, 0x81); });
    survive([&] { service09.readVehicleInfo(link); });
    survive([&] { checkEcuConnection(link); });
}

TEST(HostileAnswers, HandPickedBreakage) {
    LocaleGuard locale(englishLocale());
    const char* const tails[] = {
        "",
        "0",
        "00",
        "000",
        "FF",
        "FFFFFFFFFFFFFFFFFFFFFF",
        "7F 01 12",
        "NO DATA",
        "0A0",
        "0A0Z",
        "zz",
        "\xc3\xa4\xc3\xb6",
        "1 2 3",
        "43",
        "4301",
        "4301330",
        "44",
        ">",
        "0101010101010101010101010101010101010101",
        "00FF00FF00FF00FF00FF00FF00FF00FF00FF00FF",
    };
    HostileLink link;
    for (const char* tail : tails) {
        SCOPED_TRACE(tail);
        link.tail = QString::fromUtf8(tail);
        link.withHeader = true;
        readEverything(link);
        link.withHeader = false;
        readEverything(link);
    }
}

TEST(HostileAnswers, RandomTails) {
    LocaleGuard locale(englishLocale());
    const QString alphabet = QStringLiteral("0123456789ABCDEF0123456789ABCDEF47F NODATax\r");
    QRandomGenerator random(1979);
    HostileLink link;
    for (int round = 0; round < 300; ++round) {
        const int length = random.bounded(0, 64);
        QString tail;
        for (int i = 0; i < length; ++i) {
            tail += alphabet.at(random.bounded(int(alphabet.size())));
        }
        SCOPED_TRACE(tail.toStdString());
        link.tail = tail;
        link.withHeader = (round % 3) != 0;
        readEverything(link);
    }
}

} // namespace
