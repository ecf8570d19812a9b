#pragma once

#include <QString>

// What core code may ask of the user interface. The window program implements it with message
// boxes and the busy cursor; tests and the command-line tool replace it.
class UserNotifier {
public:
    enum class Icon { Information, Warning, Error };

    virtual ~UserNotifier() = default;

    // A modal message with a single OK button; returns once the user has closed it.
    virtual void showMessage(Icon icon, const QString& text) = 0;

    // Busy cursor on or off around a long operation.
    virtual void setBusy(bool busy) = 0;
};
