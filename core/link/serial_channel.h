#pragma once

#include <QByteArray>

class StopSignal;

// The byte channel the command exchange talks through. SerialPort is the real one; tests
// script fakes. Every operation on a channel that is not open, or whose device has gone, throws
// SerialPortError.
class SerialChannel {
public:
    virtual ~SerialChannel() = default;

    virtual bool isOpen() const = 0;

    // Queues all bytes; gives up silently after the write time-out with fewer bytes sent.
    virtual void write(const QByteArray& bytes) = 0;

    // Blocks until at least one byte can be read or the time-out passes; true when data arrived.
    virtual bool waitForData(int timeoutMs) = 0;

    enum class WaitOutcome { Data, Silence, Stopped };
    // Like waitForData, and also ends as soon as the stop signal (may be null) is raised. A
    // device that can wait on two things at once overrides it; the others look once before.
    virtual WaitOutcome waitForDataOrStop(int timeoutMs, const StopSignal* stop);

    // Bytes received and not yet read.
    virtual int receivedCount() = 0;

    // Up to count of the bytes already received; never waits.
    virtual QByteArray read(int count) = 0;

    // Everything received so far, without waiting. A device may do this in one call instead of
    // asking for the count first.
    virtual QByteArray readAll() { return read(receivedCount()); }

    // What has been received, but no more than limit bytes, without waiting.
    virtual QByteArray readUpTo(qsizetype limit);

    // Throws away everything received and not read, and everything not yet sent.
    virtual void purge() = 0;
};
