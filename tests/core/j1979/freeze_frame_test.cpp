#include "core/j1979/hex_conversions.h"
#include "core/j1979/service02.h"
#include "core/l10n/const_str.h"
#include "locale_guard.h"
#include "scripted_link.h"

#include <gtest/gtest.h>

namespace {

class FreezeFrame : public testing::Test {
protected:
    std::optional<QString> value(const QString& pid, const LinkAnswer& reply,
                                 bool english = false) {
        m_link.answer(QStringLiteral("02") + pid + QStringLiteral("00"), reply);
        return m_service02.freezeFrameValue(m_link, QStringLiteral("02"), pid, english,
                                            QStringLiteral("00"));
    }

    LocaleGuard m_locale{englishLocale()};
    ScriptedLink m_link;
    Service02 m_service02;
};

TEST_F(FreezeFrame, DataStandBehindTheFrameNumber) {
    EXPECT_EQ(value("05", "4205007B"), QStringLiteral("83"));
    EXPECT_EQ(value("05", "4205007B", true), QStringLiteral("181"));
    EXPECT_EQ(value("0C", "420C001AF8"), QStringLiteral(" 1726"));
    EXPECT_EQ(value("02", "4202000133"), QStringLiteral("P0133"));
    EXPECT_EQ(m_link.sent(), QStringList({"020500", "020500", "020C00", "020200"}));
}

TEST_F(FreezeFrame, SameRulesAsTheLiveValues) {
    EXPECT_EQ(value("06", "42060090"), QStringLiteral("12.5"));
    EXPECT_EQ(value("3C", "423C001194", true), QStringLiteral("770.0"));
    EXPECT_EQ(value("24", "42240080004000", false), QStringLiteral("1.999 V, ratio: 0.999"));
    LocaleGuard german(germanLocale());
    EXPECT_EQ(value("06", "42060090"), QStringLiteral("12,5"));
}

TEST_F(FreezeFrame, SentinelsAndRequests) {
    EXPECT_EQ(m_service02.freezeFrameValue(m_link, "01", "05", false, "00"), std::nullopt);
    EXPECT_EQ(m_service02.freezeFrameValue(m_link, "02", "00", false, "00"),
              const_str::NotAvailable);
    EXPECT_EQ(value("20", "42200080000000"), std::nullopt);
    EXPECT_TRUE(m_link.sent().isEmpty());

    EXPECT_EQ(value("05", "NO DATA"), std::nullopt);
    EXPECT_EQ(value("05", "7F 02 12"), std::nullopt);
    EXPECT_EQ(value("05", "4105007B"), std::nullopt);
    // The frame number without the data, or with half of them, is no value.
    EXPECT_EQ(value("0C", "420C00"), std::nullopt);
    EXPECT_EQ(value("0C", "420C001A"), std::nullopt);
    EXPECT_EQ(value("24", "4224008000400"), std::nullopt);
    EXPECT_THROW(value("05", "420500XY"), HexConversionError);
}

TEST_F(FreezeFrame, LongArgumentsAreCut) {
    m_link.answer(QStringLiteral("020500"), QStringLiteral("4205007B"));
    EXPECT_EQ(m_service02.freezeFrameValue(m_link, "0201", "0533", false, "0011"),
              QStringLiteral("83"));
    EXPECT_EQ(m_link.sent(), QStringList({"020500"}));
}

} // namespace
