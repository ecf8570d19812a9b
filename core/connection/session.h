#pragma once

#include "core/connection/connection_sequence.h"
#include "core/connection/program_context.h"
#include "core/settings/settings_load.h"

#include <QObject>
#include <QString>
#include <optional>

class ConnectionView;
class UserNotifier;

// One run of a front end over the core, from the port's creation to the interface's reset at the
// end: the window and the command-line tool both drive it. It owns what the run works with (the
// context: port, exchange, connection state, service objects, fault-code table, shown results)
// and does it in the one order both front ends share; the pages get the context.
class Session : public QObject {
    Q_OBJECT
public:
    Session();
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The view the connection sequence reports to, given by the front end before its first
    // connect; null detaches it (the view goes away before the session).
    void attachView(ConnectionView* view);

    // Builds the service objects and the serial port, unopened, as the exchange's channel.
    void open();
    // The fault-code table of `language`; false, with the reason told to `notifier`, when it
    // stays empty.
    bool loadFaultTable(const QString& language, UserNotifier& notifier);
    // The stored options and the port's line settings; a missing store is created.
    SettingsLoadResult loadSettings();

    // The connection sequence, with its " - New Init" event; true when every stage was read.
    // Needs a view.
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

    ProgramContext& context() { return m_context; }
    const ProgramContext& context() const { return m_context; }
    ElmExchange& link() { return m_context.link; }
    SerialPort& port() const { return *m_context.comPort; }
    // The interface's answer to the identify command of the last connection that got that far.
    QString chipVersion() const;

    // The file the session is being recorded into; empty while none is.
    QString recordingFile() const;

Q_SIGNALS:
    // A recording began or ended (recordingFile() tells which).
    void recordingChanged();
    // A recording could not be started; the message names the file and the reason.
    void recordingFailed(const QString& message);

    // The device of the open port failed during an exchange (see ElmExchange). Emitted on the
    // thread of that exchange, with the exchange locked and the connection already marked ended:
    // receivers queue their work.
    void deviceLost(const QString& reason);

private:
    ConnectionSequence& sequence();
    // With the option on, a new file in recordings/ named by the date and time; never one that
    // exists.
    void startRecording();
    // Closes the recording; one whose VIN was read (and not to be hidden) gets it in its name,
    // unless a file of that name exists.
    void endRecording();

    ProgramContext m_context;
    std::optional<ConnectionSequence> m_sequence;
    QString m_recordingPath; // of the recording startRecording() began; empty when none
};
