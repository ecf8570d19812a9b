#pragma once

#include "core/j1979/monitor_tests.h"

#include <QList>

class CommandLink;

// The on-board monitoring test results (service 06) of the vehicle, as far as they could be read.
struct MonitorReading {
    // Rising monitor ID (on the older protocols: test ID), the control units in the order they
    // answered. A monitor announced or asked for that brought no result has one not-read row.
    QList<MonitorTestResult> results;
    // False when the supported monitors could not be read or any row is not read.
    bool complete = false;
};

// Reads the supported monitors (06 00, 06 20, .. as each block announces the next) and then each
// monitor's results; with `onlyIds` just those monitors, without asking what is supported. On a
// CAN vehicle the IDs are monitor IDs and each answer holds the nine-byte results of every test;
// on the older protocols they are test IDs and each component answers with a message of its own.
// Without headers the answer does not name its control unit: several answering units are keyed
// "1", "2", .. in the order their messages arrived, a lone unit by an empty key.
MonitorReading readMonitorTests(CommandLink& link, const QList<int>& onlyIds = {});

// The data bytes of one answer text to "06 id", split per message (each without its service byte
// 46); negative responses left out. Nothing when the text holds no hexadecimal answer at all.
// On CAN a message runs over as many nine-byte blocks of that monitor as follow it.
QList<QByteArray> monitorAnswerMessages(const QString& answer, int id, bool can);
