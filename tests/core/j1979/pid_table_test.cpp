// Every catalogue PID decoded from one sample answer in both unit systems. The expected texts are
// worked out by hand from the J1979 scalings and the program's formats, not taken from the code.

#include "core/j1979/service01.h"
#include "core/l10n/const_str.h"
#include "locale_guard.h"
#include "scripted_link.h"
#include "tests/support/pid_samples.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PidTable, CoversEveryCataloguePid) {
    std::set<QString> pids;
    for (const PidSample& c : kPidSamples) {
        pids.insert(QString::fromLatin1(c.pid));
    }
    EXPECT_EQ(pids.size(), 78u);
    EXPECT_EQ(*pids.begin(), QStringLiteral("01"));
    EXPECT_EQ(*pids.rbegin(), QStringLiteral("4E"));
}

TEST(PidTable, EveryPidDecodesInBothUnitSystems) {
    LocaleGuard locale(englishLocale());
    Service01 service01;
    for (const PidSample& c : kPidSamples) {
        const QString pid = QString::fromLatin1(c.pid);
        SCOPED_TRACE(c.pid);
        ScriptedLink link;
        link.answer(QStringLiteral("01") + pid,
                    QStringLiteral("41") + pid + QString::fromLatin1(c.data));
        // The table writes a PID without a value as it is shown.
        EXPECT_EQ(
            service01.pidValue(link, QStringLiteral("01"), pid, false).value_or(const_str::Error),
            QString::fromUtf8(c.metric));
        EXPECT_EQ(
            service01.pidValue(link, QStringLiteral("01"), pid, true).value_or(const_str::Error),
            QString::fromUtf8(c.english));
    }
}

} // namespace
