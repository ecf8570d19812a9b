#pragma once

#include <QString>
#include <stdexcept>

// A failure of the serial device: it cannot be opened, is not open, or has gone away. It ends the
// current action and reaches the user through the general error display.
class SerialPortError : public std::runtime_error {
public:
    explicit SerialPortError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
