#include "core/j1979/service09.h"
#include "core/l10n/const_str.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

namespace {

const QStringList notAvailable = {QStringLiteral("N/A")};

// The supported set of service 09 with the information types given as a bitmap byte (bit 7 =
// type 01).
QString supportedTypes(const char* bitmap) {
    return QStringLiteral("4900") + QStringLiteral("01") + QString::fromLatin1(bitmap) +
           QStringLiteral("000000");
}

TEST(VehicleInfo, UntouchedObjectHoldsNotAvailable) {
    Service09 service09;
    EXPECT_EQ(service09.vin(), QStringLiteral("N/A"));
    EXPECT_EQ(service09.calibrationIds(), notAvailable);
    EXPECT_EQ(service09.calibrationVerificationNumbers(), notAvailable);
}

TEST(VehicleInfo, NothingSupportedAsksForNothingElse) {
    ScriptedLink link;
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(link.sent(), QStringList({"0900"}));
    EXPECT_EQ(service09.vin(), QStringLiteral("N/A"));
    EXPECT_EQ(service09.calibrationIds(), notAvailable);
    EXPECT_EQ(service09.calibrationVerificationNumbers(), notAvailable);
}

TEST(VehicleInfo, VinSkipsZeroBytesAndStopsAt17Characters) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("C0"));
    link.answer(QStringLiteral("0901"), QStringLiteral("490106"));
    // Six messages, 21 characters after the zero bytes of the first message.
    link.answer(QStringLiteral("0902"), QStringLiteral("49020100000031"
                                                       "4902024731 4A43"
                                                       "49020335343434"
                                                       "49020452373235"
                                                       "49020532333637"
                                                       "49020641424344")
                                            .remove(QLatin1Char(' ')));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.vinMessageCount(), 6);
    EXPECT_EQ(service09.vin(), QStringLiteral("1G1JC5444R7252367"));
}

TEST(VehicleInfo, VinWithoutCountIsEmpty) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("40")); // type 02 only
    link.answer(QStringLiteral("0902"), QStringLiteral("49020100000031"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.vinMessageCount(), 0);
    EXPECT_EQ(service09.vin(), QStringLiteral("N/A"));
    EXPECT_EQ(service09.vinState(), Service09::ItemState::NotAnswered);
    EXPECT_EQ(link.sent(), QStringList({"0900", "0902"}));
}

// A VIN is read whole or not at all: all 17 characters, or every message of the vehicle's count.
TEST(VehicleInfo, VinFragmentsAreNotRead) {
    const QString whole = QStringLiteral("49020100000031"
                                         "49020247314A43"
                                         "49020335343434"
                                         "49020452373235"
                                         "49020532333637");
    const struct {
        const char* count; // the answer to 0901; null: unanswered
        QString vin;
    } cases[] = {
        {"490105", whole.left(37)}, // cut after seven characters
        {"4901FF", "49020131033233490202"
                   "3"},                               // cut inside the second message
        {"490105", whole.left(28) + whole.mid(56)},    // messages 3 and 4 lost
        {nullptr, whole.left(28) + whole.mid(56)},     // the same, counted from the answer
        {"490105", whole.left(56) + "49020632333637"}, // a message numbered 6 in place of 5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vin.toStdString());
        ScriptedLink link;
        if (c.count)
            link.answer(QStringLiteral("0901"), QString::fromLatin1(c.count));
        link.answer(QStringLiteral("0902"), c.vin);
        Service09 service09;
        service09.readVehicleInfo(link, true);
        EXPECT_EQ(service09.vinState(), Service09::ItemState::NotAnswered);
        EXPECT_EQ(service09.vin(), QStringLiteral("N/A"));
    }
}

TEST(VehicleInfo, CalibrationIdsTakeFourMessagesEach) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("30"));
    link.answer(QStringLiteral("0903"), QStringLiteral("490306"));
    link.answer(QStringLiteral("0904"), QStringLiteral("49040131313331"
                                                       "49040235333334"
                                                       "49040337393036"
                                                       "49040430300000"
                                                       "49040530333235"
                                                       "49040634353133"));
    Service09 service09;
    service09.readVehicleInfo(link);
    // Messages 5 and 6 do not make a whole ID; the zero bytes that pad the first are left out.
    EXPECT_EQ(service09.calibrationIds(), QStringList({"11315334790600"}));
    EXPECT_EQ(link.sent(), QStringList({"0900", "0903", "0904"}));
}

