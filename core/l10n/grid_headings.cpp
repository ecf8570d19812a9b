#include "core/l10n/grid_headings.h"

#include "core/l10n/const_str.h"

GridHeadingTexts gridHeadingTexts() {
    using namespace const_str;
    GridHeadingTexts texts;
    texts.sensorTable = {
        QLatin1Char(' ') + GridS, GridPID, GridSensor, GridValue, QString(), QString()};
    texts.freezeFrame = {GridPID, GridSensor, GridValue, QString()};
    texts.o2Grid = {QString(), GridPID, GridDescription, GridValue, GridMin, GridMax, QString()};

    const std::array<const QString*, 10> descriptions{&O2Test01, &O2Test02, &O2Test03, &O2Test04,
                                                      &O2Test05, &O2Test06, &O2Test07, &O2Test08,
                                                      &O2Test09, &O2Test0A};
    for (int i = 0; i < 10; ++i) {
        // Tests $05, $06, $09 and $0A measure times, the others voltages.
        const bool time = i == 4 || i == 5 || i == 8 || i == 9;
        texts.o2TestRows[i] = {QStringLiteral("0"),
                               QStringLiteral("$%1").arg(i + 1, 2, 16, QLatin1Char('0')).toUpper(),
                               *descriptions[i], time ? UnitSeconds : UnitVolt};
    }
    return texts;
}
