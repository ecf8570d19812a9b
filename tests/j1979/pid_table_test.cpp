// Every catalogue PID decoded from one sample answer in both unit systems. The expected texts are
// worked out by hand from the J1979 scalings and the program's formats, not taken from the code.

#include "j1979/mode01.h"
#include "locale_guard.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct PidCase {
    const char* pid;
    const char* data; // data bytes as the packed answer carries them after "41" and the PID
    const char* metric;
    const char* english;
};

// clang-format off
const PidCase pidCases[] = {
    {"01", "89076D00", "MIL on, DTCs: 9", "MIL on, DTCs: 9"},
    {"02", "0133", "P0133", "P0133"},
    {"03", "0200", "closed loop", "closed loop"},
    {"04", "80", "50.2", "50.2"},                       // 12800 / 255 = 50.196
    {"05", "7B", "83", "181"},                          // 747 / 5 + 32 = 181.4
    {"06", "90", "12.5", "12.5"},                       // 16 * 100 / 128
    {"07", "5A", "-29.7", "-29.7"},                     // -3800 / 128 = -29.6875
    {"08", "80", "0.0", "0.0"},
    {"09", "00", "-100.0", "-100.0"},
    {"0A", "64", "300", "43.5"},                        // 300 kPa = 43.511 psi
    {"0B", "65", "101", "14.6"},                        // 101 kPa = 14.649 psi
    {"0C", "118C", " 1123", " 1123"},                   // 4492 / 4
    {"0D", "64", "100", " 62"},                         // 100 / 1.609 = 62.15
    {"0E", "95", "10.5", "10.5"},                       // 149 / 2 - 64
    {"0F", "3A", "18", " 64"},                          // 162 / 5 + 32 = 64.4
    {"10", "01F4", "5.00", "0.66"},                     // 5 g/s = 0.6614 lb/min
    {"11", "FF", "100.0", "100.0"},
    {"12", "04", "air off", "air off"},
    {"13", "03", "O2 location 1-1, O2 location 1-2", "O2 location 1-1, O2 location 1-2"},
    {"14", "0780", "0.035 V, trim: 0.0 %", "0.035 V, trim: 0.0 %"},
    {"15", "08FF", "0.040 V", "0.040 V"},               // FF: not used for trim
    {"16", "FF00", "1.275 V, trim: -100.0 %", "1.275 V, trim: -100.0 %"},
    {"17", "64A0", "0.500 V, trim: 25.0 %", "0.500 V, trim: 25.0 %"},
    {"18", "00FF", "0.000 V", "0.000 V"},
    {"19", "107F", "0.080 V, trim: -0.8 %", "0.080 V, trim: -0.8 %"},  // -100 / 128
    {"1A", "2081", "0.160 V, trim: 0.8 %", "0.160 V, trim: 0.8 %"},
    {"1B", "C880", "1.000 V, trim: 0.0 %", "1.000 V, trim: 0.0 %"},
    {"1C", "06", "EOBD", "EOBD"},
    {"1D", "05", "O2 location 1-3", "O2 location 1-3"},
    {"1E", "01", "on", "on"},
    {"1F", "0E8D", "01:02:05", "01:02:05"},             // 3725 s
    {"20", "80000001", "Error", "Error"},               // never asked for
    {"21", "0064", "100", "62"},
    {"22", "03E8", "79.000", "11.5"},                   // 79 kPa = 11.458 psi
    {"23", "0102", "2580", "374.2"},                    // 2580 kPa = 374.197 psi
    {"24", "80004000", "1.999 V, ratio: 0.999", "1.999 V, ratio: 0.999"},
    {"25", "00000000", "0.000 V, ratio: 0.000", "0.000 V, ratio: 0.000"},
    {"26", "FFFFFFFF", "7.995 V, ratio: 1.999", "7.995 V, ratio: 1.999"},
    {"27", "40001000", "0.500 V, ratio: 0.500", "0.500 V, ratio: 0.500"},
    {"28", "80000000", "0.000 V, ratio: 0.999", "0.000 V, ratio: 0.999"},
    {"29", "60000800", "0.250 V, ratio: 0.750", "0.250 V, ratio: 0.750"},
    {"2A", "00010001", "0.000 V, ratio: 0.000", "0.000 V, ratio: 0.000"},
    {"2B", "A0003000", "1.499 V, ratio: 1.249", "1.499 V, ratio: 1.249"},
    {"2C", "33", "20.0", "20.0"},
    {"2D", "00", "-100.0", "-100.0"},
    {"2E", "1A", "10.2", "10.2"},
    {"2F", "CC", "80.0", "80.0"},
    {"30", "0A", "10", "10"},
    {"31", "0191", "401", "249"},                       // 401 / 1.609 = 249.2
    {"32", "0064", "25.00", "0.100"},                   // 25 Pa / 249.089
    {"33", "65", "101", "29.83"},                       // 101 * 0.2953 = 29.825
    {"34", "80008000", "0.999 - 0.000", "0.999 - 0.000"},
    {"35", "40008100", "0.500 - 1.000", "0.500 - 1.000"},
    {"36", "00000000", "0.000 - -128.000", "0.000 - -128.000"},
    {"37", "FFFFFFFF", "1.999 - 127.996", "1.999 - 127.996"},
    {"38", "60007F80", "0.750 - -0.500", "0.750 - -0.500"},
    {"39", "20008040", "0.250 - 0.250", "0.250 - 0.250"},
    {"3A", "80008000", "0.999 - 0.000", "0.999 - 0.000"},
    {"3B", "A0009000", "1.249 - 16.000", "1.249 - 16.000"},
    {"3C", "1194", "410.0", "770.0"},
    {"3D", "0000", "-40.0", "-40.0"},
    {"3E", "0BB8", "260.0", "500.0"},
    {"3F", "0FA5", "360.5", "680.9"},
    {"40", "00000000", "Error", "Error"},               // never asked for
    {"41", "000765" "04", "6 of 7 complete", "6 of 7 complete"},
    {"42", "3A98", "15.000", "15.000"},
    {"43", "0080", " 50.2", " 50.2"},
    {"44", "8000", "0.999", "0.999"},
    {"45", "80", " 50.2", " 50.2"},
    {"46", "32", "10", " 50"},
    {"47", "FF", "100.0", "100.0"},
    {"48", "00", "  0.0", "  0.0"},
    {"49", "1A", " 10.2", " 10.2"},
    {"4A", "33", " 20.0", " 20.0"},
    {"4B", "CC", " 80.0", " 80.0"},
    {"4C", "66", " 40.0", " 40.0"},
    {"4D", "012C", "300", "300"},
    {"4E", "0E10", "3600", "3600"},
};
// clang-format on

TEST(PidTable, CoversEveryCataloguePid) {
    std::set<QString> pids;
    for (const PidCase& c : pidCases) {
        pids.insert(QString::fromLatin1(c.pid));
    }
    EXPECT_EQ(pids.size(), 78u);
    EXPECT_EQ(*pids.begin(), QStringLiteral("01"));
    EXPECT_EQ(*pids.rbegin(), QStringLiteral("4E"));
}

TEST(PidTable, EveryPidDecodesInBothUnitSystems) {
    LocaleGuard locale(englishLocale());
    TMode01 mode01;
    for (const PidCase& c : pidCases) {
        const QString pid = QString::fromLatin1(c.pid);
        SCOPED_TRACE(c.pid);
        ScriptedLink link;
        link.answer(QStringLiteral("01") + pid,
                    QStringLiteral("41") + pid + QString::fromLatin1(c.data));
        EXPECT_EQ(mode01.GetPIDValue(link, QStringLiteral("01"), pid, false),
                  QString::fromUtf8(c.metric));
        EXPECT_EQ(mode01.GetPIDValue(link, QStringLiteral("01"), pid, true),
                  QString::fromUtf8(c.english));
    }
}

} // namespace
