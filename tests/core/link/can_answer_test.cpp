// Raw ELM327 answers from CAN vehicles, laid out as the chip's data sheet shows them, through the
// one place that turns them into the ISO layout, and on through the readers.

#include "core/j1979/service09.h"
#include "core/j1979/supported_pids.h"
#include "core/j1979/trouble_codes.h"
#include "core/link/can_answer.h"
#include "core/link/command_link.h"
#include "tests/support/qt_printers.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

// A chip's raw output per command, cleaned as the exchange cleans it on a CAN protocol.
class RawCanLink : public CommandLink {
public:
    void raw(const QString& command, const QByteArray& output) { m_raw[command] = output; }
    LinkAnswer exchange(const QString& command) override {
        return can_answer::fromSerial(m_raw.value(command, QByteArray("NO DATA\r\r>")));
    }
    bool canLayout() const override { return true; }

private:
    QHash<QString, QByteArray> m_raw;
};

LinkAnswer clean(const char* raw) {
    return can_answer::fromSerial(QByteArray(raw));
}

QStringList storedCodes(const char* raw) {
    RawCanLink link;
    link.raw(QStringLiteral("03"), QByteArray(raw));
    return Service03().storedCodes(link).value_or(QStringList{QStringLiteral("not read")});
}

TEST(CanAnswer, SingleFramesWithAndWithoutHeadersAndSpaces) {
    const QString expected = QStringLiteral("4100BE1FA813");
    EXPECT_EQ(clean("41 00 BE 1F A8 13\r\r>"), expected);
    EXPECT_EQ(clean("4100BE1FA813\r\r>"), expected);
    EXPECT_EQ(clean("7E8 06 41 00 BE 1F A8 13\r\r>"), expected);
    EXPECT_EQ(clean("7E8064100BE1FA813\r\r>"), expected);
    EXPECT_EQ(clean("18 DA F1 10 06 41 00 BE 1F A8 13\r\r>"), expected);
    EXPECT_EQ(clean("18DAF110064100BE1FA813\r\n\r\n>"), expected);
    // Padding after the length byte's end is not part of the answer.
    EXPECT_EQ(clean("7E8 03 41 0D 00 AA AA AA AA\r\r>"), QStringLiteral("410D00"));
}

TEST(CanAnswer, StatusLinesAreDroppedAndBusErrorsStayNoData) {
    EXPECT_EQ(clean("SEARCHING...\r41 00 BE 1F A8 13\r\r>"), QStringLiteral("4100BE1FA813"));
    EXPECT_EQ(clean("BUS INIT: ...OK\r41 00 BE 1F A8 13\r\r>"), QStringLiteral("4100BE1FA813"));
    EXPECT_EQ(clean("SEARCHING...\rUNABLE TO CONNECT\r\r>"), QStringLiteral("UNABLE TO CONNECT"));
    EXPECT_EQ(clean("NO DATA\r\r>"), QStringLiteral("NO DATA"));
    EXPECT_EQ(clean("CAN ERROR\r\r>"), QStringLiteral("CAN ERROR"));
    EXPECT_EQ(clean("BUS BUSY\r\r>"), QStringLiteral("BUS BUSY"));
    EXPECT_EQ(clean("STOPPED\r\r>"), QStringLiteral("STOPPED"));
    // One unit's error does not hide another unit's answer.
    EXPECT_EQ(clean("7E8 06 41 00 BE 1F A8 13\rCAN ERROR\r\r>"), QStringLiteral("4100BE1FA813"));
    // No prompt: no answer, as for any answer.
    EXPECT_EQ(clean("7E8 06 41 00 BE"), std::nullopt);
}

TEST(CanAnswer, AnswersThatAreNoFramesAreCleanedAsAlways) {
    EXPECT_EQ(clean("OK\r\r>"), QStringLiteral("OK"));
    EXPECT_EQ(clean("ELM327 v1.5\r\r>"), QStringLiteral("ELM327 v1.5"));
    EXPECT_EQ(clean("A6\r\r>"), QStringLiteral("A6"));
    EXPECT_EQ(clean("6\r\r>"), QStringLiteral("6"));
    EXPECT_EQ(clean("12.6V\r\r>"), QStringLiteral("12.6V"));
    EXPECT_EQ(clean("7F 01 12\r\r>"), QStringLiteral("7F 01 12"));
    EXPECT_EQ(clean("7E8 03 7F 01 12\r\r>"), QStringLiteral("7F 01 12"));
}

TEST(CanAnswer, TwoUnitsKeepTheirOrderAndTheFirstOneGivesTheSupportedPids) {
    const QByteArray raw = "7E8 06 41 00 BE 1F A8 13\r7E9 06 41 00 C0 00 00 00\r\r>";
    EXPECT_EQ(can_answer::fromSerial(raw), QStringLiteral("4100BE1FA8134100C0000000"));
    RawCanLink link;
    link.raw(QStringLiteral("0100"), raw);
    const SupportedPidSet set = readSupportedPids(link, QStringLiteral("01"), QString());
    EXPECT_TRUE(isSupported(set, QStringLiteral("01")));
    EXPECT_TRUE(isSupported(set, QStringLiteral("1C")));
    // Only the transmission, which answered second, names PID 02.
    EXPECT_FALSE(isSupported(set, QStringLiteral("02")));
}

