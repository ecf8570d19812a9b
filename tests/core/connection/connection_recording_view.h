#pragma once

#include "core/connection/connection_view.h"
#include "core/connection/freeze_frame_reading.h"
#include "core/j1979/monitor_status.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/j1979/service09.h"

#include <QStringList>
#include <optional>

// Keeps what the connection sequence shows, the way a page would after painting it.
class RecordingConnectionView : public ConnectionView {
public:
    struct Line {
        QString text;
        Mark mark;
    };
    QList<Line> lines;
    bool comLed = false, elmLed = false, ecuLed = false;
    QString comLabel = QStringLiteral("COM?");
    QString interfaceLabel = QStringLiteral("Initializing...");
    QString chipVersion;
    int logUpdates = 0;
    int windowUpdates = 0;
    int eventPasses = 0;
    std::optional<SupportedPidSet> sensorSet;
    QString obdType;
    std::optional<MonitorStatus> monitorStatus;
    std::optional<FreezeFrameReading> freezeFrame;
    TroubleCodeList storedCodes, pendingCodes;
    UnitCodeList storedByUnit, pendingByUnit;
    std::optional<PermanentCodes> permanentCodes;
    O2SensorList o2Locations;
    QString vin;
    QStringList cids, cvns;

    void clearLog() override { lines.clear(); }
    void addLogLine(const QString& text, Mark mark) override { lines.append({text, mark}); }
    void setComLed(bool on) override { comLed = on; }
    void setElmLed(bool on) override { elmLed = on; }
    void setEcuLed(bool on) override { ecuLed = on; }
    void setComLabel(const QString& text) override { comLabel = text; }
    void setInterfaceLabel(const QString& text) override { interfaceLabel = text; }
    void setChipVersion(const QString& version) override { chipVersion = version; }
    void updateLog() override { ++logUpdates; }
    void updateWindow(bool processEvents) override {
        ++windowUpdates;
        eventPasses += processEvents ? 1 : 0;
    }
    void buildSensorLists(const SupportedPidSet& set) override { sensorSet = set; }
    void showObdType(const QString& text) override { obdType = text; }
    void showMonitorStatus(const MonitorStatus& status) override { monitorStatus = status; }
    void showFreezeFrame(const FreezeFrameReading& reading) override { freezeFrame = reading; }
    void showStoredCodes(const UnitCodeList& codes) override {
        storedByUnit = codes;
        storedCodes = plainCodes(codes);
    }
    void showO2SensorLocations(const O2SensorList& l) override { o2Locations = l; }
    void showPendingCodes(const UnitCodeList& codes) override {
        pendingByUnit = codes;
        pendingCodes = plainCodes(codes);
    }
    void showPermanentCodes(const PermanentCodes& codes) override { permanentCodes = codes; }
    void showVehicleInfo(const Service09& info) override {
        vin = info.vin();
        cids = info.calibrationIds();
        cvns = info.calibrationVerificationNumbers();
    }

    QStringList texts() const {
        QStringList out;
        for (const Line& line : lines)
            out << line.text;
        return out;
    }
    QStringList marks() const {
        QStringList out;
        for (const Line& line : lines)
            out << (line.mark == Mark::Ok      ? QStringLiteral("OK")
                    : line.mark == Mark::Error ? QStringLiteral("ERR")
                                               : QStringLiteral("--"));
        return out;
    }
};

// The fifteen lines of a connection that reached every stage, after the port line.
inline QStringList successfulLinesAfterPort() {
    return {
        "response from interface: OK",
        "Echo off: OK",
        "LF off: OK",
        "Chip Version: ELM323 v2.0",
        "Interface is ready",
        "Connection to ECU: OK",
        "Mode 01 Init, Current Diagnostic Data",
        "Mode 02 Init, Freeze Frame Data",
        "Mode 03 Init, Diagnostic Trouble Codes",
        "Mode 05 Init, Oxygen Sensor Monitoring Test Results",
        "Mode 06 Init, On-Board Monitoring Test Results",
        "Mode 07 Init, Pending Diagnostic Trouble Codes",
        "Mode 08 Init, Control of On-Board System",
        "Mode 09 Init, Vehicle Information",
    };
}
