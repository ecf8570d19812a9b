// The control units' own information: names by address, in-use ratios in each layout, and the
// per-unit reading that asks every request once.

#include "core/j1979/control_units.h"
#include "core/j1979/in_use_ratios.h"
#include "core/j1979/vehicle_units.h"
#include "core/link/can_answer.h"
#include "core/link/per_unit_link.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlUnits, NamesFollowTheAddressConvention) {
    const struct {
        const char* address;
        const char* name;
    } cases[] = {
        {"7E8", "Engine (7E8)"},
        {"7E9", "Transmission (7E9)"},
        {"7EA", "Unit 7EA"},
        {"18DAF110", "Engine (18DAF110)"},
        {"18daf118", "Transmission (18DAF118)"},
        {"18DAF11A", "Unit 18DAF11A"},
        {"10", "Engine (10)"},
        {"18", "Transmission (18)"},
        {"28", "Unit 28"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(control_units::defaultName(QLatin1String(c.address)), QLatin1String(c.name))
            << c.address;
    const QHash<QString, QString> own{{QStringLiteral("7E9"), QStringLiteral("TCM-Gearbox")}};
    EXPECT_EQ(control_units::displayName(QStringLiteral("7e9"), own),
              QStringLiteral("TCM-Gearbox"));
    EXPECT_EQ(control_units::displayName(QStringLiteral("7E8"), own),
              QStringLiteral("Engine (7E8)"));
    EXPECT_EQ(control_units::engineUnit({QStringLiteral("7E9"), QStringLiteral("7E8")}),
              QStringLiteral("7E8"));
    EXPECT_EQ(control_units::engineUnit({QStringLiteral("7EA"), QStringLiteral("7E9")}),
              QStringLiteral("7EA"));
    EXPECT_EQ(control_units::engineUnit({}), QString());
}

// A CAN answer of one unit, laid out as the exchange lays it out.
QString canLayout(const QByteArray& hex) {
    return can_answer::toIsoLayout(
        {can_answer::Message{QStringLiteral("7E8"), QByteArray::fromHex(hex)}});
}

// n counters 0x0001.. in a CAN answer to 09 type, with the count of data items.
QByteArray counters(const char* head, int n) {
    QByteArray hex(head);
    hex += QByteArray::number(n, 16).rightJustified(2, '0');
    for (int i = 1; i <= n; ++i)
        hex += QByteArray::number(i, 16).rightJustified(4, '0');
    return hex;
}

TEST(InUseRatios, EachLayoutIsReadOrRefusedWhole) {
    using P = InUseRatios::Problem;
    const struct {
        const char* what;
        QString answer;
        int type;
        std::optional<int> count;
        P problem;
        qsizetype monitors;
    } cases[] = {
        {"CAN spark, 20 counters", canLayout(counters("4908", 20)), 8, {}, P::None, 9},
        {"CAN compression, 16 counters", canLayout(counters("490B", 16)), 11, {}, P::None, 7},
        {"CAN, odd counters", canLayout(counters("4908", 17)), 8, {}, P::OddCount, 0},
        {"CAN, half a counter", canLayout("490810010002"), 8, {}, P::Garbled, 0},
        {"older protocol, a digit too many", "490801000100020490802000300040", 8, 2, P::Garbled, 0},
        {"older protocol, two messages", "4908010001000249080200030004", 8, 2, P::None, 1},
        {"older protocol, count not met", "4908010001000249080200030004", 8, 3, P::Garbled, 0},
        {"messages out of order", "4908020001000249080100030004", 8, {}, P::Garbled, 0},
        {"not hexadecimal", "49080100010G0249080200030004", 8, {}, P::Garbled, 0},
        {"NO DATA", "NO DATA", 8, {}, P::NotAnswered, 0},
        {"negative response", "7F0912", 8, {}, P::NotAnswered, 0},
        {"other type's answer", "490B010001000249080200030004", 8, {}, P::NotAnswered, 0},
    };
    for (const auto& c : cases) {
        const InUseRatios ratios = parseInUseRatios(c.answer, c.type, c.count);
        EXPECT_EQ(ratios.problem, c.problem) << c.what;
        EXPECT_EQ(ratios.monitors.size(), c.monitors) << c.what;
    }
    const InUseRatios spark = parseInUseRatios(canLayout(counters("4908", 20)), 8);
    EXPECT_EQ(spark.obdConditions, 1);
    EXPECT_EQ(spark.ignitionCycles, 2);
    EXPECT_EQ(spark.monitors.first(), (InUseRatio{QStringLiteral("Catalyst bank 1"), 3, 4}));
    EXPECT_EQ(spark.monitors.last().monitor, QStringLiteral("Secondary oxygen sensor bank 2"));
    const InUseRatios diesel = parseInUseRatios(canLayout(counters("490B", 18)), 11);
    EXPECT_TRUE(diesel.compressionIgnition);
    EXPECT_EQ(diesel.monitors.first().monitor, QStringLiteral("NMHC catalyst"));
    EXPECT_EQ(diesel.monitors.last().monitor, QStringLiteral("Further monitor 8"));
    EXPECT_EQ((InUseRatio{QString(), 3, 0}).ratio(), std::nullopt);
    EXPECT_DOUBLE_EQ(*(InUseRatio{QString(), 3, 8}).ratio(), 0.375);
}

// Two units answering as a link with headers splits them; anything not scripted: "NO DATA"
// from no unit in particular.
class TwoUnitLink : public CommandLink {
public:
    QHash<QString, QList<UnitAnswer>> script;
    QStringList sent;

    LinkAnswer exchange(const QString& command) override {
        return mergedAnswer(exchangePerUnit(command));
    }
    UnitAnswers exchangePerUnit(const QString& command) override {
        sent << command;
        return script.value(command, {UnitAnswer{QString(), QStringLiteral("NO DATA")}});
    }
    bool unitsApart() const override { return true; }
    bool canLayout() const override { return true; }
};

QString nameMessages(const char* name) {
    QByteArray bytes("\x49\x0A\x01");
    bytes += QByteArray(name).leftJustified(20, '\0', true);
    return can_answer::toIsoLayout({can_answer::Message{QString(), bytes}});
}

TEST(VehicleUnits, EachUnitReadFromOneRequestEach) {
    TwoUnitLink link;
    const auto both = [](const QString& engine, const QString& gearbox) {
        return QList<UnitAnswer>{{QStringLiteral("7E8"), engine}, {QStringLiteral("7E9"), gearbox}};
    };
    // Engine: VIN, IDs, CVNs, ratios, name; gearbox: IDs and name.
    link.script.insert(QStringLiteral("0900"),
                       both(QStringLiteral("49000155C00000"), QStringLiteral("49000114400000")));
    link.script.insert(QStringLiteral("0101"), {{QStringLiteral("7E8"), "410181076504"}});
    link.script.insert(
        QStringLiteral("0902"),
        {{QStringLiteral("7E8"), canLayout("4902015746305858585858585858585858585858")}});
    link.script.insert(QStringLiteral("0904"),
                       both(canLayout("490401454E47494E4530303030303030303031"),
                            canLayout("49040147454152424F58303030303030303032")));
    link.script.insert(QStringLiteral("0906"),
                       {{QStringLiteral("7E8"), canLayout("49060112345678")}});
    link.script.insert(QStringLiteral("0908"),
                       {{QStringLiteral("7E8"), canLayout(counters("4908", 20))}});
    link.script.insert(QStringLiteral("090A"),
                       both(nameMessages("ECM-EngineControl"), nameMessages("TCM\x1bGearbox")));
    PerUnitCache cache(link);
    const QList<VehicleUnit> units = readVehicleUnits(cache);

    ASSERT_EQ(units.size(), 2);
    EXPECT_EQ(units[0].address, QStringLiteral("7E8"));
    EXPECT_EQ(units[0].info.ecuName(), QStringLiteral("ECM-EngineControl"));
    EXPECT_EQ(units[0].info.vin(), QStringLiteral("WF0XXXXXXXXXXXXXX"));
    EXPECT_EQ(units[0].info.calibrationIds(), QStringList({"ENGINE0000000001"}));
    EXPECT_EQ(units[0].info.inUseRatios().monitors.size(), 9);
    EXPECT_TRUE(units[0].status.answered);
    EXPECT_TRUE(units[0].status.milOn);
    EXPECT_EQ(units[1].address, QStringLiteral("7E9"));
    // A name with a control byte is shown with the byte written out, never acting on a terminal.
    EXPECT_EQ(units[1].info.ecuName(), QStringLiteral("TCM\\x1BGearbox"));
    EXPECT_EQ(units[1].info.vinState(), Service09::ItemState::NotAsked);
    EXPECT_EQ(units[1].info.calibrationIds(), QStringList({"GEARBOX000000002"}));
    EXPECT_EQ(units[1].info.inUseRatios().problem, InUseRatios::Problem::NotAsked);
    EXPECT_FALSE(units[1].status.answered);
    const std::optional<ReadinessCount> ready = readinessCount(units[0].status);
    ASSERT_TRUE(ready);
    EXPECT_EQ(readinessCount(units[1].status), std::nullopt);
    // Every request went out once, whichever units asked it.
    QStringList unique = link.sent;
    unique.removeDuplicates();
    EXPECT_EQ(link.sent, unique);
}

TEST(VehicleUnits, UnitsNotToldApartGiveOneUnitWithoutAddress) {
    TwoUnitLink link;
    link.script.insert(QStringLiteral("0900"), {{QString(), QStringLiteral("49000155C00000")}});
    link.script.insert(QStringLiteral("0101"), {{QString(), QStringLiteral("410100076504")}});
    PerUnitCache cache(link);
    const QList<VehicleUnit> units = readVehicleUnits(cache);
    ASSERT_EQ(units.size(), 1);
    EXPECT_TRUE(units[0].address.isEmpty());
    EXPECT_TRUE(units[0].status.answered);
    // Nothing answered at all: no unit.
    TwoUnitLink silent;
    PerUnitCache none(silent);
    EXPECT_TRUE(readVehicleUnits(none).isEmpty());
}

} // namespace
