// The emulated control units as a tester reads them off the line: headers and check bytes of each
// protocol, and per unit the codes, names, calibrations and in-use ratios in the J1979 layouts.

#include "core/link/can_answer.h"
#include "core/link/simulated_vehicle.h"
#include "tools/elmsim/elm327_emulator.h"
#include "tools/elmsim/elm_emulator.h"
#include "tools/elmsim/iso_messages.h"
#include "tools/elmsim/sim_units.h"
#include "tools/elmsim/vehicle_profile.h"

#include "tests/support/qt_printers.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// Either chip in front of a vehicle, with headers switched on by command.
struct Chip {
    QString name;
    std::unique_ptr<VehicleProfile> vehicle;
    std::unique_ptr<VehicleProfile> secondUnit;
    std::unique_ptr<ElmEmulator> elm323;
    std::unique_ptr<Elm327Emulator> elm327;
    int protocol = 3;

    QString say(const QString& command) {
        const QByteArray in = command.toLatin1() + '\r';
        QByteArray out;
        for (const ElmEmulator::Output& piece : elm327 ? elm327->feed(in) : elm323->feed(in))
            out += piece.bytes;
        return QString::fromLatin1(out).remove(QLatin1Char('>')).trimmed();
    }
    bool isCan() const { return elm327 && protocol >= 6; }
};

// protocol 0: an ELM323, else an ELM327 on that protocol.
std::unique_ptr<Chip> chip(const char* profile, int protocol, bool twoUnits,
                           ElmEmulator::Options options = {}) {
    auto c = std::make_unique<Chip>();
    c->name = QStringLiteral("%1 on %2").arg(QLatin1String(profile)).arg(protocol);
    c->vehicle = makeVehicleProfile(QLatin1String(profile));
    if (protocol == 0) {
        if (twoUnits)
            c->secondUnit = sim_units::withTransmission(*c->vehicle);
        c->elm323 =
            std::make_unique<ElmEmulator>(c->secondUnit ? *c->secondUnit : *c->vehicle, options);
    } else {
        Elm327Emulator::Settings settings;
        settings.protocol = protocol;
        settings.secondUnit = twoUnits;
        c->protocol = protocol;
        c->elm327 = std::make_unique<Elm327Emulator>(*c->vehicle, options, settings);
    }
    c->say(QStringLiteral("ATE0"));
    c->say(QStringLiteral("ATH1"));
    return c;
}

QByteArray bytesOf(QString text) {
    text.remove(QLatin1Char(' '));
    return QByteArray::fromHex(text.toLatin1());
}

// Each unit's messages by its address as the lines say: on the older protocols three header
// bytes (priority or format, 6B or F1 for the tester, the unit) and a check byte that has to be
// right; on CAN the reassembled messages by their identifier.
QMap<QString, QList<QByteArray>> unitMessages(Chip& c, const QString& request) {
    QStringList lines = c.say(request).split(QLatin1Char('\r'), Qt::SkipEmptyParts);
    lines.removeAll(QStringLiteral("SEARCHING..."));
    QMap<QString, QList<QByteArray>> units;
    if (lines == QStringList{QStringLiteral("NO DATA")})
        return units;
    if (c.isCan()) {
        for (const can_answer::Message& m : can_answer::parseFrames(lines))
            units[QString(m.sender).remove(QLatin1Char(' '))] << m.bytes;
        return units;
    }
    for (const QString& line : lines) {
        const QByteArray bytes = bytesOf(line);
        if (bytes.size() < 5) {
            ADD_FAILURE() << c.name.toStdString() << ": " << line.toStdString();
            continue;
        }
        int sum = 0;
        for (char b : bytes.chopped(1))
            sum += quint8(b);
        const int check = quint8(bytes.back());
        if (c.protocol > 2) {
            EXPECT_EQ(check, sum & 0xFF) << c.name.toStdString() << ": " << line.toStdString();
        } else {
            EXPECT_EQ(check, iso_messages::checkByte(bytes.chopped(1), c.protocol));
        }
        const int target = c.protocol >= 4 ? 0xF1 : 0x6B;
        EXPECT_EQ(quint8(bytes.at(1)), target) << line.toStdString();
        if (c.protocol >= 4) { // the format byte holds the data length
            EXPECT_EQ(quint8(bytes.at(0)), 0x80 | (bytes.size() - 4)) << line.toStdString();
        }
        units[QString::fromLatin1(bytes.mid(2, 1).toHex().toUpper())]
            << bytes.mid(3, bytes.size() - 4);
    }
    return units;
}

