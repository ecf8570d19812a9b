// The PIDs above 4E decoded from sample answers. Expected values are worked out by hand from the
// published J1979 scalings: value = raw * scale + offset, then °F = °C * 1.8 + 32,
// psi = kPa * 0.1450377, lb/min = g/s * 0.1322774, gal = L / 3.785411784, lb·ft = Nm * 0.7375621,
// miles = km / 1.609.

#include "core/j1979/extended_pids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using extended_pids::Reading;

struct Sample {
    int pid;
    const char* data;
    int index;     // of the sub-value checked
    double metric; // numbers; ignored when text is set
    double english;
    const char* text; // texts are the same in both systems
};

// clang-format off
const Sample samples[] = {
    // Limits, fuel and evaporative system
    {0x4F, "01 02 03 04", 3, 40, 5.801508, nullptr},
    {0x50, "0A 00 00 00", 0, 100, 13.22774, nullptr},
    {0x51, "04", 0, 0, 0, "Diesel"},
    {0x51, "FF", 0, 0, 0, "Unknown (FF)"},
    {0x52, "FF", 0, 100, 100, nullptr},
    {0x53, "03 E8", 0, 5, 0.7251885, nullptr},
    {0x54, "FF 38", 0, -200, -200, nullptr},
    {0x55, "80 A0", 1, 25, 25, nullptr},
    {0x56, "00 80", 0, -100, -100, nullptr},
    {0x57, "C0 80", 0, 50, 50, nullptr},
    {0x58, "80 40", 1, -50, -50, nullptr},
    {0x59, "01 00", 0, 2560, 371.296512, nullptr},
    {0x5A, "33", 0, 20, 20, nullptr},
    {0x5B, "CC", 0, 80, 80, nullptr},
    {0x5C, "82", 0, 90, 194, nullptr},
    {0x5D, "6E 00", 0, 10, 10, nullptr},
    {0x5E, "00 C8", 0, 10, 2.641720524, nullptr},
    {0x5F, "0E", 0, 0, 0, "Heavy duty vehicles (EURO IV) B1"},
    // Torque and auxiliary inputs
    {0x61, "96", 0, 25, 25, nullptr},
    {0x62, "7D", 0, 0, 0, nullptr},
    {0x63, "01 F4", 0, 500, 368.78105, nullptr},
    {0x64, "7D 8C 96 AF C8", 4, 75, 75, nullptr},
    {0x65, "0F 05", 0, 0, 0, "Active"},
    {0x65, "0F 05", 1, 0, 0, "Park or neutral"},
    {0x65, "0F 05", 2, 0, 0, "In gear"},
    // One sub-value per bit of byte A
    {0x66, "03 00 20 01 00", 1, 8, 1.0582192, nullptr},
    {0x67, "03 5A 64", 1, 60, 140, nullptr},
    {0x68, "3F 00 00 00 00 00 28", 5, 0, 32, nullptr},
    {0x69, "3F 00 00 C0 00 00 00", 2, 50, 50, nullptr},
    {0x6A, "0F 00 00 00 FF", 3, 100, 100, nullptr},
    {0x6B, "0F 28 32 3C 46", 2, 20, 68, nullptr},
    {0x6C, "0F 66 00 00 00", 0, 40, 40, nullptr},
    {0x6D, "3F 00 00 00 00 50 03 E8 00 00 00", 2, 40, 104, nullptr},
    {0x6D, "3F 00 00 00 00 50 03 E8 00 00 00", 3, 10000, 1450.377, nullptr},
    {0x6E, "0F 00 00 00 64 00 00 00 00", 1, 1000, 145.0377, nullptr},
    {0x6F, "03 00 65", 1, 101, 14.6488077, nullptr},
    {0x70, "0F 00 00 0C 80 00 00 00 00 00", 1, 100, 14.50377, nullptr},
    {0x71, "0F 00 80 00 00 00", 1, 50.19607843, 50.19607843, nullptr},
    {0x72, "0F 00 00 00 33", 3, 20, 20, nullptr},
    {0x73, "03 00 00 27 10", 1, 100, 14.50377, nullptr},
    {0x74, "01 0B B8 00 00", 0, 30000, 30000, nullptr},
    {0x75, "0F 00 00 1F 40 00 00", 2, 760, 1400, nullptr},
    {0x76, "03 50 00 00 00 00 00", 0, 40, 104, nullptr},
    {0x77, "0F 00 00 00 5A", 3, 50, 122, nullptr},
    // Exhaust aftertreatment
    {0x78, "0F 00 00 00 00 00 00 0F A0", 3, 360, 680, nullptr},
    {0x79, "01 07 D0 00 00 00 00 00 00", 0, 160, 320, nullptr},
    {0x7A, "07 FF 9C 00 00 00 00", 0, -1, -0.1450377, nullptr},
    {0x7B, "07 00 00 00 00 27 10", 2, 100, 14.50377, nullptr},
    {0x7C, "0F 00 00 13 88 00 00 00 00", 1, 460, 860, nullptr},
    {0x7D, "02", 1, 0, 0, "Yes"},
    {0x7E, "02", 0, 0, 0, "No"},
    {0x7F, "07 00 01 51 80 00 00 00 00 00 00 00 00", 0, 86400, 86400, nullptr},
    // Emission control devices: two four-byte timers each, both announced by the device's bit
    {0x81, "01 00 00 0E 10 00 00 00 3C", 0, 3600, 3600, nullptr},
    {0x81, "01 00 00 0E 10 00 00 00 3C", 1, 60, 60, nullptr},
    {0x82, "02 00 00 00 00 00 00 00 00 00 01 51 80", 2, 86400, 86400, nullptr},
    {0x83, "03 00 00 01 2C", 1, 300, 300, nullptr},
    {0x84, "64", 0, 60, 140, nullptr},
    {0x85, "07 00 C8 00 00 80 00 00 00 00", 0, 1, 0.2641720524, nullptr},
    {0x86, "03 00 50 00 00", 0, 1, 1, nullptr},
    {0x87, "03 00 00 0C A0", 1, 101, 14.6488077, nullptr},
    {0x89, "01 00 00 00 64", 0, 100, 100, nullptr},
    {0x8A, "01 FF FF FF FF", 0, 4294967295.0, 4294967295.0, nullptr},
    {0x8D, "80", 0, 50.19607843, 50.19607843, nullptr},
    {0x8E, "64", 0, -25, -25, nullptr},
    {0x98, "0F 00 00 00 00 1F 40 00 00", 2, 760, 1400, nullptr},
    {0x99, "08 00 00 00 00 00 00 03 E8", 3, 60, 140, nullptr},
    {0x9A, "07 01 5A 00 FF 9C", 0, 0, 0, "Charge depleting"},
    {0x9A, "07 00 5A 00 FF 9C", 0, 0, 0, "Charge sustaining"},
    {0x9A, "07 01 5A 00 FF 9C", 1, 360, 360, nullptr},
    {0x9A, "07 01 5A 00 FF 9C", 2, -10, -10, nullptr},
    {0x9B, "00 82 32 9E", 0, 32.5, 32.5, nullptr},
    {0x9B, "00 82 32 9E", 1, 10, 50, nullptr},
    {0x9B, "00 82 32 FF", 2, 100, 100, nullptr},
    {0x9D, "01 F4 00 00", 0, 10, 1.322774, nullptr},
    {0x9E, "01 F4", 0, 100, 100, nullptr},
    // Since 2019
    {0xA1, "03 00 00 01 F4", 1, 500, 500, nullptr},
    {0xA2, "00 40", 0, 2, 2, nullptr},
    {0xA4, "03 30 0D AC", 0, 0, 0, "3"},
    {0xA4, "03 00 0D AC", 0, 0, 0, "Neutral"},
    {0xA4, "03 30 0D AC", 1, 3.5, 3.5, nullptr},
    {0xA5, "01 64 00 00", 0, 50, 50, nullptr},
    {0xA6, "00 01 86 A0", 0, 10000, 6215.040398, nullptr},
    {0xA9, "01 01 00 00", 0, 0, 0, "On"},
    {0xC4, "00 00 0E 10 00 00 00 07", 0, 3600, 3600, nullptr},
    {0xC4, "00 00 0E 10 00 00 00 07", 1, 7, 7, nullptr},
};
// clang-format on

