// The connection sequence against the emulated ELM327 on pseudo-terminals: a CAN vehicle with
// headers on and off, spaces on and off, one and two control units, must give the pages exactly
// what the same vehicle gives behind an ELM323.

#include "core/link/elm327_protocols.h"
#include "tests/core/connection/pty_connection.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// What the pages are given by one connection.
struct Shown {
    QStringList stored, pending, cids, cvns, freezeCodes, freezeValues;
    QString vin;
    SupportedPidSet sensors{};
};

struct Connection : PtyConnection {
    using PtyConnection::PtyConnection;

    Shown shown() const {
        Shown s;
        s.stored = view.storedCodes.value_or(QStringList{"unread"});
        s.pending = view.pendingCodes.value_or(QStringList{"unread"});
        s.vin = view.vin;
        s.cids = view.cids;
        s.cvns = view.cvns;
        if (view.sensorSet)
            s.sensors = *view.sensorSet;
        if (view.freezeFrame) {
            s.freezeCodes = view.freezeFrame->codes.value_or(QStringList{"unread"});
            for (const FreezeFrameRow& row : view.freezeFrame->rows)
                s.freezeValues << row.pid + QLatin1Char('=') + row.value.value_or("Error");
        }
        return s;
    }
};

PtyElm::Config elm323(const QString& profile) {
    PtyElm::Config config;
    config.profile = profile;
    return config;
}

PtyElm::Config elm327(const QString& profile, bool headers, bool spaces, bool twoUnits,
                      int protocol = 6) {
    PtyElm::Config config = elm323(profile);
    config.elm327 = true;
    config.elm327Settings.protocol = protocol;
    config.elm327Settings.headers = headers;
    config.elm327Settings.spaces = spaces;
    config.elm327Settings.secondUnit = twoUnits;
    return config;
}

// The reference: the same profile behind the ELM323, with the same units. Its numbered
// calibration messages are read by the first unit's count, so a second unit's calibration ID and
// CVN, which a CAN answer names apart, are added as the transmission has them.
Shown throughElm323(const QString& profile, bool secondUnit = false) {
    PtyElm::Config config = elm323(profile);
    config.elm327Settings.secondUnit = secondUnit;
    Connection reference(config);
    EXPECT_TRUE(reference.sequence.initializeConnection());
    Shown shown = reference.shown();
    if (secondUnit || profile == QLatin1String("full")) {
        shown.cids << QStringLiteral("TCM7700A01");
        shown.cvns << QStringLiteral("4D1F0C21");
    }
    return shown;
}

void expectSameAsElm323(const Shown& got, const Shown& expected) {
    EXPECT_EQ(got.stored, expected.stored);
    EXPECT_EQ(got.pending, expected.pending);
    EXPECT_EQ(got.vin, expected.vin);
    EXPECT_EQ(got.cids, expected.cids);
    EXPECT_EQ(got.cvns, expected.cvns);
    EXPECT_EQ(got.sensors, expected.sensors);
    EXPECT_EQ(got.freezeCodes, expected.freezeCodes);
    EXPECT_EQ(got.freezeValues, expected.freezeValues);
}

// The ELM327 lines: the fifteen of the ELM323 with the protocol search after the chip version
// and the protocol after the control unit's answer.
QStringList elm327Lines(const QString& port, const QString& protocol) {
    QStringList lines{"Port: " + port + " ready"};
    lines << successfulLinesAfterPort();
    lines[4] = QStringLiteral("Chip Version: ELM327 v1.5");
    lines.insert(5, QStringLiteral("Automatic protocol search: OK"));
    lines.insert(8, QStringLiteral("Protocol: ") + protocol);
    return lines;
}

using Layout = std::tuple<bool, bool, bool>; // headers, spaces, two units

class Elm327Layouts : public testing::TestWithParam<Layout> {};