TEST(VehicleInfo, CalibrationCountBelowFourEmptiesTheList) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("30"));
    link.answer(QStringLiteral("0903"), QStringLiteral("490303"));
    link.answer(QStringLiteral("0904"), QStringLiteral("49040131313331"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_TRUE(service09.calibrationIds().isEmpty());
}

TEST(VehicleInfo, UnansweredCalibrationIdsKeepNotAvailable) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("30"));
    link.answer(QStringLiteral("0903"), QStringLiteral("490308"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.calibrationIds(), notAvailable);
}

TEST(VehicleInfo, CalibrationIdsNeedTheCountType) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("14")); // types 04 and 06 only
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(link.sent(), QStringList({"0900"}));
    EXPECT_EQ(service09.calibrationIds(), notAvailable);
    EXPECT_EQ(service09.calibrationVerificationNumbers(), notAvailable);
}

TEST(VehicleInfo, CalibrationCountLongerThanTheAnswer) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("30"));
    link.answer(QStringLiteral("0903"), QStringLiteral("4903FF"));
    link.answer(QStringLiteral("0904"), QStringLiteral("49040131313331"
                                                       "49040235333334"
                                                       "49040337393036"
                                                       "49040430303032"
                                                       "490405303332"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.calibrationIds(), QStringList({"1131533479060002", "032"}));
}

TEST(VehicleInfo, VerificationNumbersAreHexText) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("0C"));
    link.answer(QStringLiteral("0905"), QStringLiteral("490502"));
    link.answer(QStringLiteral("0906"), QStringLiteral("490601AE6D46B44906020000771D"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.calibrationVerificationNumbers(), QStringList({"AE6D46B4", "0000771D"}));
}

TEST(VehicleInfo, VerificationNumbersWithControlCharactersShowThem) {
    // The number is the answer's own text; a hostile interface can put anything there.
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("0C"));
    link.answer(QStringLiteral("0905"), QStringLiteral("490501"));
    link.answer(QStringLiteral("0906"), QStringLiteral("490601AE\x1B[2J45"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.calibrationVerificationNumbers(), QStringList({R"(AE\x1B[2J45)"}));
}

TEST(VehicleInfo, UnansweredVerificationNumbersLeaveAnEmptyList) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("0C"));
    link.answer(QStringLiteral("0905"), QStringLiteral("490502"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_TRUE(service09.calibrationVerificationNumbers().isEmpty());
}

TEST(VehicleInfo, VerificationNumberCutShortIsDropped) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("0C"));
    link.answer(QStringLiteral("0905"), QStringLiteral("490503"));
    link.answer(QStringLiteral("0906"), QStringLiteral("490601AE6D46B44906020000"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.calibrationVerificationNumbers(), QStringList({"AE6D46B4"}));
}

TEST(VehicleInfo, ReadingAgainStartsFromNotAvailable) {
    ScriptedLink link;
    link.answer(QStringLiteral("0900"), supportedTypes("C0"));
    link.answer(QStringLiteral("0901"), QStringLiteral("490101"));
    link.answer(QStringLiteral("0902"), QStringLiteral("49020141424344"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.vin(), QStringLiteral("ABCD"));
    ScriptedLink silent;
    service09.readVehicleInfo(silent);
    EXPECT_EQ(service09.vin(), QStringLiteral("N/A"));
    EXPECT_EQ(service09.vinMessageCount(), 0);
}

// Some vehicles and adapters do not answer "0900" but answer "0902": asked for everything, the
// VIN is read, and its message count comes from the answer when "0901" goes unanswered too.
TEST(VehicleInfo, AskingEverythingReadsWhatTheSupportedSetHides) {
    ScriptedLink link;
    link.answer(QStringLiteral("0902"), QStringLiteral("49020100000031"
                                                       "49020247314A43"
                                                       "49020335343434"
                                                       "49020452373235"
                                                       "49020532333637"));
    Service09 service09;
    service09.readVehicleInfo(link);
    EXPECT_EQ(service09.vin(), QStringLiteral("N/A"));
    EXPECT_EQ(service09.vinState(), Service09::ItemState::NotAsked);

    service09.readVehicleInfo(link, true);
    EXPECT_EQ(link.sent().mid(2), QStringList({"0901", "0902", "0903", "0904", "0905", "0906"}));
    EXPECT_EQ(service09.vin(), QStringLiteral("1G1JC5444R7252367"));
    EXPECT_EQ(service09.vinState(), Service09::ItemState::Read);
    // Asked, not answered: told apart from not asked.
    EXPECT_EQ(service09.calibrationIdState(), Service09::ItemState::NotAnswered);
    EXPECT_EQ(service09.calibrationIds(), notAvailable);
    EXPECT_EQ(service09.cvnState(), Service09::ItemState::NotAnswered);
}

} // namespace
