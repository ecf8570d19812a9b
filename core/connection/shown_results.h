#pragma once

#include "core/j1979/monitor_status.h"
#include "core/j1979/monitor_tests.h"

#include "core/j1979/trouble_codes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class FaultCodeTable;
struct FreezeFrameReading;
struct O2TestResult;
struct MonitorStatus;
struct MonitorReading;

// The texts the result pages show at this moment, kept on the core side so that the report can be
// built from them by the window and by the command line alike. The window's pages write their
// section whenever they display something; the command line fills the same record through the
// functions below.

// How a section came by its texts. A reading that failed still shows texts (whatever the page
// puts in its grid for that case); the state lets a reader of the record tell it from a reading
// that found nothing.
// NotSupported: the vehicle answered that it does not know the request (permanent codes).
enum class ReadState { NotYetRead, Read, CouldNotBeRead, NotSupported };

struct ShownCodeRow {
    QString code;
    QString description;
    // The control unit that stored the code, by its shown name; empty where the units were not
    // told apart and in rows without a code.
    QString unit = {};
    bool operator==(const ShownCodeRow&) const = default;
};

// A trouble-code grid: before any reading it holds one empty row.
struct ShownCodeGrid {
    ReadState state = ReadState::NotYetRead;
    QList<ShownCodeRow> rows{ShownCodeRow{}};
    bool operator==(const ShownCodeGrid&) const = default;
};

// One entry per evaluated monitor, in the order of evaluatedMonitors.
inline constexpr int ShownMonitorCount = int(evaluatedMonitors.size());

// A supported monitor of the full list: its caption and its "Yes"/"No" texts; thisDriveCycle
// (completed in this drive cycle) is empty when the vehicle gave no answer to PID 41.
struct ShownMonitorRow {
    QString name;
    QString completed;
    QString thisDriveCycle;
    bool operator==(const ShownMonitorRow&) const = default;
};

struct ShownMonitorStatus {
    ReadState state = ReadState::NotYetRead;
    // Before a reading the lamp's state is as unknown as every monitor's.
    QString milStatus = QStringLiteral("N/A");
    std::array<QString, ShownMonitorCount> supported{
        QStringLiteral("N/A"), QStringLiteral("N/A"), QStringLiteral("N/A"), QStringLiteral("N/A"),
        QStringLiteral("N/A"), QStringLiteral("N/A"), QStringLiteral("N/A")};
    std::array<QString, ShownMonitorCount> completed = supported;
    // The ignition type the answer tells, and every monitor of its list that the vehicle
    // supports; both empty until a status was read.
    QString ignition;
    QList<ShownMonitorRow> monitors;
    bool operator==(const ShownMonitorStatus&) const = default;
};

// One value row of the freeze-frame grid: PID, name, value, unit.
struct ShownFreezeFrameRow {
    QString pid;
    QString name;
    QString value;
    QString unit;
    bool operator==(const ShownFreezeFrameRow&) const = default;
};

struct ShownFreezeFrame {
    ReadState state = ReadState::NotYetRead;
    ShownCodeGrid code;
    // The rows under the heading; before any reading one empty row.
    QList<ShownFreezeFrameRow> rows{ShownFreezeFrameRow{}};
    bool operator==(const ShownFreezeFrame&) const = default;
};

// The oxygen-sensor grid: its heading row and ten test rows, seven columns each (status, test ID,
// description, value, minimum, maximum, unit), and the sensor chosen in the location list.
struct ShownO2Tests {
    ReadState state = ReadState::NotYetRead;
    QString location;
    QStringList heading;
    QList<QStringList> rows;
    bool operator==(const ShownO2Tests&) const = default;
};

// One row of the monitor-test grid: its texts, and the verdict that marks it.
struct ShownMonitorTestRow {
    QString unitKey; // the control unit when several answered, else empty
    QString monitor;
    QString test;
    QString value;
    QString minimum;
    QString maximum;
    QString unit;
    MonitorTestState state = MonitorTestState::NotRead;
    bool operator==(const ShownMonitorTestRow&) const = default;
};

