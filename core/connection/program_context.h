#pragma once

#include "core/connection/connection_state.h"
#include "core/connection/shown_results.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/j1979/sensor_catalogue.h"
#include "core/j1979/service01.h"
#include "core/j1979/service02.h"
#include "core/j1979/service09.h"
#include "core/j1979/service_objects.h"
#include "core/j1979/trouble_codes.h"
#include "core/j1979/vehicle_units.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "core/settings/adapter_options.h"
#include "core/settings/settings_store.h"
#include "core/settings/unit_system.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <optional>

// What lives for the whole run and is shared by the pages: the settings store, the serial
// channel and its exchange, the service objects, the fault-code table and the program-wide
// options. The main window owns one; a second front end can own another.
struct ProgramContext {
    SettingsStore settings;

    std::unique_ptr<SerialPort> comPort;
    QStringList serialPortNames;
    ElmExchange link;
    ConnectionState connection;

    // Created in this order when the main window is created.
    std::optional<Service01> service01;
    std::optional<Service02> service02;
    std::optional<Service03> service03;
    std::optional<Service05> service05;
    std::optional<Service06> service06;
    std::optional<Service07> service07;
    std::optional<Service08> service08;
    std::optional<Service09> service09;

    FaultCodeTable faultCodeTable;
    // In the string table's texts as they stood when the context was made; replaced (never
    // changed) by the one the translation pass builds.
    PidCatalogue pidCatalogue = buildPidCatalogue();
    // The names the control units gave themselves (service 09 "ECU name"), by address in upper
    // case; units without one are named by control_units::defaultName.
    QHash<QString, QString> unitNames;
    // What every control unit said of itself at the last connection, and the protocol they
    // talk ("ISO 15765-4 (CAN 11/500)"); empty before a connection and after it ends.
    QList<VehicleUnit> vehicleUnits;
    QString protocolName;
    // The addresses of the control units that answered the connection's "0100", in the order
    // they answered; empty while none are known or the interface cannot tell them apart.
    QStringList units;
    // What the result pages show, for the report.
    ShownResults shown;

    UnitSystem unitSystem = UnitSystem::Metric;
    bool autoDetect = false;
    bool autoConnect = false;
    // Each connection's session is recorded into recordings/ of the data directory, with the
    // vehicle's identity left out when anonymizeRecordings is set.
    bool recordSessions = false;
    bool anonymizeRecordings = false;
    // Baud-rate search, protocol and time-outs; the silence time-out is the exchange's.
    AdapterOptions adapter;
    QString helpFilePath;
};