TEST(ExtendedPids, SampleAnswersDecodeInBothUnitSystems) {
    for (const Sample& s : samples) {
        SCOPED_TRACE(
            QStringLiteral("PID %1 sub-value %2").arg(s.pid, 0, 16).arg(s.index).toStdString());
        const QByteArray data = QByteArray::fromHex(s.data);
        for (const bool english : {false, true}) {
            const auto results = extended_pids::decode(s.pid, data, english);
            ASSERT_GT(results.size(), s.index);
            const auto& result = results[s.index];
            ASSERT_EQ(result.reading, Reading::Value);
            if (s.text != nullptr) {
                EXPECT_EQ(std::get<QString>(result.value), QString::fromUtf8(s.text));
                continue;
            }
            const double expected = english ? s.english : s.metric;
            EXPECT_NEAR(std::get<double>(result.value), expected,
                        1e-6 * std::max(1.0, std::abs(expected)))
                << (english ? "English" : "metric");
        }
    }
}

// Layouts we do not decode come back as the bytes the car sent.
TEST(ExtendedPids, UndecodedLayoutsShowTheirBytes) {
    for (const auto& description : extended_pids::descriptions()) {
        if (description.subValues.first().shape != extended_pids::Shape::Raw) {
            continue;
        }
        QByteArray data;
        for (int n = 0; n < description.byteCount; ++n) {
            data.append(char(0xA0 + n));
        }
        const auto results = extended_pids::decode(description.pid, data, true);
        ASSERT_EQ(results.size(), 1);
        EXPECT_EQ(std::get<QString>(results[0].value),
                  QString::fromLatin1(data.toHex(' ').toUpper()))
            << description.pid;
    }
}

