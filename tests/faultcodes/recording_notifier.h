#pragma once

#include "core/l10n/user_notifier.h"

#include <QStringList>

// Remembers what core code asked of the user interface.
class RecordingNotifier : public UserNotifier {
public:
    void showMessage(Icon icon, const QString& text) override {
        icons.append(icon);
        messages.append(text);
    }
    void setBusy(bool busy) override {
        busyCalls.append(busy);
        isBusy = busy;
    }

    QList<Icon> icons;
    QStringList messages;
    QList<bool> busyCalls;
    bool isBusy = false;
};
