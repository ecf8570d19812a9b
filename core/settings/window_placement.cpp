#include "core/settings/window_placement.h"

#include "core/settings/settings_names.h"
#include "core/settings/settings_store.h"

namespace {
// Larger than any screen: a value beyond it is no window's.
constexpr int kMaxCoordinate = 1 << 16;
} // namespace

std::optional<WindowPlacement> readWindowPlacement(SettingsStore& store) {
    using namespace setting_names;
    const auto left = store.readInt(WindowLeft);
    const auto top = store.readInt(WindowTop);
    const auto width = store.readInt(WindowWidth);
    const auto height = store.readInt(WindowHeight);
    if (!left || !top || !width || !height)
        return std::nullopt;
    for (int value : {*left, *top, *width, *height})
        if (value < -kMaxCoordinate || value > kMaxCoordinate)
            return std::nullopt;
    if (*width <= 0 || *height <= 0)
        return std::nullopt;
    return WindowPlacement{QRect(*left, *top, *width, *height),
                           store.readBool(WindowMaximized).value_or(false)};
}

void storeWindowPlacement(SettingsStore& store, const WindowPlacement& placement) {
    using namespace setting_names;
    if (!store.open(true))
        return;
    store.writeInt(WindowLeft, placement.normal.x());
    store.writeInt(WindowTop, placement.normal.y());
    store.writeInt(WindowWidth, placement.normal.width());
    store.writeInt(WindowHeight, placement.normal.height());
    store.writeBool(WindowMaximized, placement.maximized);
    store.close();
}

std::optional<QRect> placementOnScreens(const QRect& stored, const QList<QRect>& screens,
                                        const QSize& minimum) {
    if (stored.width() < minimum.width() || stored.height() < minimum.height())
        return std::nullopt;
    for (const QRect& screen : screens)
        if (screen.contains(stored))
            return stored;
    return std::nullopt;
}
