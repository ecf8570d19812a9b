#include "core/connection/communication_guard.h"

#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"
#include "core/link/elm_exchange.h"

bool communicationLost(const ElmExchange& link, UserNotifier& notifier) {
    if (!link.noCommunication())
        return false;
    notifier.showMessage(UserNotifier::Icon::Error, const_str::NoCommunicationLine1 +
                                                        QLatin1Char('\n') +
                                                        const_str::NoCommunicationLine2);
    return true;
}
