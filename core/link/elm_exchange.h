#pragma once

#include "core/link/answer_count.h"
#include "core/link/comm_log.h"
#include "core/link/command_link.h"
#include "core/link/deadline.h"
#include "core/link/fair_mutex.h"
#include "core/link/session_recording.h"
#include "core/link/simulated_channel.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

class QThread;
class SerialChannel;
class StopSignal;

// The command exchange with the interface: one command out, its answer back, cleaned. Runs against
// the serial channel or, in Demo-Mode, against the simulated interface's channel, through the same
// read loop, cleaning and logging. exchange() holds one lock across send and read, so the ui thread
// and the polling thread can never interleave their commands.
//
// The read of an answer ends at the prompt, after 2.5 s of silence, at the stop signal, or when
// the interface keeps sending without a prompt (an ELM327 left monitoring the bus, a clone
// printing bus traffic, line noise): after four silence times in all (10 s; at 9600 baud ten
// times more than any answer a chip sends), or once the answer has grown to a size no chip
// sends. It never counts wake-ups: on a slow line every byte can be one.
class ElmExchange : public CommandLink {
public:
    static constexpr int kSilenceTimeoutMs = 2500;
    static constexpr int kStreamLimitInSilenceTimes = 4;
    static constexpr qsizetype kMaxAnswerBytes = 64 * 1024;
    // An interface that leaves this many requests in a row without an answer is gone, once
    // declareLostAfterUnanswered has been switched on.
    static constexpr int kUnansweredLimit = 3;

    explicit ElmExchange(SerialChannel* channel = nullptr);

    // The channel used outside Demo-Mode (not owned; may be null while none exists).
    void setChannel(SerialChannel* channel);
    SerialChannel* channel() const { return m_channel; }

    LinkAnswer exchange(const QString& command) override;
    // In the CAN layout the control units' messages of the answer; elsewhere as CommandLink does.
    std::optional<QList<QByteArray>> exchangeMessages(const QString& command) override;
    // Split by the units' headers, which are switched on for it (ATH1) and stay on for the next
    // per-unit read; exchange() and exchangeMessages() switch them off again (ATH0), so polling
    // pays for no header bytes. An interface that refuses headers, or prints none, gets the
    // merged answer as one part, and no ATH1 for the rest of the connection. In Demo-Mode the one
    // simulated engine unit, "10", answers.
    UnitAnswers exchangePerUnit(const QString& command) override;
    bool unitsApart() const override { return m_demoMode || !m_headerless; }
    // Never counted nor reassembled: the user sees the interface's own lines. After a command to
    // the chip ("AT..."), its headers may be in any state.
    LinkAnswer exchangeAsTyped(const QString& command) override;
    // A new connection: the chip's headers are off after its reset, and its units are told apart
    // until an answer shows that they cannot be.
    void startConnection();
    // For a command that may meet an answer still on its way (the reset at the start of a
    // connection, right after another program closed with its own reset): after the prompt the
    // line is read on until it has been quiet for quietMs, and of several answers the last one
    // counts; the earlier ones go to the communication log as dropped. A serial exchange only;
    // the simulated vehicle answers as exchange() does.
    LinkAnswer exchangeSettled(const QString& command, int quietMs);

    // Set by the connection sequence once the interface has named a CAN protocol; from then on
    // serial answers are reassembled by can_answer. The simulated vehicle is never a CAN one.
    bool canLayout() const override { return m_canLayout && !m_demoMode; }
    // Switching the CAN layout off also ends the answer count and forgets the units counted.
    void setCanLayout(bool on);

    // The answer count (answer_count.h) for `units` control units from the next exchange on;
    // 0 ends it. Only serial exchanges in the CAN layout count, and only while allowed. Any
    // thread; the exchange in progress is not affected.
    void startAnswerCount(int units);
    // Whether the answer count may be used at all (on unless a front end switches it off).
    void setAnswerCountAllowed(bool on) { m_answerCountAllowed = on; }
    bool answerCountAllowed() const { return m_answerCountAllowed; }
    // How many control units answered the last "0100" in the CAN layout (switching the layout on
    // counts the answer of a "0100" made before, the connection's first request); 0 before any.
    int service01Units() const { return m_service01Units; }
    // The answer of the last "0100", read in the layout now set: the connection sequence asks it
    // before the protocol (and with it the layout) is known, and takes it again from here rather
    // than from the vehicle. Nothing before any.
    LinkAnswer lastService01Support() const;

