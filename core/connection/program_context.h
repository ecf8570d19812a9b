#pragma once

#include "core/connection/shown_results.h"
#include "core/faultcodes/fault_code_table.h"
#include "core/j1979/mode01.h"
#include "core/j1979/mode02.h"
#include "core/j1979/mode09.h"
#include "core/j1979/o2_sensor_tests.h"
#include "core/j1979/service_objects.h"
#include "core/j1979/trouble_codes.h"
#include "core/link/elm_exchange.h"
#include "core/link/serial_port.h"
#include "core/settings/settings_store.h"

#include <QStringList>
#include <memory>
#include <optional>

// What lives for the whole run and is shared by the pages: the settings store, the serial
// channel and its exchange, the service objects, the fault-code table and the program-wide
// options. The main window owns one; a second front end can own another.
struct ProgramContext {
    SettingsStore settings;

    std::unique_ptr<SerialPort> comPort;
    QStringList ComPortList;
    ElmExchange link;

    // Created in this order when the main window is created.
    std::optional<TMode01> mode01;
    std::optional<TMode02> mode02;
    std::optional<TMode03> mode03;
    std::optional<TMode05> mode05;
    std::optional<TMode06> mode06;
    std::optional<TMode07> mode07;
    std::optional<TMode08> mode08;
    std::optional<TMode09> mode09;

    FaultCodeTable kbmFaultCodesTable;
    // What the result pages show, for the report.
    ShownResults shown;

    int unitSystem = 0; // 0 metric, 1 English
    bool autoDetect = false;
    bool autoConnect = false;
    QString helpFilePath;
};
