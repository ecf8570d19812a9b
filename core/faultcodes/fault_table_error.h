#pragma once

#include <QString>
#include <stdexcept>

// A language module whose fault-code table cannot be read: a damaged container, a missing
// resource, an unreadable record layout. It ends the loading and reaches the user through the
// general error display; the table stays empty.
class FaultTableError : public std::runtime_error {
public:
    explicit FaultTableError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