    // Several PIDs per service 01 request: in the CAN layout, up to six, until an answer shows
    // that the vehicle does not answer them whole (refuseGroupedRequests, once per connection,
    // said in the log); one elsewhere. On unless a front end switches it off.
    int pidsPerRequest() const override;
    void refuseGroupedRequests() override;
    void setGroupedRequestsAllowed(bool on) { m_groupingAllowed = on; }

    // Demo-Mode: the simulated vehicle answers and the serial channel is not needed at all.
    bool demoMode() const { return m_demoMode; }
    void setDemoMode(bool on) { m_demoMode = on; }
    // What the user's switch does: switches and writes " - Demo-Mode ON" / " - Demo-Mode OFF".
    void switchDemoMode(bool on);
    // The simulated vehicle's answer delay (100 ms; tests shorten it).
    void setDemoDelay(int ms) { m_simulated.setDelay(ms); }
    QString pendingDemoRequest() const;

    // True when commands can go out: Demo-Mode, or a channel that is open.
    bool channelReady() const;

    // The communication log is open exactly while logging is on. Switching on opens the file
    // first; when it cannot be opened logging stays off, false is returned, and the reason goes to
    // `failure` when given (the caller reports it) or else to the log's failure handler.
    bool commLogging() const { return m_commLogging; }
    bool setCommLogging(bool on, QString* failure = nullptr);
    // An action line such as " - Read DTC"; written only while logging is on.
    void logEvent(const QString& text);
    CommLog& commLog() { return m_log; }
    // The recording of the session: every exchange, fed where the communication log is, while
    // it is open.
    SessionRecorder& recorder() { return m_recorder; }
    const SessionRecorder& recorder() const { return m_recorder; }

    // Called when the device of an open channel fails during an exchange (hang-up, write or read
    // error), with the error's message, on the thread of the exchange and with the exchange
    // locked: mark the connection ended and queue the rest, never exchange from inside. The error
    // itself is still thrown to the caller.
    void setDeviceLostHandler(std::function<void(const QString& reason)> handler);

    // Any thread, at any time; the exchange in progress reads it once. See CommandLink.
    void setStopSignal(const StopSignal* signal) override;
    const StopSignal* stopSignal() const { return m_stop; }
    bool stopRequested() const;

    // While on, an open device that leaves kUnansweredLimit requests in a row without an answer
    // (silence, or sending without end) is lost as a hung-up one is: the device-lost handler is
    // told and the exchange throws SerialPortError. Switched on once a connection stands; off
    // while the interface is searched for, where silence is an answer.
    void declareLostAfterUnanswered(bool on);

    // Called about every 50 ms while an exchange waits for its answer, on the thread that set
    // it and only there (the window keeps painting and takes a Disconnect click); never with an
    // exchange of its own. Null: none.
    void setWaitHook(std::function<void()> hook);

    // Read limits; tests and benchmarks shorten them.
    void setSilenceTimeout(int ms) { m_silenceTimeoutMs = ms; }
    int silenceTimeoutMs() const { return m_silenceTimeoutMs; }
    void setMaxAnswerBytes(qsizetype bytes) { m_maxAnswerBytes = bytes; }
    // A bound on the whole of every exchange from now on (0: none), for moments such as the
    // shut-down when nobody should wait for more than one answer time.
    void setExchangeTimeLimit(int ms) { m_exchangeTimeLimitMs = ms; }

private:
    // Whether the chip prints headers: known from the last ATH1/ATH0 and reset, unknown after a
    // command the user typed to the chip.
    enum class Headers { Off, On, Unknown };