// The codes of a service 03, 07 or 0A answer: on CAN a count byte and the codes, else frames of
// three codes each with zeros as filler.
QStringList codesOf(const QList<QByteArray>& messages, bool can) {
    QStringList codes;
    for (const QByteArray& m : messages) {
        const qsizetype first = can ? 2 : 1;
        if (can)
            EXPECT_EQ(quint8(m.at(1)) * 2, m.size() - 2) << "count byte";
        else
            EXPECT_EQ(m.size(), 7);
        for (qsizetype at = first; at + 1 < m.size(); at += 2) {
            const int code = quint8(m.at(at)) << 8 | quint8(m.at(at + 1));
            if (code != 0)
                codes << QStringLiteral("PCBU").at(code >> 14) +
                             QStringLiteral("%1").arg(code & 0x3FFF, 4, 16, QLatin1Char('0'));
        }
    }
    return codes;
}

// The data of an InfoType: on CAN one message with the number of data items, else numbered
// messages of four bytes, numbered from 1 in order. `items` is the count CAN gives.
QByteArray infoData(const QList<QByteArray>& messages, bool can, int* items = nullptr) {
    QByteArray data;
    for (qsizetype n = 0; n < messages.size(); ++n) {
        const QByteArray& m = messages.at(n);
        if (can) {
            if (items != nullptr)
                *items = quint8(m.at(2));
            data += m.mid(3);
        } else {
            EXPECT_EQ(m.size(), 7);
            EXPECT_EQ(quint8(m.at(2)), n + 1) << "message number";
            data += m.mid(3);
        }
    }
    return data;
}

QList<int> wordsOf(const QByteArray& data) {
    QList<int> words;
    for (qsizetype at = 0; at + 1 < data.size(); at += 2)
        words << (quint8(data.at(at)) << 8 | quint8(data.at(at + 1)));
    return words;
}

// The InfoTypes a 0900 bitmap announces.
QList<int> announced(const QList<QByteArray>& messages, bool can) {
    const QByteArray m = messages.value(0);
    const QByteArray bits = m.mid(can ? 2 : 3, 4);
    QList<int> types;
    for (int type = 1; type <= 0x20 && bits.size() == 4; ++type)
        if (quint8(bits.at((type - 1) / 8)) & (0x80 >> ((type - 1) % 8)))
            types << type;
    return types;
}

struct Layout {
    const char* name;
    int protocol; // 0: ELM323
    QString engine;
    QString transmission;
};

const Layout layouts[] = {
    {"ELM323", 0, "10", "18"},
    {"ELM327 ISO 9141-2", 3, "10", "18"},
    {"ELM327 KWP", 5, "10", "18"},
    {"ELM327 J1850 PWM", 1, "10", "18"},
    {"ELM327 CAN 11 bit", 6, "7E8", "7E9"},
    {"ELM327 CAN 29 bit", 7, "18DAF110", "18DAF118"},
};

