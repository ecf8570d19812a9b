#pragma once

#include "core/connection/connection_view.h"
#include "core/link/elm_reply.h"

#include <QString>

struct ProgramContext;
class PerUnitCache;

// What one service step of the sequence got from the vehicle.
struct StepOutcome {
    enum Result { Read, NotSupported, Failed };
    Result result = Read;
    QString reason; // Failed: the answer that came instead ("NO DATA"), or "no answer"
};

// The Connect and Disconnect actions: opening the port (or finding it), setting up the interface,
// checking the control unit and reading everything the pages show. Its outcome is the context's
// connection state. Runs on the thread that owns the link; the polling worker must be stopped.
// Errors of the serial device (other than a port that does not open) and of number conversion
// are thrown and end the sequence where they occur; noCommunication is then true. A stop raised
// on the link's stop signal ends it after the exchange in progress, with the line "Connection
// stopped" and no verdict for the step it cut short.
class ConnectionSequence {
public:
    ConnectionSequence(ProgramContext& context, ConnectionView& view);

    // Connect: the log event " - New Init", then the sequence.
    bool reconnect();

    // The whole sequence; true when the control unit answered and the service steps were made.
    // Each service step reports in its own line whether it was read, is not supported by the
    // vehicle, or failed.
    bool initializeConnection();

    // Resets the interface, closes the port and reports it; noCommunication becomes true. A reset
    // or purge the device can no longer take (an adapter pulled out) is passed over: the port is
    // closed and the connection ends in every case.
    void disconnect();

    // The device went away (a hang-up, write or read error during an exchange, or a port that
    // does not open again): what disconnect() does, without a word to the device. The port is
    // closed, the lamps go off, the status strip shows its not-connected texts, the log list and
    // the communication log get one line each, and noCommunication becomes true.
    void connectionLost(const QString& reason);

    // The interface's answer to the identify command of the last sequence that got that far.
    const QString& chipVersion() const { return m_chipVersion; }

private:
    bool runPortLoop();
    bool openCurrentPort(const QString& name);
    // The automatic baud rate on the open serial port: true when a speed answered (the port is
    // left at it), false with a line naming the speeds tried. The port's own speed without it.
    bool findBaudRate();
    bool resetInterface(bool probeAnswered);
    bool configureStage(const QString& label, const ElmReply& result);
    bool checkEcu();
    // ELM327 only: adaptive timing, the answer time-out and the protocol (the options' choice or
    // the search) before the control-unit check, the protocol read back after it.
    bool setUpProtocolSearch();
    void readProtocol();
    void readControlUnits(PerUnitCache& perUnit);
    // The control units that answer "0100", by address, into the context's units.
    void readUnits();
    void readServices();
    bool channelOpen() const;
    // The front end asked the link to stop: the sequence ends after the exchange in progress.
    bool stopped() const;
    // What was read of the last vehicle, in the context and in the view, goes back to not read.
    void forgetVehicle();
    void showNotConnected();
    void addLine(const QString& text, bool ok);
    void addLine(const QString& text, ConnectionView::Mark mark);
    void addStepLine(const QString& label, const StepOutcome& outcome);

    ProgramContext& m_context;
    ConnectionView& m_view;
    QString m_chipVersion;
    QString m_openFailure; // why the last open failed, in the words of the channel
};
