#pragma once

#include "core/l10n/user_notifier.h"

#include <QStringList>

// Remembers every message instead of showing it.
class RecordingNotifier : public UserNotifier {
public:
    struct Message {
        Icon icon;
        QString text;
    };
    QList<Message> messages;
    int busyOn = 0;
    int busyOff = 0;

    void showMessage(Icon icon, const QString& text) override { messages.push_back({icon, text}); }
    void setBusy(bool busy) override { ++(busy ? busyOn : busyOff); }
};