TEST_P(Elm327Layouts, DemoVehicleShowsWhatItShowsBehindAnElm323) {
    const auto [headers, spaces, twoUnits] = GetParam();
    static const Shown oneUnit = throughElm323(QStringLiteral("demo"));
    static const Shown twoUnitsShown = throughElm323(QStringLiteral("demo"), true);
    const Shown& expected = twoUnits ? twoUnitsShown : oneUnit;
    // The transmission adds P0700 stored, P0715 pending and its calibration.
    ASSERT_EQ(expected.stored.size(), twoUnits ? 10 : 9);
    ASSERT_EQ(expected.pending.size(), twoUnits ? 4 : 3);
    ASSERT_EQ(expected.cids.size(), twoUnits ? 3 : 2);

    Connection c(elm327(QStringLiteral("demo"), headers, spaces, twoUnits));
    ASSERT_TRUE(c.sequence.initializeConnection()) << c.view.texts().join('|').toStdString();
    EXPECT_EQ(c.view.texts(),
              elm327Lines(c.elm->slavePath(),
                          QStringLiteral(
                              "A6 (Automatic protocol search), ISO 15765-4 CAN 11 bit 500 kbaud")));
    EXPECT_EQ(c.view.marks(), QStringList(17, "OK"));
    EXPECT_EQ(c.view.interfaceLabel, "Interface: ELM327 v1.5");
    EXPECT_TRUE(c.context.link.canLayout());
    expectSameAsElm323(c.shown(), expected);
    EXPECT_EQ(c.context.units, (twoUnits ? QStringList{"7E8", "7E9"} : QStringList{"7E8"}));

    c.sequence.disconnect();
    EXPECT_TRUE(c.context.units.isEmpty());
    EXPECT_FALSE(c.context.link.canLayout());
}

INSTANTIATE_TEST_SUITE_P(HeadersSpacesUnits, Elm327Layouts,
                         testing::Combine(testing::Bool(), testing::Bool(), testing::Bool()));

TEST(Elm327Connection, FullVehicleWithTwoUnitsOn29BitHeaders) {
    const Shown expected = throughElm323(QStringLiteral("full"));
    ASSERT_FALSE(expected.freezeValues.isEmpty());
    Connection c(elm327(QStringLiteral("full"), true, true, false, 7));
    ASSERT_TRUE(c.sequence.initializeConnection());
    EXPECT_EQ(c.view.texts(),
              elm327Lines(c.elm->slavePath(),
                          QStringLiteral(
                              "A7 (Automatic protocol search), ISO 15765-4 CAN 29 bit 500 kbaud")));
    expectSameAsElm323(c.shown(), expected);
    EXPECT_EQ(c.context.units, (QStringList{"18DAF110", "18DAF118"}));
}

// Each unit's part reads as the answer of that unit alone; the polling after it gets the
// answers without headers again.
TEST(Elm327Connection, TwoUnitsAnswerApartAndPollingStaysWithoutHeaders) {
    Connection c(elm327(QStringLiteral("demo"), false, false, true));
    ASSERT_TRUE(c.sequence.initializeConnection());
    ElmExchange& link = c.context.link;
    EXPECT_TRUE(link.unitsApart());
    const UnitAnswers parts = link.exchangePerUnit(QStringLiteral("0100"));
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 2);
    EXPECT_EQ(parts->at(0).unit, "7E8");
    EXPECT_EQ(parts->at(1).unit, "7E9");
    EXPECT_EQ(parts->at(0).answer + parts->at(1).answer, link.exchange(QStringLiteral("0100")));
    EXPECT_EQ(link.exchangeAsTyped(QStringLiteral("0100"))->left(2), "41");
}

TEST(Elm327Connection, CloneThatRefusesHeadersIsReadWithItsUnitsMerged) {
    PtyElm::Config config = elm327(QStringLiteral("demo"), false, true, true);
    ASSERT_TRUE(Elm327Emulator::cloneByName(QStringLiteral("v21"), config.elm327Settings.clone,
                                            config.emulator));
    Connection c(config);
    ASSERT_TRUE(c.sequence.initializeConnection()) << c.view.texts().join('|').toStdString();
    EXPECT_EQ(c.view.texts().count("Control units not told apart"), 1);
    EXPECT_TRUE(c.context.units.isEmpty());
    EXPECT_FALSE(c.context.link.unitsApart());
    const UnitAnswers parts = c.context.link.exchangePerUnit(QStringLiteral("0100"));
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 1);
    EXPECT_EQ(parts->at(0).unit, QString());
    EXPECT_EQ(parts->at(0).answer, c.context.link.exchange(QStringLiteral("0100")));
    EXPECT_EQ(c.view.vin, "1G1JC5444R7252367");
}

