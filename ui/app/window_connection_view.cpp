#include "ui/app/window_connection_view.h"
#include "ui/pages/vehicle_page.h"

#include "core/connection/freeze_frame_reading.h"
#include "core/j1979/o2_sensor_tests.h"
#include "ui/pages/dtc_page.h"
#include "ui/pages/freeze_frame_page.h"
#include "ui/pages/monitor_tests_page.h"
#include "ui/pages/o2_sensor_page.h"
#include "ui/pages/sensor_data_page.h"
#include "ui/pages/start_page.h"
#include "ui/widgets/status_led.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>

void WindowConnectionView::clearLog() {
    m_w.startPage->clearLog();
}

void WindowConnectionView::addLogLine(const QString& text, Mark mark) {
    const StartPage::Icon icon = mark == Mark::Ok      ? StartPage::Icon::Ok
                                 : mark == Mark::Error ? StartPage::Icon::Error
                                                       : StartPage::Icon::None;
    m_w.startPage->addLogLine(text, icon);
}

void WindowConnectionView::setComLed(bool on) {
    m_w.comLed->setLedOn(on);
}
void WindowConnectionView::setElmLed(bool on) {
    m_w.elmLed->setLedOn(on);
}
void WindowConnectionView::setEcuLed(bool on) {
    m_w.ecuLed->setLedOn(on);
}
void WindowConnectionView::setComLabel(const QString& text) {
    m_w.comLabel->setText(text);
}

void WindowConnectionView::setInterfaceLabel(const QString& text) {
    m_w.interfaceLabel->setText(text);
}

void WindowConnectionView::updateLog() {
    m_w.startPage->logList()->repaint();
}

void WindowConnectionView::updateWindow(bool processEvents) {
    m_w.window->repaint();
    if (processEvents)
        QApplication::processEvents();
}

void WindowConnectionView::showObdType(const QString& text) {
    m_w.startPage->showObdType(text);
}

void WindowConnectionView::showMonitorStatus(const MonitorStatus& status) {
    m_w.startPage->showMonitorStatus(status);
}

void WindowConnectionView::showVehicleInfo(const Service09& info) {
    m_w.startPage->showVehicleInfo(info);
}

// The readings are made whether or not a page shows them (a window under construction, a test).
void WindowConnectionView::showFreezeFrame(const FreezeFrameReading& reading) {
    if (m_w.freezeFramePage != nullptr)
        m_w.freezeFramePage->showFreezeFrame(reading);
}

void WindowConnectionView::showStoredCodes(const UnitCodeList& codes) {
    if (m_w.dtcPage != nullptr)
        m_w.dtcPage->showStoredCodes(codes);
}

void WindowConnectionView::showO2SensorLocations(const O2SensorList& locations) {
    // A list the vehicle did not give leaves the selector empty, as no sensor does.
    if (m_w.o2SensorPage != nullptr)
        m_w.o2SensorPage->showO2SensorLocations(locations.value_or(QList<O2SensorLocation>()));
}

void WindowConnectionView::showPendingCodes(const UnitCodeList& codes) {
    if (m_w.dtcPage != nullptr)
        m_w.dtcPage->showPendingCodes(codes);
}

void WindowConnectionView::showPermanentCodes(const PermanentCodes& codes) {
    if (m_w.dtcPage != nullptr)
        m_w.dtcPage->showPermanentCodes(codes);
}

void WindowConnectionView::showVehicleUnits(const QList<VehicleUnit>& units) {
    if (m_w.vehiclePage != nullptr)
        m_w.vehiclePage->showUnits(units);
    // The units' own names come after the code lists were shown.
    if (m_w.dtcPage != nullptr)
        m_w.dtcPage->showUnitNames();
}

void WindowConnectionView::forgetVehicle() {
    m_w.startPage->forgetVehicle();
    if (m_w.vehiclePage != nullptr)
        m_w.vehiclePage->forgetVehicle();
    if (m_w.dtcPage != nullptr)
        m_w.dtcPage->emptyGrids();
    if (m_w.freezeFramePage != nullptr)
        m_w.freezeFramePage->forgetVehicle();
    if (m_w.o2SensorPage != nullptr)
        m_w.o2SensorPage->forgetVehicle();
    if (m_w.monitorTestsPage != nullptr)
        m_w.monitorTestsPage->forgetVehicle();
    if (m_w.sensorDataPage != nullptr)
        m_w.sensorDataPage->forgetVehicle();
}

void WindowConnectionView::buildSensorLists(const SupportedPidSet& mode01Supported) {
    if (m_w.sensorDataPage != nullptr)
        m_w.sensorDataPage->buildSensorLists(mode01Supported);
}
