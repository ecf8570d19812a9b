// The main window's place across runs: what is stored, what a hand-edited file may hold, and
// where a stored place is still on a screen.

#include "core/settings/settings_store.h"
#include "core/settings/window_placement.h"

#include "tests/support/test_environment.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

std::optional<WindowPlacement> readBack(const QString& path) {
    SettingsStore store(path);
    EXPECT_TRUE(store.open(false));
    return readWindowPlacement(store);
}

TEST(WindowPlacement, IsStoredAndReadBack) {
    const QString path = test_env::freshDir(QStringLiteral("placement")) + "/quorvane.ini";
    SettingsStore store(path);
    const WindowPlacement placement{QRect(-1200, 40, 900, 700), true};
    storeWindowPlacement(store, placement);
    EXPECT_EQ(readBack(path), placement);
}

// A value that is missing or could be no window's leaves the window at its built-in place.
TEST(WindowPlacement, ValuesNoWindowCouldHaveAreNotTaken) {
    const struct {
        const char* key;
        QVariant value;
    } cases[] = {{"WindowWidth", QVariant()},
                 {"WindowHeight", 0},
                 {"WindowWidth", -5},
                 {"WindowLeft", 2000000000},
                 {"WindowTop", QStringLiteral("top")},
                 {"WindowMaximized", QVariant()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        const QString path = test_env::freshDir(QStringLiteral("placement-bad")) + "/q.ini";
        {
            QSettings raw(path, QSettings::IniFormat);
            raw.setValue("WindowLeft", 10);
            raw.setValue("WindowTop", 20);
            raw.setValue("WindowWidth", 700);
            raw.setValue("WindowHeight", 600);
            if (c.value.isValid())
                raw.setValue(c.key, c.value);
            else
                raw.remove(c.key);
        }
        const auto placement = readBack(path);
        // The maximised flag alone may be missing: an older file has the rectangle only.
        if (QLatin1String(c.key) == QLatin1String("WindowMaximized"))
            EXPECT_EQ(placement, (WindowPlacement{QRect(10, 20, 700, 600), false}));
        else
            EXPECT_EQ(placement, std::nullopt);
    }
}

TEST(WindowPlacement, IsKeptOnlyWhereAScreenStillHoldsItWhole) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 984)};
    const QSize minimum(400, 300);
    const struct {
        QRect stored;
        bool kept;
    } cases[] = {
        {QRect(100, 50, 900, 700), true},    // on the first screen
        {QRect(2000, 10, 1000, 900), true},  // on the second
        {QRect(1500, 10, 900, 700), false},  // across both: part of it may be out of reach
        {QRect(3300, 10, 900, 700), false},  // where a screen was unplugged
        {QRect(100, 50, 1200, 1100), false}, // taller than the screen now is
        {QRect(100, 50, 300, 200), false},   // smaller than the window can be
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored.x() << "," << c.stored.y());
        const auto placed = placementOnScreens(c.stored, screens, minimum);
        EXPECT_EQ(placed.has_value(), c.kept);
        EXPECT_EQ(placed.value_or(c.stored), c.stored);
    }
    EXPECT_EQ(placementOnScreens(QRect(0, 0, 800, 600), {}, minimum), std::nullopt);
}

} // namespace