    // Where one exchange goes: the channel and answer layout chosen at its start, its stop signal
    // and its deadline.
    struct Route {
        SerialChannel* channel;
        bool canLayout;
        const StopSignal* stop;
        Deadline deadline;
    };
    // Runs one exchange under the lock on the route chosen at its start; a device lost meanwhile
    // is reported.
    LinkAnswer locked(const std::function<LinkAnswer(const Route&)>& body);
    // One command out and its answer back.
    LinkAnswer transfer(const Route& route, const QString& command);
    // transfer() with the answer count where it applies.
    LinkAnswer countedTransfer(const Route& route, const QString& command);
    // countedTransfer() with the chip's headers off, for a request to the vehicle.
    LinkAnswer plainTransfer(const Route& route, const QString& command);
    // ATH1 or ATH0 unless the headers are known to be so already; false when the chip has
    // not answered.
    bool switchHeaders(const Route& route, bool on);
    void sendCommand(const Route& route, const QString& command);
    LinkAnswer readAnswer(const Route& route, const QString& command);
    void logAnswer(const LinkAnswer& answer);
    void recordAnswer(const QString& command, const QByteArray& raw);
    // With settleMs, reads on after the prompt until the line has been quiet that long.
    QByteArray readSerialAnswer(SerialChannel& channel, const StopSignal* stop, Deadline deadline,
                                int settleMs = 0);
    // Reads on after a prompt (see exchangeSettled); false when a stop or the stream limit ended
    // the read.
    bool settle(SerialChannel& channel, QByteArray& buffer, const StopSignal* stop,
                Deadline streamEnd, int quietMs);
    SerialChannel::WaitOutcome waitForData(SerialChannel& channel, int timeoutMs,
                                           const StopSignal* stop);
    void interruptStream(SerialChannel& channel);
    void countAnswer(const Route& route, const LinkAnswer& answer);
    void finishAbortedAnswer(const Route& route);
    int waitTime(Deadline deadline) const;
    static SerialChannel& requireChannel(const Route& route);
    void reportDeviceLost(const QString& reason);

    // Fair, so that a request of the user is not starved by a worker polling without a pause.
    mutable FairMutex m_exchangeMutex;
    SerialChannel* m_channel = nullptr;
    CommLog m_log;
    SessionRecorder m_recorder;
    QElapsedTimer m_sentAt; // when the command of the exchange in progress went out
    std::function<void(const QString&)> m_deviceLostHandler;
    SimulatedChannel m_simulated;
    std::atomic<bool> m_demoMode{false};
    std::atomic<bool> m_commLogging{false};
    std::atomic<bool> m_canLayout{false};
    std::atomic<const StopSignal*> m_stop{nullptr};
    // The answer count, restarted inside the exchange whenever startAnswerCount has been called
    // since (the generation tells), so that no other thread ever touches it.
    AnswerCount m_answerCount;
    unsigned m_answerCountGeneration = 0;
    std::atomic<unsigned> m_countGeneration{0};
    std::atomic<int> m_countUnits{0};
    std::atomic<bool> m_answerCountAllowed{true};
    std::atomic<int> m_service01Units{0};
    int m_lastMessages = 0;   // messages in the last serial answer in the CAN layout
    QByteArray m_lastRaw;     // the last answer as the interface sent it
    QString m_lastRawCommand; // and the command it answered (a clone may echo it)
    // The last "0100" answer as sent, read again once the layout is known.
    QByteArray m_last0100Raw;
    Headers m_headers = Headers::Off; // the serial interface's; under the lock
    std::atomic<bool> m_headerless{false};
    std::atomic<bool> m_groupingAllowed{true};
    std::atomic<bool> m_groupingRefused{false};
    // The channel whose last exchange was stopped before its prompt: that interface may still be
    // answering. Null when none.
    SerialChannel* m_outstandingOn = nullptr;
    int m_silenceTimeoutMs = kSilenceTimeoutMs;
    qsizetype m_maxAnswerBytes = kMaxAnswerBytes;
    int m_exchangeTimeLimitMs = 0;
    std::atomic<bool> m_declareLost{false};
    int m_unanswered = 0; // requests in a row the open device left without an answer
    std::function<void()> m_waitHook;
    std::atomic<const QThread*> m_waitHookThread{nullptr};
    std::atomic<bool> m_inWaitHook{false};
};
