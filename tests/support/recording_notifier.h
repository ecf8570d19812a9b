#pragma once

#include "core/l10n/user_notifier.h"

#include <QList>
#include <QStringList>

// Remembers what core code asked of the user interface instead of showing it. The one notifier
// of the suite: every test that needs one takes this.
class RecordingNotifier : public UserNotifier {
public:
    struct Message {
        Icon icon;
        QString text;
    };
    QList<Message> messages;
    QList<bool> busyCalls;
    bool isBusy = false;

    void showMessage(Icon icon, const QString& text) override { messages.push_back({icon, text}); }
    void setBusy(bool busy) override {
        busyCalls.push_back(busy);
        isBusy = busy;
    }

    QStringList texts() const {
        QStringList result;
        for (const Message& message : messages)
            result << message.text;
        return result;
    }
    QList<Icon> icons() const {
        QList<Icon> result;
        for (const Message& message : messages)
            result << message.icon;
        return result;
    }
};
