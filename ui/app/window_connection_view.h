#pragma once

#include "core/connection/connection_view.h"

class DtcPage;
class FreezeFramePage;
class MonitorTestsPage;
class O2SensorPage;
class SensorDataPage;
class QLabel;
class QWidget;
class StartPage;
class StatusLed;
class VehiclePage;

// The connection sequence as the main window shows it: the init-Status list and the readings on
// the start page, the port name, interface text and three lamps in the status strip.
class WindowConnectionView : public ConnectionView {
public:
    struct Widgets {
        QWidget* window = nullptr;
        StartPage* startPage = nullptr;
        QLabel* comLabel = nullptr;
        QLabel* interfaceLabel = nullptr;
        StatusLed* comLed = nullptr;
        StatusLed* elmLed = nullptr;
        StatusLed* ecuLed = nullptr;
        DtcPage* dtcPage = nullptr;
        FreezeFramePage* freezeFramePage = nullptr;
        O2SensorPage* o2SensorPage = nullptr;
        MonitorTestsPage* monitorTestsPage = nullptr;
        SensorDataPage* sensorDataPage = nullptr;
        VehiclePage* vehiclePage = nullptr;
    };

    explicit WindowConnectionView(const Widgets& widgets) : m_w(widgets) {}

    void clearLog() override;
    void addLogLine(const QString& text, Mark mark) override;
    void setComLed(bool on) override;
    void setElmLed(bool on) override;
    void setEcuLed(bool on) override;
    void setComLabel(const QString& text) override;
    void setInterfaceLabel(const QString& text) override;
    void updateLog() override;
    void updateWindow(bool processEvents) override;
    void showObdType(const QString& text) override;
    void showMonitorStatus(const MonitorStatus& status) override;
    void showVehicleInfo(const Service09& info) override;
    void showVehicleUnits(const QList<VehicleUnit>& units) override;
    void showFreezeFrame(const FreezeFrameReading& reading) override;
    void showStoredCodes(const UnitCodeList& codes) override;
    void showO2SensorLocations(const O2SensorList& locations) override;
    void showPendingCodes(const UnitCodeList& codes) override;
    void showPermanentCodes(const PermanentCodes& codes) override;
    void buildSensorLists(const SupportedPidSet& mode01Supported) override;
    void forgetVehicle() override;

private:
    Widgets m_w;
};
