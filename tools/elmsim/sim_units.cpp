#include "tools/elmsim/sim_units.h"

#include "core/link/simulated_vehicle.h"
#include "tools/elmsim/vehicle_profile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <initializer_list>

namespace {

QString hexText(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// Vehicle information of one type as the older protocols send it: numbered messages of four
// data bytes each, the last one filled up with zero bytes.
QString numberedMessages(int type, QByteArray data) {
    data.append((4 - data.size() % 4) % 4, '\0');
    QByteArray messages;
    for (qsizetype at = 0; at < data.size(); at += 4)
        messages += QByteArray{"\x49"} + char(type) + char(at / 4 + 1) + data.mid(at, 4);
    return hexText(messages);
}

// The number of numbered messages those data take: the answer of the count type before it.
QString messageCount(int type, qsizetype dataBytes) {
    return hexText(QByteArray{"\x49"} + char(type) + char((dataBytes + 3) / 4));
}

QByteArray words(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int value : values)
        bytes += char(value >> 8) + QByteArray(1, char(value & 0xFF));
    return bytes;
}

// The name of a unit: 20 ASCII bytes, filled up with zero bytes.
QByteArray unitName(const char* name) {
    QByteArray bytes(name);
    bytes.append(20 - bytes.size(), '\0');
    return bytes;
}

// A type and its count type on the older protocols (07 before 08, 09 before 0A).
QString infoOrCount(const QString& request, int type, const QByteArray& data) {
    if (request == QStringLiteral("09%1").arg(type, 2, 16, QLatin1Char('0')).toUpper())
        return numberedMessages(type, data);
    if (type % 2 == 0 &&
        request == QStringLiteral("09%1").arg(type - 1, 2, 16, QLatin1Char('0')).toUpper())
        return messageCount(type - 1, data.size());
    return QString();
}

class SecondUnit : public VehicleProfile {
public:
    explicit SecondUnit(VehicleProfile& engine) : m_engine(engine) {}

    QString answer(const QString& request) override {
        return withSecond(request, m_engine.answer(request));
    }
    QString canAnswer(const QString& request) override {
        return withSecond(request, m_engine.canAnswer(request));
    }
    int unitOfLine(const QString& request, int line) override {
        return m_engine.unitOfLine(request, line);
    }

private:
    QString withSecond(const QString& request, const QString& engine) {
        if (request == QLatin1String("04"))
            m_cleared = true;
        if (engine.isEmpty() || engine.contains(QLatin1Char('\r')))
            return engine;
        const QString transmission = sim_units::isSharedValue(request)
                                         ? engine
                                         : sim_units::transmissionAnswer(request, m_cleared);
        return transmission.isEmpty() ? engine : engine + QLatin1Char('\r') + transmission;
    }

    VehicleProfile& m_engine;
    bool m_cleared = false;
};

} // namespace

namespace sim_units {

QString modernEngineInfo(const QString& request, Ignition ignition) {
    const bool spark = ignition == Ignition::Spark;
    if (request == QLatin1String("0900"))
        return spark ? QStringLiteral("49 00 01 FF C0 00 00")
                     : QStringLiteral("49 00 01 FC E0 00 00");
    if (request == QLatin1String("090A") || request == QLatin1String("0909"))
        return infoOrCount(request, 0x0A, unitName("ECM-EngineControl"));
    if (spark && (request == QLatin1String("0907") || request == QLatin1String("0908"))) {
        // Ignition cycles, the general denominator, then completions and conditions of catalyst
        // 1 and 2, oxygen sensor 1 and 2, EGR, secondary air, EVAP and secondary oxygen sensor 1
        // and 2. The secondary oxygen sensor's monitor has run far too seldom.
        return infoOrCount(request, 0x08, words({86, 412, 38, 86, 0,  0,  70, 86, 0, 0,
                                                 0,  0,   0,  0,  40, 86, 6,  86, 0, 0}));
    }
    if (!spark && request == QLatin1String("090B")) {
        // Ignition cycles, the general denominator, then completions and conditions of the NMHC
        // catalyst, NOx catalyst, NOx adsorber (none), particulate filter, exhaust gas sensor,
        // EGR, boost pressure and fuel monitors. The NOx catalyst monitor has hardly run.
        return numberedMessages(0x0B, words({150, 610, 60, 150, 3, 150, 0, 0, 48, 150, 75, 150, 52,
                                             150, 66, 150, 90, 150}));
    }
    // The ratios of the other kind of ignition are none of the engine's; VIN and calibrations
    // are the Demo-Mode vehicle's.
    const bool ratios = request == QLatin1String("0907") || request == QLatin1String("0908") ||
                        request == QLatin1String("090B");
    return !ratios && simulated_vehicle::knows(request) ? simulated_vehicle::answerNow(request)
                                                        : QString();
}

bool isSharedValue(const QString& request) {
    static const QStringList shared{QStringLiteral("0104"), QStringLiteral("0105"),
                                    QStringLiteral("010C"), QStringLiteral("010D")};
    return shared.contains(request);
}

QString transmissionAnswer(const QString& request, bool cleared) {
    if (request == QLatin1String("03"))
        return cleared ? QStringLiteral("43 00 00 00 00 00 00")
                       : QStringLiteral("43 07 00 00 00 00 00");
    if (request == QLatin1String("07"))
        return cleared ? QStringLiteral("47 00 00 00 00 00 00")
                       : QStringLiteral("47 07 15 00 00 00 00");
    if (request == QLatin1String("0101")) // P0700 asks for the lamp; no monitors of its own
        return cleared ? QStringLiteral("41 01 00 00 00 00") : QStringLiteral("41 01 81 00 00 00");
    static const QHash<QString, QString> answers = {
        {"0100", "41 00 98 18 00 00"},
        {"04", "44"},
        {"0A", "4A 00 00 00 00 00 00"},
        // The bitmap and the CVN with its count; the calibration ID and the name come with
        // their counts below.
        {"0900", "49 00 01 3C C0 00 00"},
        {"0905", "49 05 01"},
        {"0906", "49 06 01 4D 1F 0C 21"},
    };
    if (const auto known = answers.constFind(request); known != answers.constEnd())
        return known.value();
    const QString calibration =
        infoOrCount(request, 0x04, QByteArray("TCM7700A01").leftJustified(16, '\0'));
    return calibration.isEmpty() ? infoOrCount(request, 0x0A, unitName("TCM-TransmissionCtl"))
                                 : calibration;
}

std::unique_ptr<VehicleProfile> withTransmission(VehicleProfile& engine) {
    return std::make_unique<SecondUnit>(engine);
}

int isoAddress(int unit) {
    return 0x10 + 8 * unit;
}

} // namespace sim_units
