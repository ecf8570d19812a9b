#pragma once

#include "core/link/serial_channel.h"
#include "core/link/stop_signal.h"

#include <QByteArray>
#include <QList>
#include <deque>

// A serial channel that plays back what an interface would print: each written command is
// recorded, and the chunks queued with reply() arrive one per wait. An empty queue is silence.
class ScriptedChannel : public SerialChannel {
public:
    bool open = true;
    QList<QByteArray> written;
    int purges = 0;
    int waits = 0;
    // Bytes the interface sends right behind a prompt: they are in the driver by the time the
    // exchange has read the prompt (a stray character, the start of an unasked line).
    QByteArray afterPrompt;

    // Chunks to deliver, in order, one per wait for data.
    void reply(std::initializer_list<QByteArray> chunks) {
        for (const QByteArray& c : chunks)
            m_chunks.push_back(c);
    }
    // Delivers the same chunk on every wait, forever (an interface that never prompts).
    void babble(const QByteArray& chunk) { m_babble = chunk; }

    bool isOpen() const override { return open; }
    void write(const QByteArray& bytes) override {
        requireOpen();
        written << bytes;
    }
    bool waitForData(int) override {
        requireOpen();
        ++waits;
        if (!m_pending.isEmpty())
            return true;
        if (!m_chunks.empty()) {
            m_pending = m_chunks.front();
            m_chunks.pop_front();
            return true;
        }
        if (!m_babble.isEmpty()) {
            m_pending = m_babble;
            return true;
        }
        return false;
    }
    int receivedCount() override { return int(m_pending.size()); }
    QByteArray read(int count) override {
        const QByteArray out = m_pending.left(count);
        m_pending.remove(0, out.size());
        if (out.contains('>') && !afterPrompt.isEmpty()) {
            m_pending += afterPrompt;
            afterPrompt.clear();
        }
        return out;
    }
    void purge() override {
        requireOpen();
        ++purges;
        m_pending.clear();
        m_chunks.clear();
    }

private:
    void requireOpen() const;

    std::deque<QByteArray> m_chunks;
    QByteArray m_pending;
    QByteArray m_babble;
};

// A channel that raises a stop after a number of waits, as the user pressing "Stop" would while
// the answer is arriving.
struct StoppingChannel : ScriptedChannel {
    StopSignal* stop = nullptr;
    int stopAfterWaits = -1;
    WaitOutcome waitForDataOrStop(int timeoutMs, const StopSignal* signal) override {
        if (stopAfterWaits >= 0 && waits >= stopAfterWaits)
            stop->request();
        return ScriptedChannel::waitForDataOrStop(timeoutMs, signal);
    }
};
