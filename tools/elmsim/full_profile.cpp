#include "tools/elmsim/full_profile.h"

#include "core/link/simulated_vehicle.h"
#include "tools/elmsim/sim_units.h"
#include "tools/elmsim/vehicle_profile.h"

#include <QHash>
#include <QStringList>

namespace {

// Service 01 answers of the engine unit. The supported bitmaps name exactly these PIDs.
const QHash<QString, QString>& engineCurrentData() {
    static const QHash<QString, QString> answers = {
        {"0100", "41 00 BE 1F B8 13"}, {"0120", "41 20 80 02 A0 11"}, {"0140", "41 40 C4 08 00 00"},
        {"0103", "41 03 02 00"},       {"0104", "41 04 33"},          {"0105", "41 05 5A"},
        {"0106", "41 06 82"},          {"0107", "41 07 7E"},          {"010C", "41 0C 0C 4E"},
        {"010D", "41 0D 00"},          {"010E", "41 0E 8C"},          {"010F", "41 0F 44"},
        {"0110", "41 10 01 F4"},       {"0111", "41 11 26"},          {"0113", "41 13 03"},
        {"0114", "41 14 5A 80"},       {"0115", "41 15 1E FF"},       {"011C", "41 1C 06"},
        {"011F", "41 1F 02 58"},       {"0121", "41 21 00 2A"},       {"012F", "41 2F 80"},
        {"0131", "41 31 01 F4"},       {"0133", "41 33 64"},          {"013C", "41 3C 11 94"},
        {"0141", "41 41 00 07 E5 A0"}, {"0142", "41 42 38 A4"},       {"0146", "41 46 32"},
        {"014D", "41 4D 00 0A"},
    };
    return answers;
}

// The freeze frame stored with P0133: service 02, frame 00. The bitmap names exactly these PIDs.
const QHash<QString, QString>& freezeFrame() {
    static const QHash<QString, QString> answers = {
        {"020000", "42 00 00 7E 18 80 00"}, {"020200", "42 02 00 01 33"},
        {"020300", "42 03 00 02 00"},       {"020400", "42 04 00 80"},
        {"020500", "42 05 00 7B"},          {"020600", "42 06 00 90"},
        {"020700", "42 07 00 7E"},          {"020C00", "42 0C 00 1A F8"},
        {"020D00", "42 0D 00 32"},          {"021100", "42 11 00 33"},
    };
    return answers;
}

// Service 05 results of test IDs 01..0A: value, minimum, maximum. Sensor 02 reads a little
// higher on the calculated tests.
const char* const oxygenSensorResults[10] = {
    "5A 00 00", "5A 00 00", "3C 00 00", "78 00 00", "19 00 32",
    "1E 00 32", "14 00 28", "B4 A0 FF", "19 0A 32", "23 0A 50",
};

// Service 06 on CAN: the supported-monitor blocks, then each monitor's tests as nine-byte blocks
// (MID, TID, unit-and-scaling ID, value, minimum, maximum). The catalyst of bank 1 is past its
// limit; cylinder 3 misfires now and then. The EVAP test 85 has a scaling ID the table lacks.
const QHash<QString, QString>& canMonitorResults() {
    static const QHash<QString, QString> answers = {
        {"0600", "46 00 C0 00 00 01"},
        {"0620", "46 20 80 00 80 21"},
        {"0640", "46 40 00 00 00 01"},
        {"0660", "46 60 00 00 00 01"},
        {"0680", "46 80 00 00 00 01"},
        {"06A0", "46 A0 F8 00 00 00"},
        {"0601",
         "46 01 01 0A 0E 69 0C CD 10 00 01 02 0A 0E 69 0C CD 10 00 01 05 10 00 48 00 00 01 90"},
        {"0602", "46 02 07 0B 00 64 00 00 01 90 02 08 0B 03 20 02 BC FF FF"},
        {"0621", "46 21 80 01 01 54 00 00 01 00"},
        {"0631", "46 31 80 96 00 0C FF F6 00 14 31 81 14 02 A8 01 F4 0B B8"},
        {"063B", "46 3B 80 FE 00 1E 00 00 00 64 3B 85 50 12 34 00 00 FF FF"},
        {"06A1", "46 A1 0B 24 00 02 00 00 FF FF A1 0C 24 00 05 00 00 FF FF"},
        {"06A2", "46 A2 0B 24 00 00 00 00 FF FF A2 0C 24 00 00 00 00 FF FF"},
        {"06A3", "46 A3 0B 24 00 00 00 00 FF FF A3 0C 24 00 00 00 00 FF FF"},
        {"06A4", "46 A4 0B 24 00 02 00 00 FF FF A4 0C 24 00 05 00 00 FF FF"},
        {"06A5", "46 A5 0B 24 00 00 00 00 FF FF A5 0C 24 00 00 00 00 FF FF"},
    };
    return answers;
}

// Service 06 on the older protocols: asked by test ID, one message per test and component (TID,
// limit type and component, value, limit), unscaled, one limit a message. The sensor switch
// tests are standard IDs; the catalyst check is the manufacturer's test 81, past its maximum,
// announced only in the fifth block.
const QHash<QString, QString>& legacyMonitorResults() {
    static const QHash<QString, QString> answers = {
        {"0600", "46 00 88 00 00 01"},    {"0601", "46 01 01 00 5A 00 64\r46 01 02 00 5C 00 64"},
        {"0605", "46 05 81 00 20 00 10"}, {"0620", "46 20 00 00 00 01"},
        {"0640", "46 40 00 00 00 01"},    {"0660", "46 60 00 00 00 01"},
        {"0680", "46 80 80 00 00 00"},    {"0681", "46 81 01 01 40 01 00"},
    };
    return answers;
}

QString hexByte(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

class FullProfile : public VehicleProfile {
public:
    QString answer(const QString& request) override {
        const QString engine = engineAnswer(request);
        const QString transmission = transmissionAnswer(request);
        if (engine.isEmpty() || transmission.isEmpty()) {
            return engine + transmission;
        }
        return engine + QLatin1Char('\r') + transmission;
    }

    QString canAnswer(const QString& request) override {
        if (request.startsWith(QLatin1String("06"))) {
            return canMonitorResults().value(request);
        }
        return answer(request);
    }

    // Only the engine reports the older monitor results, in several messages.
    int unitOfLine(const QString& request, int line) override {
        return request.startsWith(QLatin1String("06")) ? 0 : line;
    }

private:
    QString engineAnswer(const QString& request) {
        if (request == QLatin1String("04")) {
            m_cleared = true;
            return QStringLiteral("44");
        }
        if (request == QLatin1String("0101")) {
            // After clearing the lamp is off and the monitors have to run again. Before, every
            // monitor has run except exhaust gas recirculation: not ready for an inspection.
            return m_cleared ? QStringLiteral("41 01 00 07 E5 E5")
                             : QStringLiteral("41 01 83 07 E5 80");
        }
        if (request == QLatin1String("03")) {
            return m_cleared ? QStringLiteral("43 00 00 00 00 00 00")
                             : QStringLiteral("43 01 33 01 71 03 00");
        }
        if (request == QLatin1String("07")) {
            return m_cleared ? QStringLiteral("47 00 00 00 00 00 00")
                             : QStringLiteral("47 01 71 00 00 00 00");
        }
        if (request == QLatin1String("0A")) {
            // The code behind the freeze frame stays permanent after clearing until its monitor
            // has passed again, which it does not while elmsim runs.
            return QStringLiteral("4A 01 33 00 00 00 00");
        }
        if (request.startsWith(QLatin1String("01"))) {
            return engineCurrentData().value(request);
        }
        if (request.startsWith(QLatin1String("02"))) {
            // Clearing erases the freeze frame with the codes: the unit still answers for frame
            // 0, with the code 0000 that says no frame is stored.
            if (m_cleared) {
                if (request == QLatin1String("020000"))
                    return QStringLiteral("42 00 00 00 00 00 00");
                return request == QLatin1String("020200") ? QStringLiteral("42 02 00 00 00")
                                                          : QString();
            }
            return freezeFrame().value(request);
        }
        if (request.startsWith(QLatin1String("05"))) {
            return oxygenSensorAnswer(request);
        }
        if (request.startsWith(QLatin1String("06"))) {
            return legacyMonitorResults().value(request);
        }
        if (request.startsWith(QLatin1String("09")) && simulated_vehicle::knows(request)) {
            return simulated_vehicle::answerNow(request);
        }
        return QString();
    }

    QString oxygenSensorAnswer(const QString& request) const {
        if (m_cleared || request.size() != 6) {
            return QString();
        }
        bool ok = false;
        const int test = request.mid(2, 2).toInt(&ok, 16);
        const QString sensor = request.mid(4, 2);
        if (!ok || test < 1 || test > 10 ||
            (sensor != QLatin1String("01") && sensor != QLatin1String("02"))) {
            return QString();
        }
        QStringList bytes = QString::fromLatin1(oxygenSensorResults[test - 1]).split(u' ');
        if (sensor == QLatin1String("02") && test >= 5) {
            bytes[0] = hexByte(bytes[0].toInt(nullptr, 16) + 2);
        }
        return QStringLiteral("45 ") + hexByte(test) + QLatin1Char(' ') + sensor +
               QLatin1Char(' ') + bytes.join(u' ');
    }

    // The transmission unit reads the live values it reports with sensors of its own.
    QString transmissionAnswer(const QString& request) const {
        static const QHash<QString, QString> values = {
            {"0104", "41 04 1A"},
            {"0105", "41 05 64"},
            {"010C", "41 0C 0C 40"},
            {"010D", "41 0D 00"},
        };
        if (sim_units::isSharedValue(request))
            return values.value(request);
        return sim_units::transmissionAnswer(request, m_cleared);
    }

    bool m_cleared = false;
};

} // namespace

QString fullEngineAnswer(const QString& request) {
    return engineCurrentData().value(request);
}

std::unique_ptr<VehicleProfile> makeFullProfile() {
    return std::make_unique<FullProfile>();
}