struct Hostile {
    int pid;
    const char* data;
    int index;
    Reading expected;
};

// clang-format off
const Hostile hostiles[] = {
    {0x67, "02 5A 64", 0, Reading::NotPresent},          // availability bit clear
    {0x67, "02 5A 64", 1, Reading::Value},
    {0x67, "FF 5A 64", 1, Reading::Value},               // undefined bits set: still two values
    {0x67, "03 5A", 1, Reading::NotRead},                // answer stops before sensor 2
    {0x67, "", 0, Reading::NotRead},                     // not even byte A
    {0x6D, "3F 00 00 00 00 50", 2, Reading::Value},      // a six-byte answer of the old layout
    {0x6D, "3F 00 00 00 00 50", 3, Reading::NotRead},
    {0x6D, "07 00 00 00 00 50", 3, Reading::NotPresent},
    {0x7F, "07 00 00 01", 0, Reading::NotRead},          // half a four-byte counter
    {0xA6, "00 01 86", 0, Reading::NotRead},
    {0x51, "", 0, Reading::NotRead},
    {0x5C, "82 FF FF", 0, Reading::Value},               // bytes beyond the PID's count
    {0xA9, "00 01 00 00", 0, Reading::NotPresent},
    {0x81, "01 00 01", 0, Reading::NotRead},
    {0x81, "02 00 00 0E 10 00 00 00 3C", 1, Reading::NotPresent}, // the device's timers are there
    {0x9A, "06 01 5A 00 FF 9C", 0, Reading::NotPresent},
    {0x9A, "07 01 5A 00 FF", 2, Reading::NotRead},         // half the current
};
// clang-format on

TEST(ExtendedPids, HostileAnswersNeverReadMissingBytes) {
    for (const Hostile& h : hostiles) {
        SCOPED_TRACE(
            QStringLiteral("PID %1 data '%2'").arg(h.pid, 0, 16).arg(h.data).toStdString());
        const auto results = extended_pids::decode(h.pid, QByteArray::fromHex(h.data), false);
        ASSERT_EQ(results.size(), extended_pids::describe(h.pid)->subValues.size());
        EXPECT_EQ(results[h.index].reading, h.expected);
    }
    for (const int pid : {-1, 0x4E, 0x60, 0x95, 0xC0, 0xC2, 0x1FF}) {
        EXPECT_TRUE(extended_pids::decode(pid, QByteArray(64, '\xFF'), false).isEmpty()) << pid;
    }
}

// A row typed wrong in the table would read another sub-value's bits or a byte the PID does not
// have. One availability bit may announce several values (a device's two timers).
TEST(ExtendedPids, EverySubValueLiesWithinItsPid) {
    int previousPid = 0x4E;
    for (const auto& description : extended_pids::descriptions()) {
        EXPECT_GT(description.pid, previousPid);
        previousPid = description.pid;
        QList<int> bitsRead; // 8 * byte + bit
        for (const auto& sub : description.subValues) {
            SCOPED_TRACE(sub.name);
            EXPECT_GE(sub.firstByte, sub.availabilityBit < 0 ? 0 : 1);
            EXPECT_LE(sub.firstByte + sub.width(description.byteCount), description.byteCount);
            EXPECT_EQ(sub.unit == nullptr, sub.isText());
            EXPECT_LT(sub.availabilityBit, 8);
            QList<int> bits;
            if (sub.shape == extended_pids::Shape::Bit) {
                bits << 8 * sub.firstByte + sub.bit;
            } else {
                const int first = sub.shape == extended_pids::Shape::HighNibble ? 4 : 0;
                for (int n = 8 * sub.firstByte + first;
                     n < 8 * (sub.firstByte + sub.width(description.byteCount)); ++n) {
                    bits << n;
                }
            }
            for (const int bit : bits) {
                EXPECT_FALSE(bitsRead.contains(bit)) << "byte " << bit / 8;
                bitsRead << bit;
            }
        }
    }
    EXPECT_LE(previousPid, 0xC4);
}

} // namespace