TEST(CanAnswer, TroubleCodeCountsOfZeroOneThreeAndSeven) {
    EXPECT_EQ(storedCodes("43 00\r\r>"), QStringList());
    EXPECT_EQ(clean("43 00\r\r>"), QStringLiteral("43000000000000"));
    EXPECT_EQ(storedCodes("43 01 01 33\r\r>"), QStringList({"P0133"}));
    EXPECT_EQ(storedCodes("7E8 04 43 01 01 33\r\r>"), QStringList({"P0133"}));
    // Three codes need eight bytes: a first and one consecutive frame.
    EXPECT_EQ(storedCodes("008\r0: 43 03 01 33 01 71\r1: 03 00 00 00 00 00 00\r\r>"),
              QStringList({"P0133", "P0171", "P0300"}));
    EXPECT_EQ(storedCodes("7E8 10 08 43 03 01 33 01 71\r7E8 21 03 00 00 00 00 00 00\r\r>"),
              QStringList({"P0133", "P0171", "P0300"}));
    const QStringList seven = {"P0101", "P0102", "P0103", "P0104", "P0105", "P0106", "P0107"};
    EXPECT_EQ(storedCodes("010\r0: 43 07 01 01 01 02\r1: 01 03 01 04 01 05 01\r"
                          "2: 06 01 07 00 00 00 00\r\r>"),
              seven);
    // Spaces off: header, frame control byte and data run together.
    EXPECT_EQ(storedCodes("7E81010430701010102\r7E82101030104010501\r7E82206010700000000\r\r>"),
              seven);
}

TEST(CanAnswer, CodesOfSeveralUnitsAndInterleavedFrames) {
    // The engine's long answer and the transmission's short one, the frames mixed as they come.
    EXPECT_EQ(storedCodes("7E8 10 08 43 03 01 33 01 71\r7E9 04 43 01 07 00\r"
                          "7E8 21 03 00 AA AA AA AA AA\r\r>"),
              QStringList({"P0133", "P0171", "P0300", "P0700"}));
    // A unit without codes adds its empty frame, which gives no code.
    EXPECT_EQ(clean("7E8 04 43 01 01 33\r7E9 02 43 00\r\r>"),
              QStringLiteral("43013300000000 43000000000000").remove(' '));
    // A message short of the codes its count announces is not read, whatever the other units
    // sent.
    for (const char* shortOfCount :
         {"43 05 01 33\r\r>", "43 02 01\r\r>", "43\r\r>", "43 05 01 33 01 71\r\r>",
          "7E8 04 43 01 01 33\r7E9 03 43 02 07\r\r>"}) {
        SCOPED_TRACE(shortOfCount);
        EXPECT_EQ(storedCodes(shortOfCount), QStringList({"not read"}));
    }
}

TEST(CanAnswer, VinInOneMessageBecomesFiveNumberedMessages) {
    const char* vin = "014\r0: 49 02 01 31 44 34\r1: 47 50 30 30 52 35 35\r"
                      "2: 42 31 32 33 34 35 36\r\r>";
    EXPECT_EQ(clean(vin), QStringLiteral("49020100000031"
                                         "49020244344750"
                                         "49020330305235"
                                         "49020435423132"
                                         "49020533343536"));
    RawCanLink link;
    link.raw(QStringLiteral("0900"), "49 00 54 40 00 00\r\r>");
    link.raw(QStringLiteral("0902"), vin);
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.vin(), QStringLiteral("1D4GP00R55B123456"));
    EXPECT_EQ(service09.vinMessageCount(), 5);
}

TEST(CanAnswer, CalibrationIdsAndVerificationNumbersWithoutMessageCounts) {
    RawCanLink link;
    // Types 02, 04 and 06 only, as CAN vehicles report them; the bitmap gains its ISO count byte.
    link.raw(QStringLiteral("0900"), "7E8 06 49 00 54 00 00 00\r\r>");
    EXPECT_EQ(link.exchange(QStringLiteral("0900")), QStringLiteral("49000154000000"));
    link.raw(QStringLiteral("0904"),
             "7E8 10 23 49 04 02 31 31 33\r7E8 21 31 35 33 33 34 37 39\r"
             "7E8 22 30 36 30 30 30 32 30\r7E8 23 33 32 35 34 35 31 33\r"
             "7E8 24 33 32 30 36 30 30 30\r7E8 25 34 AA AA AA AA AA AA\r\r>");
    link.raw(QStringLiteral("0906"),
             "7E8 10 0B 49 06 02 AE 6D 46\r7E8 21 B4 00 00 77 1D AA AA\r\r>");
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.vin(), QStringLiteral("N/A")); // 0902 unanswered
    EXPECT_EQ(service09.calibrationIds(), QStringList({"1131533479060002", "0325451332060004"}));
    EXPECT_EQ(service09.calibrationVerificationNumbers(), QStringList({"AE6D46B4", "0000771D"}));
}

TEST(CanAnswer, FramesThatCannotBePlacedAreLeftOut) {
    // A consecutive frame whose first frame was lost, and an unnumbered line among numbered ones.
    EXPECT_EQ(clean("7E8 21 03 00 00 00 00 00 00\r7E9 04 43 01 07 00\r\r>"),
              QStringLiteral("43070000000000"));
    EXPECT_EQ(clean("0: 43 03 01 33 01 71\r\r>"), QStringLiteral("0: 43 03 01 33 01 71"));
    // A cut-off long message is not read, as an ISO answer cut short is not.
    EXPECT_EQ(storedCodes("7E8 10 08 43 03 01 33 01 71\r\r>"), QStringList({"not read"}));
}

TEST(CanAnswer, ProtocolNumbersOfCan) {
    for (const char* can : {"6", "A6", "7", "A9", "A", "AA", "C"})
        EXPECT_TRUE(can_answer::isCanProtocol(QLatin1String(can))) << can;
    for (const char* other : {"0", "A0", "3", "A5", "1", "D", "AD", "Error", ""})
        EXPECT_FALSE(can_answer::isCanProtocol(QLatin1String(other))) << other;
}

} // namespace
