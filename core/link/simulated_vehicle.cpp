#include "core/link/simulated_vehicle.h"

#include <chrono>
#include <random>

namespace {

struct CannedAnswer {
    const char* command;
    const char* answer;
};

// The vehicle: a 1994 car with nine stored and three pending trouble codes, one of them permanent,
// the lamp on, a freeze frame, two calibrations, its name and its monitors' in-use ratios. Answers
// exactly as the interface prints them, blanks and all.
constexpr CannedAnswer kTable[] = {
    {"ATZ", "ATZ  ELM323 v2.0"},
    {"ATE0", "OK"},
    {"ATL0", "OK"},
    {"ATI", "ELM323 v2.0"},
    {"0100", "41 00 BE 1F E8 11"},
    {"0101", "41 01 89 07 6D 00"},
    {"0103", "41 03 02 00"},
    {"0104", "41 04 00"},
    {"0105", "41 05 50"},
    {"0106", "41 06 7B"},
    {"0107", "41 07 5A"},
    {"0109", "7F 01 12"},
    {"010A", "7F 01 12"},
    {"010D", "41 0D 00"},
    {"010E", "41 0E 95"},
    {"010F", "41 0F 3A"},
    {"0110", "41 10 00 00"},
    {"0111", "41 11 00"},
    {"0112", "7F 01 12"},
    {"0113", "41 13 03"},
    {"0114", "41 14 07 80"},
    {"0115", "41 15 08 FF"},
    {"011C", "41 1C 01"},
    // Frame 00, stored with the first stored code (the engine too cold for closed loop) at idle:
    // the PIDs its supported set lists, each asked with the frame number behind it.
    {"020000", "42 00 00 7E 18 00 00"},
    {"020200", "42 02 00 01 25"},
    {"020300", "42 03 00 01 00"},
    {"020400", "42 04 00 3C"},
    {"020500", "42 05 00 50"},
    {"020600", "42 06 00 80"},
    {"020700", "42 07 00 82"},
    {"020C00", "42 0C 00 0B B8"},
    {"020D00", "42 0D 00 00"},
    {"03", "43 01 25 07 36 04 55 43 11 07 12 99 11 98 43 94 91 99 92 A4 27"},
    {"04", "44"},
    {"07", "47 01 25 07 36 04 55"},
    // The code behind the freeze frame stays until the monitor has passed again.
    {"0A", "4A 01 25 00 00 00 00"},
    {"0900", "49 00 01 FF C0 00 00"},
    {"0901", "49 01 05"},
    {"0902", "49 02 01 00 00 00 31 49 02 02 47 31 4A 43 49 02 03 35 34 34 34 49 02 04 52 37 32 35 "
             "49 02 05 32 33 36 37"},
    {"0903", "49 03 08"},
    {"0904", "49 04013131333149040235333334490403373930364904043030303249040530333235490406343531"
             "334904073332303649040830303034"},
    {"0905", "49 05 02"},
    {"0906", "490601AE6D46B44906020000771D"},
    {"0907", "49 07 08"},
    // In-use performance ratios, two bytes each: ignition cycles 540, the general denominator
    // 120, catalyst 45/120, oxygen sensor 98/118, EVAP 8/115 (far below its minimum); the car
    // has neither a second bank nor an EGR monitor, and no secondary air ratio.
    {"0908", "49 08 01 00 78 02 1C 49 08 02 00 2D 00 78 49 08 03 00 00 00 00 49 08 04 00 62 00 76 "
             "49 08 05 00 00 00 00 49 08 06 00 00 00 00 49 08 07 00 00 00 00 49 08 08 00 08 00 73"},
    {"0909", "49 09 05"},
    {"090A", "49 0A 01 45 43 4D 2D 49 0A 02 45 6E 67 69 49 0A 03 6E 65 43 6F 49 0A 04 6E 74 72 6F "
             "49 0A 05 6C 00 00 00"},
};

// One of six engine speeds (multiples of 4492 counts), drawn from a generator seeded from the
// clock on every request, as a fresh reading would be.
QString engineSpeedAnswer() {
    std::mt19937 generator(
        static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> step(1, 6);
    return QStringLiteral("410C%1").arg(step(generator) * 4492, 4, 16, QLatin1Char('0')).toUpper();
}

const CannedAnswer* find(const QString& command) {
    for (const CannedAnswer& row : kTable)
        if (command == QLatin1String(row.command))
            return &row;
    return nullptr;
}

} // namespace

namespace simulated_vehicle {

QString answerNow(const QString& command) {
    if (command == QLatin1String("010C"))
        return engineSpeedAnswer();
    if (const CannedAnswer* row = find(command))
        return QString::fromLatin1(row->answer);
    return QStringLiteral("DEMO");
}

bool knows(const QString& command) {
    return command == QLatin1String("010C") || find(command) != nullptr;
}

} // namespace simulated_vehicle
