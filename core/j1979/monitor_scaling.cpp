#include "core/j1979/monitor_scaling.h"

#include <algorithm>
#include <iterator>

namespace monitor_scaling {

namespace {

struct Scaling {
    int id;
    double factor;
    double offset;
    const char* unit; // UTF-8
};

// Factor per count, offset and unit as the standard publishes them, sorted by ID. The one length
// in inches (32) is given in millimetres: 0.0000305 in = 0.0007747 mm. 2E is a state (zero is
// false), kept as its number so value and limits are judged alike. 3A..41 and the signed 87, 99,
// AD, AE and FC came with later editions of the table.
constexpr Scaling table[] = {
    {0x01, 1, 0, ""},
    {0x02, 0.1, 0, ""},
    {0x03, 0.01, 0, ""},
    {0x04, 0.001, 0, ""},
    {0x05, 0.0000305, 0, ""},
    {0x06, 0.000305, 0, ""},
    {0x07, 0.25, 0, "rpm"},
    {0x08, 0.01, 0, "km/h"},
    {0x09, 1, 0, "km/h"},
    {0x0A, 0.122, 0, "mV"},
    {0x0B, 0.001, 0, "V"},
    {0x0C, 0.01, 0, "V"},
    {0x0D, 0.00390625, 0, "mA"},
    {0x0E, 0.001, 0, "A"},
    {0x0F, 0.01, 0, "A"},
    {0x10, 1, 0, "ms"},
    {0x11, 100, 0, "ms"},
    {0x12, 1, 0, "s"},
    {0x13, 1, 0, "mΩ"},
    {0x14, 1, 0, "Ω"},
    {0x15, 1, 0, "kΩ"},
    {0x16, 0.1, -40, "°C"},
    {0x17, 0.01, 0, "kPa"},
    {0x18, 0.0117, 0, "kPa"},
    {0x19, 0.079, 0, "kPa"},
    {0x1A, 1, 0, "kPa"},
    {0x1B, 10, 0, "kPa"},
    {0x1C, 0.01, 0, "°"},
    {0x1D, 0.5, 0, "°"},
    {0x1E, 0.0000305, 0, "λ"},
    {0x1F, 0.05, 0, "A/F"},
    {0x20, 0.0039062, 0, ""},
    {0x21, 1, 0, "mHz"},
    {0x22, 1, 0, "Hz"},
    {0x23, 1, 0, "kHz"},
    {0x24, 1, 0, "counts"},
    {0x25, 1, 0, "km"},
    {0x26, 0.1, 0, "mV/ms"},
    {0x27, 0.01, 0, "g/s"},
    {0x28, 1, 0, "g/s"},
    {0x29, 0.25, 0, "Pa/s"},
    {0x2A, 0.001, 0, "kg/h"},
    {0x2B, 1, 0, "switches"},
    {0x2C, 0.01, 0, "g/cyl"},
    {0x2D, 0.01, 0, "mg/stroke"},
    {0x2E, 1, 0, ""},
    {0x2F, 0.01, 0, "%"},
    {0x30, 0.001526, 0, "%"},
    {0x31, 0.001, 0, "L"},
    {0x32, 0.0007747, 0, "mm"},
    {0x33, 0.00024414, 0, "λ"},
    {0x34, 1, 0, "min"},
    {0x35, 10, 0, "ms"},
    {0x36, 0.01, 0, "g"},
    {0x37, 0.1, 0, "g"},
    {0x38, 1, 0, "g"},
    {0x39, 0.01, -327.68, "%"},
    {0x3A, 0.001, 0, "g"},
    {0x3B, 0.0001, 0, "g"},
    {0x3C, 0.1, 0, "µs"},
    {0x3D, 0.01, 0, "mA"},
    {0x3E, 0.00006103516, 0, "mm²"},
    {0x3F, 0.01, 0, "L"},
    {0x40, 1, 0, "ppm"},
    {0x41, 0.01, 0, "µA"},
    {0x81, 1, 0, ""},
    {0x82, 0.1, 0, ""},
    {0x83, 0.01, 0, ""},
    {0x84, 0.001, 0, ""},
    {0x85, 0.0000305, 0, ""},
    {0x86, 0.000305, 0, ""},
    {0x87, 1, 0, "ppm"},
    {0x8A, 0.122, 0, "mV"},
    {0x8B, 0.001, 0, "V"},
    {0x8C, 0.01, 0, "V"},
    {0x8D, 0.00390625, 0, "mA"},
    {0x8E, 0.001, 0, "A"},
    {0x90, 1, 0, "ms"},
    {0x96, 0.1, 0, "°C"},
    {0x99, 0.1, 0, "kPa"},
    {0x9C, 0.01, 0, "°"},
    {0x9D, 0.5, 0, "°"},
    {0xA8, 1, 0, "g/s"},
    {0xA9, 0.25, 0, "Pa/s"},
    {0xAD, 0.01, 0, "mg/stroke"},
    {0xAE, 0.1, 0, "mg/stroke"},
    {0xAF, 0.01, 0, "%"},
    {0xB0, 0.003052, 0, "%"},
    {0xB1, 2, 0, "mV/s"},
    {0xFC, 0.01, 0, "kPa"},
    {0xFD, 0.001, 0, "kPa"},
    {0xFE, 0.25, 0, "Pa"},
};

const Scaling* find(int uasid) {
    const auto* it = std::lower_bound(std::begin(table), std::end(table), uasid,
                                      [](const Scaling& entry, int id) { return entry.id < id; });
    return it != std::end(table) && it->id == uasid ? it : nullptr;
}

} // namespace

ScaledValue scale(int uasid, quint16 rawWord) {
    const qint32 number = rawNumber(uasid, rawWord);
    const Scaling* entry = find(uasid);
    if (!entry) {
        return {double(number), {}, false};
    }
    return {number * entry->factor + entry->offset, QString::fromUtf8(entry->unit), true};
}

} // namespace monitor_scaling
