// The emulated ELM327 byte for byte: what its clients send at start, and the CAN layouts.

#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/vehicle_profile.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

struct Elm327 {
    std::unique_ptr<VehicleProfile> vehicle = makeVehicleProfile(QStringLiteral("demo"));
    Elm327Emulator chip;

    explicit Elm327(Elm327Emulator::Settings settings = {})
        : chip(*vehicle, ElmEmulator::Options{}, settings) {}

    // The chip's output to one command line.
    QByteArray say(const char* command) {
        QByteArray out;
        for (const ElmEmulator::Output& piece : chip.feed(QByteArray(command) + '\r'))
            out += piece.bytes;
        return out;
    }
};

TEST(Elm327Emulator, StartCommandsOfTheClients) {
    Elm327 elm;
    EXPECT_EQ(elm.say("ATZ"), "ATZ\r\rELM327 v1.5\r\r>");
    EXPECT_EQ(elm.say("ATE0"), "ATE0\rOK\r\r>");
    EXPECT_EQ(elm.say("ATL1"), "OK\r\n\r\n>");
    EXPECT_EQ(elm.say("ATL0"), "OK\r\r>");
    EXPECT_EQ(elm.say("ATI"), "ELM327 v1.5\r\r>");
    EXPECT_EQ(elm.say("AT@1"), "OBDII to RS232 Interpreter\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A0\r\r>");
    EXPECT_EQ(elm.say("ATDP"), "AUTO\r\r>");
    for (const char* ok : {"ATM0", "ATCAF1", "ATAT1", "ATST32", "ATH0", "ATS1", "ATSP0", "ATTP6"})
        EXPECT_EQ(elm.say(ok), "OK\r\r>") << ok;
    EXPECT_EQ(elm.say("ATRV"), "12.6V\r\r>");
    EXPECT_EQ(elm.say("ATXYZ"), "?\r\r>");
    EXPECT_EQ(elm.say("ATSP Z"), "?\r\r>");
    // A warm start brings echo back, as ATZ does.
    EXPECT_EQ(elm.say("ATWS"), "\rELM327 v1.5\r\r>");
    EXPECT_EQ(elm.say("ATI"), "ATI\rELM327 v1.5\r\r>");
}

TEST(Elm327Emulator, AutomaticSearchSaysSoOnceAndThenNamesTheProtocol) {
    Elm327 elm;
    elm.say("ATE0");
    EXPECT_EQ(elm.say("0100"), "SEARCHING...\r41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(elm.say("0100"), "41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A6\r\r>");
    EXPECT_EQ(elm.say("ATDP"), "AUTO, ISO 15765-4 (CAN 11/500)\r\r>");
    EXPECT_EQ(elm.say("ATSP3"), "OK\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "3\r\r>");
    EXPECT_EQ(elm.say("0100"), "UNABLE TO CONNECT\r\r>");
    EXPECT_EQ(elm.say("0901"), "UNABLE TO CONNECT\r\r>");
}

TEST(Elm327Emulator, HeadersSpacesAndNumberedFrames) {
    Elm327 elm;
    elm.say("ATE0");
    elm.say("0100"); // the search
    EXPECT_EQ(elm.say("0902"), "014\r0: 49 02 01 31 47 31\r1: 4A 43 35 34 34 34 52\r"
                               "2: 37 32 35 32 33 36 37\r\r>");
    EXPECT_EQ(elm.say("0901"), "NO DATA\r\r>"); // CAN vehicles give no message counts
    EXPECT_EQ(elm.say("0900"), "49 00 54 00 00 00\r\r>");
    elm.say("ATH1");
    EXPECT_EQ(elm.say("07"), "7E8 10 08 47 03 01 25 07 36\r7E8 21 04 55 AA AA AA AA AA\r\r>");
    elm.say("ATS0");
    EXPECT_EQ(elm.say("04"), "7E80144\r\r>");
    elm.say("ATH0");
    EXPECT_EQ(elm.say("0902"), "014\r0:490201314731\r1:4A433534343452\r2:37323532333637\r\r>");
    // ATD brings back the chip's defaults.
    elm.say("ATD");
    EXPECT_EQ(elm.say("0100"), "0100\r41 00 BE 1F E8 11\r\r>");
}

TEST(Elm327Emulator, SecondUnitAnd29BitHeaders) {
    Elm327Emulator::Settings settings;
    settings.protocol = 7;
    settings.headers = true;
    settings.secondUnit = true;
    Elm327 elm(settings);
    elm.say("ATE0");
    EXPECT_EQ(elm.say("0100"), "SEARCHING...\r18 DA F1 10 06 41 00 BE 1F E8 11\r"
                               "18 DA F1 18 06 41 00 98 18 00 00\r\r>");
    // The engine keeps seven of the nine codes, the transmission the last two.
    EXPECT_EQ(elm.say("03"), "18 DA F1 10 10 10 43 07 01 25 07 36\r"
                             "18 DA F1 10 21 04 55 11 07 12 99 11\r"
                             "18 DA F1 10 22 98 94 91 AA AA AA AA\r"
                             "18 DA F1 18 06 43 02 99 92 A4 27\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A7\r\r>");
}

TEST(Elm327Emulator, IsoProtocolAnswersAsTheElm323Does) {
    Elm327Emulator::Settings settings;
    settings.protocol = 3;
    Elm327 elm(settings);
    elm.say("ATE0");
    EXPECT_EQ(elm.say("0100"), "SEARCHING...\r41 00 BE 1F E8 11\r\r>");
    EXPECT_EQ(elm.say("07"), "47 01 25 07 36 04 55\r\r>");
    EXPECT_EQ(elm.say("ATDPN"), "A3\r\r>");
}

} // namespace
