#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

// On-board monitoring test results (service 06), read from the data bytes of the answers. The
// caller sends the requests and strips the link's framing; nothing here throws on any input.

enum class MonitorTestState {
    Pass,
    Fail,
    NotRead,        // the answer ended inside the result: no verdict from missing bytes
    LimitsInverted, // minimum above maximum: the control unit's data is not a test to judge
};

// One test result of one control unit. A CAN result has a monitor ID, a scaling ID and both
// limits; a result of the older protocols has a component ID and one limit (the other empty).
struct MonitorTestResult {
    QString unitKey; // the control unit, as the caller named it
    int mid = -1;    // CAN only
    int tid = -1;
    int uasid = -1;       // CAN only
    int componentId = -1; // older protocols only
    std::optional<double> value;
    std::optional<double> minimum;
    std::optional<double> maximum;
    QString unit;
    bool unitKnown = false; // false: the numbers are unscaled
    MonitorTestState state = MonitorTestState::NotRead;
};

// The data of an answer to "06 base" after its two bytes "46 base": the bitmap of the 32 IDs
// after base, or nothing when that unit did not answer this block.
using MidBlockRequest = std::function<std::optional<QByteArray>(int base)>;

// Walks the supported-monitor blocks 00, 20, .., E0 of one control unit: each block's last bit
// announces the next; the walk ends at a block not announced, not answered or shorter than four
// bytes. Returns the supported monitor IDs in rising order, without the block IDs.
QList<int> supportedMonitorIds(const MidBlockRequest& requestBlock);

// A CAN answer after its service byte 46: nine-byte blocks [MID, TID, scaling ID, value, minimum,
// maximum], the three numbers two bytes each, high byte first. One result per block, a cut last
// block as a not-read result. A monitor may hold several tests, so several blocks are normal.
QList<MonitorTestResult> parseCanMonitorAnswer(const QString& unitKey, QByteArrayView data);

// One message of the older protocols after its service byte 46: [TID, limit type and component,
// value, limit], value and limit two bytes each. Bit 7 of the second byte set makes the limit a
// minimum, clear a maximum; bits 0..6 are the component ID. The values stay unscaled.
MonitorTestResult parseLegacyMonitorMessage(const QString& unitKey, QByteArrayView data);
