#pragma once

#include <QList>
#include <QRect>
#include <optional>

class SettingsStore;

// Where the main window was when the program ended last: its normal (not maximised) rectangle
// and whether it was maximised.
struct WindowPlacement {
    QRect normal;
    bool maximized = false;

    bool operator==(const WindowPlacement&) const = default;
};

// The placement as stored in an open key; nothing when a value is missing or names no sensible
// window (a hand-edited file).
std::optional<WindowPlacement> readWindowPlacement(SettingsStore& store);

// Opens the key (creating it), writes the placement and closes it.
void storeWindowPlacement(SettingsStore& store, const WindowPlacement& placement);

// The stored rectangle when one of the screens' available areas still holds it whole (a monitor
// unplugged since, or a smaller resolution, would leave the window out of reach), at least as
// large as the window's minimum; nothing otherwise.
std::optional<QRect> placementOnScreens(const QRect& stored, const QList<QRect>& screens,
                                        const QSize& minimum);