// The full vehicle's two units on every protocol: engine and transmission tell their codes,
// their own calibrations and names apart; the engine alone reports the in-use ratios.
TEST(ElmUnits, FullVehiclePerUnitOnEveryProtocol) {
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        auto c = chip("full", layout.protocol, true);
        const bool can = c->isCan();
        const auto codes = [&](const char* request) {
            const auto units = unitMessages(*c, QLatin1String(request));
            EXPECT_EQ(units.keys(), QStringList({layout.engine, layout.transmission})) << request;
            return QList<QStringList>{codesOf(units.value(layout.engine), can),
                                      codesOf(units.value(layout.transmission), can)};
        };
        EXPECT_EQ(codes("03"), (QList<QStringList>{{"P0133", "P0171", "P0300"}, {"P0700"}}));
        EXPECT_EQ(codes("07"), (QList<QStringList>{{"P0171"}, {"P0715"}}));
        EXPECT_EQ(codes("0A"), (QList<QStringList>{{"P0133"}, {}}));

        const auto bitmaps = unitMessages(*c, QStringLiteral("0900"));
        EXPECT_EQ(announced(bitmaps.value(layout.transmission), can),
                  (can ? QList<int>{0x04, 0x06, 0x0A} : QList<int>{3, 4, 5, 6, 9, 0x0A}));
        const QList<int> engineTypes = announced(bitmaps.value(layout.engine), can);
        for (int type : {0x02, 0x04, 0x06, 0x08, 0x0A})
            EXPECT_TRUE(engineTypes.contains(type)) << type;
        for (int type : {0x01, 0x03, 0x05, 0x07, 0x09})
            EXPECT_EQ(engineTypes.contains(type), !can) << type;

        const auto names = unitMessages(*c, QStringLiteral("090A"));
        int items = 0;
        const QByteArray engineName = infoData(names.value(layout.engine), can, &items);
        EXPECT_EQ(engineName, QByteArray("ECM-EngineControl\0\0\0", 20));
        if (can) {
            EXPECT_EQ(items, 1);
        }
        EXPECT_EQ(infoData(names.value(layout.transmission), can),
                  QByteArray("TCM-TransmissionCtl\0", 20));

        const auto calibrations = unitMessages(*c, QStringLiteral("0904"));
        const QByteArray engineId = infoData(calibrations.value(layout.engine), can);
        const QByteArray transmissionId = infoData(calibrations.value(layout.transmission), can);
        EXPECT_EQ(engineId.size() % 16, 0);
        EXPECT_EQ(transmissionId.size(), 16);
        EXPECT_FALSE(engineId.contains(transmissionId));
        const auto cvns = unitMessages(*c, QStringLiteral("0906"));
        EXPECT_EQ(infoData(cvns.value(layout.transmission), can).size(), 4);
        EXPECT_NE(infoData(cvns.value(layout.engine), can).left(4),
                  infoData(cvns.value(layout.transmission), can));

        const auto ratios = unitMessages(*c, QStringLiteral("0908"));
        EXPECT_EQ(ratios.keys(), QStringList({layout.engine}));
        const QByteArray ratioData = infoData(ratios.value(layout.engine), can, &items);
        EXPECT_EQ(ratioData.size(), 32);
        if (can) {
            EXPECT_EQ(items, 16);
        }
        const QList<int> words = wordsOf(ratioData);
        EXPECT_EQ(words.mid(0, 4), (QList<int>{120, 540, 45, 120}));
        EXPECT_TRUE(unitMessages(*c, QStringLiteral("090B")).isEmpty());

        // A clearing leaves the permanent code; both units confirm it.
        EXPECT_EQ(unitMessages(*c, QStringLiteral("04")).size(), 2);
        EXPECT_EQ(codes("03"), (QList<QStringList>{{}, {}}));
        EXPECT_EQ(codes("0A"), (QList<QStringList>{{"P0133"}, {}}));
    }
}

// The count types of the older protocols give the number of numbered messages of their types.
TEST(ElmUnits, CountTypesMatchTheNumberedMessages) {
    for (int protocol : {0, 3}) {
        auto c = chip("full", protocol, true);
        for (const auto& [count, type] : {std::pair{"0907", "0908"}, std::pair{"0909", "090A"},
                                          std::pair{"0903", "0904"}, std::pair{"0905", "0906"}}) {
            const auto counts = unitMessages(*c, QLatin1String(count));
            const auto messages = unitMessages(*c, QLatin1String(type));
            EXPECT_EQ(counts.keys(), messages.keys()) << type;
            for (const QString& unit : messages.keys())
                EXPECT_EQ(counts.value(unit).value(0).back(), messages.value(unit).size())
                    << type << " from " << unit.toStdString();
        }
    }
}

// Each engine reports the ratios of its kind of ignition with J1979's item counts: 16 or 20
// for spark ignition (09 08), 16 or 18 for compression ignition (09 0B), and not the other kind;
// one ratio of each lies far below the others.
TEST(ElmUnits, InUseRatiosOfSparkAndCompressionIgnition) {
    struct Case {
        const char* profile;
        const char* type;
        const char* otherType;
        int items;
    };
    for (const Case& k : {Case{"full", "0908", "090B", 16}, Case{"modern", "0908", "090B", 20},
                          Case{"diesel", "090B", "0908", 18}, Case{"demo", "0908", "090B", 16}}) {
        SCOPED_TRACE(k.profile);
        auto c = chip(k.profile, 6, false);
        const auto units = unitMessages(*c, QLatin1String(k.type));
        ASSERT_EQ(units.keys(), QStringList({"7E8"}));
        int items = 0;
        const QList<int> words = wordsOf(infoData(units.first(), true, &items));
        EXPECT_EQ(items, k.items);
        ASSERT_EQ(words.size(), k.items);
        EXPECT_GE(words[1], words[0]) << "ignition cycles at least the general denominator";
        double lowest = 1.0;
        for (qsizetype at = 2; at + 1 < words.size(); at += 2) {
            EXPECT_LE(words[at + 1], words[0]) << "a condition counted more than the car ran";
            if (words[at + 1] > 0)
                lowest = std::min(lowest, double(words[at]) / words[at + 1]);
        }
        EXPECT_LT(lowest, 0.1);
        EXPECT_TRUE(unitMessages(*c, QLatin1String(k.otherType)).isEmpty());
        const QList<int> types = announced(unitMessages(*c, QStringLiteral("0900")).first(), true);
        EXPECT_TRUE(types.contains(QString::fromLatin1(k.type).mid(2).toInt(nullptr, 16)));
        EXPECT_FALSE(types.contains(QString::fromLatin1(k.otherType).mid(2).toInt(nullptr, 16)));
    }
}

