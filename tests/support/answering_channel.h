#pragma once

#include "core/link/serial_channel.h"

#include <QByteArray>
#include <QList>
#include <functional>

// An interface whose every answer is decided by a function of the command (without its carriage
// return), printed with the interface's line ends and prompt: the line side of a vehicle that
// behaves in a way the emulator has no profile for.
class AnsweringChannel : public SerialChannel {
public:
    std::function<QByteArray(const QByteArray&)> answer;
    QList<QByteArray> written; // as sent, carriage return included

    bool isOpen() const override { return true; }
    void write(const QByteArray& bytes) override {
        written << bytes;
        m_pending += answer(bytes.trimmed()) + "\r\r>";
    }
    bool waitForData(int) override { return !m_pending.isEmpty(); }
    int receivedCount() override { return int(m_pending.size()); }
    QByteArray read(int count) override {
        const QByteArray out = m_pending.left(count);
        m_pending.remove(0, out.size());
        return out;
    }
    void purge() override { m_pending.clear(); }

private:
    QByteArray m_pending;
};