TEST(Elm327Connection, IsoVehicleBehindAnElm327KeepsTheIsoLayout) {
    const Shown expected = throughElm323(QStringLiteral("demo"));
    Connection c(elm327(QStringLiteral("demo"), false, true, false, 3));
    ASSERT_TRUE(c.sequence.initializeConnection());
    // The emulated chip prints headers on CAN only.
    QStringList lines = elm327Lines(
        c.elm->slavePath(),
        QStringLiteral("A3 (Automatic protocol search), ISO 9141-2 5 baud init 10.4 kbaud"));
    lines.insert(9, QStringLiteral("Control units not told apart"));
    EXPECT_EQ(c.view.texts(), lines);
    EXPECT_FALSE(c.context.link.canLayout());
    expectSameAsElm323(c.shown(), expected);
}

TEST(Elm327Connection, ProtocolFixedInTheChipIsKept) {
    Connection c(elm327(QStringLiteral("demo"), false, true, false));
    ASSERT_TRUE(c.sequence.initializeConnection());
    // The user fixes the protocol, as a terminal would; the chip keeps it over a reset.
    EXPECT_EQ(c.context.link.exchange(QStringLiteral("ATSP6")), QStringLiteral("OK"));

    ASSERT_TRUE(c.sequence.initializeConnection());
    const QString can11 = QStringLiteral("6, ISO 15765-4 CAN 11 bit 500 kbaud");
    QStringList expected = elm327Lines(c.elm->slavePath(), can11);
    expected[5] = QStringLiteral("Protocol set in the interface: ") + can11;
    EXPECT_EQ(c.view.texts(), expected);
    EXPECT_EQ(c.view.vin, "1G1JC5444R7252367");
}

// The protocol numbers the chip answers get their names; anything else is shown as it came.
TEST(Elm327Connection, ProtocolNumbersAreShownWithTheirNames) {
    EXPECT_EQ(elmProtocolDescription("A1"),
              "A1 (Automatic protocol search), SAE J1850 PWM 41.6 kbaud");
    EXPECT_EQ(elmProtocolDescription("5"), "5, ISO 14230-4 KWP fast init 10.4 kbaud");
    EXPECT_EQ(elmProtocolDescription("AC"),
              "AC (Automatic protocol search), USER2 CAN 11 bit 50 kbaud");
    EXPECT_EQ(elmProtocolDescription("0"), "0 (Automatic protocol search)");
    // A fixed protocol A is a number too, not a search.
    EXPECT_EQ(elmProtocolDescription("A"), "A, SAE J1939 CAN 29 bit 250 kbaud");
    for (const char* raw : {"Error", "AD", "", "D", "A66", "-1", "7F"})
        EXPECT_EQ(elmProtocolDescription(QLatin1String(raw)), QLatin1String(raw));
}

TEST(Elm327Connection, WrongFixedProtocolLeavesNoConnection) {
    Connection c(elm327(QStringLiteral("demo"), false, true, false));
    ASSERT_TRUE(c.sequence.initializeConnection());
    EXPECT_EQ(c.context.link.exchange(QStringLiteral("ATSP3")), QStringLiteral("OK"));

    EXPECT_FALSE(c.sequence.initializeConnection());
    const QStringList texts = c.view.texts();
    ASSERT_EQ(texts.size(), 8) << texts.join('|').toStdString();
    EXPECT_EQ(texts[5], "Protocol set in the interface: 3, ISO 9141-2 5 baud init 10.4 kbaud");
    EXPECT_EQ(texts[7], "UNABLE TO CONNECT");
    EXPECT_FALSE(c.context.link.canLayout());
    EXPECT_TRUE(c.context.connection.noCommunication());
}

TEST(Elm327Connection, Elm323AfterAnElm327GetsTheFifteenLinesAgain) {
    Connection c(elm327(QStringLiteral("demo"), true, false, false));
    ASSERT_TRUE(c.sequence.initializeConnection());
    ASSERT_TRUE(c.context.link.canLayout());

    PtyElm plain(elm323(QStringLiteral("demo")));
    plain.start();
    c.context.comPort->setPortName(plain.slavePath());
    ASSERT_TRUE(c.sequence.initializeConnection());
    EXPECT_FALSE(c.context.link.canLayout());
    EXPECT_EQ(c.view.lines.size(), 16); // with the units not told apart by the ELM323
    EXPECT_EQ(c.view.vin, "1G1JC5444R7252367");
}

} // namespace