// Every result of the on-board monitoring tests (service 06), in the order they were read.
struct ShownMonitorTests {
    ReadState state = ReadState::NotYetRead;
    QList<ShownMonitorTestRow> rows;
    bool operator==(const ShownMonitorTests&) const = default;
};

struct ShownResults {
    // The options page's address fields: name, three address lines, phone, fax, e-mail, internet.
    std::array<QString, 8> userAddress;
    ShownMonitorStatus monitorStatus;
    ShownCodeGrid storedCodes;
    ShownCodeGrid pendingCodes;
    ShownCodeGrid permanentCodes;
    ShownFreezeFrame freezeFrame;
    ShownO2Tests o2Tests;
    // Stays not yet read until a reading of the monitor tests is shown.
    ShownMonitorTests monitorTests;
    // The VIN the vehicle gave; empty when none was read.
    QString vin;
    bool operator==(const ShownResults&) const = default;
};

// A connection begins or ends: every section of the vehicle goes back to not read, so that
// nothing of one vehicle is reported as another's. The user's address stays.
void forgetReadings(ShownResults& shown);

// What the pages show for a reading, for a front end without pages. Each follows the page's rule.

// The start page: the lamp's caption ("On"/"Off") and "Yes"/"No" for every flag; a status that was
// not answered leaves every text at "N/A".
ShownMonitorStatus shownMonitorStatus(const MonitorStatus& status);

// A monitor's caption, as the start page and the command line label it.
const QString& monitorCaption(Monitor monitor);
const QString& ignitionText(Ignition ignition);
// A monitor's fixed key ("misfire", "egrVvt"), for JSON documents and object names.
QLatin1String monitorKey(Monitor monitor);

// The rows of ShownMonitorStatus::monitors for an answered status.
QList<ShownMonitorRow> shownSupportedMonitors(const MonitorStatus& status);

// A trouble-code grid: "P0000" and the no-codes message for an empty list, else each code with its
// description ("Generic" for P0 codes, the given maker for the others; empty when none is found).
// A list that could not be read is one row with an empty code and notReadText.
ShownCodeGrid shownCodeGrid(const std::optional<QStringList>& codes, const FaultCodeTable& table,
                            const QString& maker, const QString& noCodesText,
                            const QString& notReadText);

// As above, each code with its unit's name (control_units::displayName; empty where the units
// were not told apart).
ShownCodeGrid shownCodeGrid(const UnitCodeList& codes, const FaultCodeTable& table,
                            const QString& maker, const QString& noCodesText,
                            const QString& notReadText, const QHash<QString, QString>& unitNames);

// The permanent codes as the trouble-code page shows them: the codes as above with the no-codes
// message, or one row without a code saying they could not be read or are not supported.
ShownCodeGrid shownPermanentCodes(const PermanentCodes& codes, const FaultCodeTable& table,
                                  const QString& maker, const QHash<QString, QString>& unitNames);

// The freeze-frame page: the code grid (with the no-frame message) and the value rows; without
// rows, one empty row.
ShownFreezeFrame shownFreezeFrame(const FreezeFrameReading& reading, const FaultCodeTable& table,
                                  const QString& maker);

// The tests of one sensor were read when the vehicle answered at least one of them; a silent
// vehicle, or one without service 05, leaves them not read.
ReadState o2TestsState(const std::array<O2TestResult, 10>& results);

// The oxygen-sensor page: its fixed texts in the language of the run, and the results of one
// sensor when given (without, the rows keep status "0" and empty values), in the state above.
ShownO2Tests shownO2Tests(const QString& location,
                          const std::array<O2TestResult, 10>* results = nullptr);

// The monitor tests as a reading gave them: read when it was complete, else could not be read
// with whatever rows came (a row that did not come is one marked not read, never a pass). Values
// as the command line prints them, a missing one as "-".
ShownMonitorTests shownMonitorTests(const MonitorReading& reading);