// Headers come and go with ATH1 and ATH0 (and ATZ) on both chips, ATS0 packs them on CAN, and a
// v2.1 clone knows no ATH1. A one-unit vehicle with a second unit answers from both addresses.
TEST(ElmUnits, HeadersOnRequest) {
    auto elm323 = chip("demo", 0, true);
    EXPECT_EQ(elm323->say("0100"), "48 6B 10 41 00 BE 1F E8 11 DA\r48 6B 18 41 00 98 18 00 00 BC");
    EXPECT_EQ(elm323->say("ATH0"), "OK");
    EXPECT_EQ(elm323->say("0100"), "41 00 BE 1F E8 11\r41 00 98 18 00 00");
    elm323->say("ATH1");
    elm323->say("ATZ");
    elm323->say("ATE0");
    EXPECT_EQ(elm323->say("0105"), "41 05 50\r41 05 50");

    auto can = chip("demo", 6, true);
    can->say("ATS0");
    EXPECT_EQ(can->say("0A"), "SEARCHING...\r7E8044A010125\r7E9024A00");
    auto wide = chip("demo", 9, true);
    EXPECT_EQ(wide->say("07"), "SEARCHING...\r18 DA F1 10 10 08 47 03 01 25 07 36\r"
                               "18 DA F1 10 21 04 55 AA AA AA AA AA\r18 DA F1 18 04 47 01 07 15");

    ElmEmulator::Options options;
    Elm327Emulator::Clone clone;
    ASSERT_TRUE(Elm327Emulator::cloneByName(QStringLiteral("v21"), clone, options));
    auto vehicle = makeVehicleProfile(QStringLiteral("demo"));
    Elm327Emulator::Settings settings;
    settings.protocol = 3;
    settings.clone = clone;
    Elm327Emulator v21(*vehicle, options, settings);
    QByteArray out;
    for (const ElmEmulator::Output& piece : v21.feed("ATH1\r"))
        out += piece.bytes;
    EXPECT_EQ(out, "ATH1\r?\r\r>");
}

// The check bytes: the sum of all bytes on ISO 9141-2 and ISO 14230-4, SAE J1850's CRC-8 (whose
// check value over "123456789" is 4B).
TEST(ElmUnits, CheckBytes) {
    EXPECT_EQ(iso_messages::checkByte("123456789", 1), 0x4B);
    EXPECT_EQ(iso_messages::checkByte("123456789", 2), 0x4B);
    EXPECT_EQ(iso_messages::checkByte(QByteArray::fromHex("486B104100BE1FE811"), 3), 0xDA);
    EXPECT_EQ(iso_messages::checkByte(QByteArray::fromHex("86F1104100BE1FE811"), 4), 0x9E);
}

// The Demo-Mode vehicle announces the new types and answers them in its numbered layout.
TEST(ElmUnits, DemoVehicleAnnouncesWhatItAnswers) {
    const QByteArray bitmap = bytesOf(simulated_vehicle::answerNow(QStringLiteral("0900")));
    for (int type = 1; type <= 0x20; ++type) {
        const bool bit = quint8(bitmap.at(3 + (type - 1) / 8)) & (0x80 >> ((type - 1) % 8));
        const QString request = QStringLiteral("09%1").arg(type, 2, 16, QLatin1Char('0')).toUpper();
        EXPECT_EQ(simulated_vehicle::knows(request), bit) << type;
    }
    EXPECT_EQ(bytesOf(simulated_vehicle::answerNow(QStringLiteral("0A"))),
              QByteArray::fromHex("4A012500000000"));
}

} // namespace
