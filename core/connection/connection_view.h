#pragma once

#include "core/j1979/o2_sensor_tests.h"
#include "core/j1979/supported_pids.h"
#include "core/j1979/trouble_codes.h"

#include <QList>
#include <QString>
#include <QStringList>

struct MonitorStatus;
struct FreezeFrameReading;
class Service09;
struct VehicleUnit;

// Everything the connection sequence shows. The window implements it with the start page's
// init-Status list, the status strip and the pages; tests and the command-line tool implement it
// with plain records. The sequence never waits for the view: every call returns at once.
class ConnectionView {
public:
    // The icon drawn before a line of the init-Status list; Info lines (a step the vehicle does
    // not support, the lines of a disconnect) have none: they neither passed nor failed.
    enum class Mark { Ok, Error, Info };

    virtual ~ConnectionView() = default;

    // The init-Status list.
    virtual void clearLog() = 0;
    virtual void addLogLine(const QString& text, Mark mark) = 0;

    // The three lamps of the status strip: port, interface, control unit.
    virtual void setComLed(bool on) = 0;
    virtual void setElmLed(bool on) = 0;
    virtual void setEcuLed(bool on) = 0;

    // COM_Label (the port name or "COM?") and InterfaceLabel ("Interface: ELM323 v2.0").
    virtual void setComLabel(const QString& text) = 0;
    virtual void setInterfaceLabel(const QString& text) = 0;
    // The chip's answer to the identify command, kept for the status strip.
    virtual void setChipVersion(const QString& /*version*/) {}

    // Repaint the init-Status list now, so each new line is seen while the ui thread is blocked.
    virtual void updateLog() = 0;
    // Repaint the whole window now; with processEvents, also handle the pending window messages
    // once, so a click made meanwhile takes effect at this point.
    virtual void updateWindow(bool /*processEvents*/) {}

    // The readings of the service stages, in the order the sequence makes them. A page that does
    // not exist yet leaves its hook empty; the reading is made all the same. A reading that the
    // vehicle did not answer arrives as nothing (code lists, sensor list) or marked unanswered
    // (monitor status), so that it is never shown as a result.
    virtual void buildSensorLists(const SupportedPidSet& /*mode01Supported*/) {}
    virtual void showObdType(const QString& /*text*/) {}
    virtual void showMonitorStatus(const MonitorStatus& /*status*/) {}
    virtual void showFreezeFrame(const FreezeFrameReading& /*reading*/) {}
    virtual void showStoredCodes(const UnitCodeList& /*codes*/) {}
    virtual void showO2SensorLocations(const O2SensorList& /*locations*/) {}
    virtual void showPendingCodes(const UnitCodeList& /*codes*/) {}
    virtual void showPermanentCodes(const PermanentCodes& /*codes*/) {}
    // VIN, calibration IDs and calibration verification numbers.
    virtual void showVehicleInfo(const Service09& /*info*/) {}
    // What each control unit said of itself (ProgramContext::vehicleUnits).
    virtual void showVehicleUnits(const QList<VehicleUnit>& /*units*/) {}
    // A connection begins or ends: whatever was shown of the last vehicle goes back to its state
    // before any reading.
    virtual void forgetVehicle() {}
};
