#pragma once

#include "core/connection/connection_sequence.h"
#include "core/settings/settings_load.h"

#include <QString>

class ConnectionView;
class ElmExchange;
class SerialPort;
class UserNotifier;
struct ProgramContext;

// One run of a front end over the core, from the port's creation to the interface's reset at the
// end: the window and the command-line tool both drive it. The context holds what the run owns
// (port, exchange, service objects, fault-code table, shown results); the session is what is
// done with it, in the one order both front ends share.
class Session {
public:
    Session(ProgramContext& context, ConnectionView& view);

    // Builds the service objects and the serial port, unopened, as the exchange's channel.
    void open();
    // The fault-code table of `language`; false, with the reason told to `notifier`, when it
    // stays empty.
    bool loadFaultTable(const QString& language, UserNotifier& notifier);
    // The stored options and the port's line settings; a missing store is created.
    SettingsLoadResult loadSettings();

    // The connection sequence, with its " - New Init" event; true when every stage was read.
    bool connect();
    // Resets the interface and closes the port (see ConnectionSequence::disconnect).
    void disconnect();
    // The device went away: the state of a disconnect, without a word to the device.
    void connectionLost(const QString& reason);

    // Ends the run without a word to the interface: the channel is released, the port closed,
    // the service objects dropped and the communication log gets its closing lines.
    void close();
    // Puts the interface back to its start state first, within one answer time at most (the rest
    // of an answer that a stop cut short included; a port that is gone makes no difference
    // now), then closes. An error other than the device's is thrown after the run is closed.
    void shutDown();

    ProgramContext& context() const { return m_context; }
    ElmExchange& link() const;
    SerialPort& port() const;
    // The interface's answer to the identify command of the last connection that got that far.
    const QString& chipVersion() const { return m_sequence.chipVersion(); }

private:
    ProgramContext& m_context;
    ConnectionSequence m_sequence;
};
