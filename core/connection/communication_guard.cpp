#include "core/connection/communication_guard.h"

#include "core/connection/connection_state.h"
#include "core/l10n/const_str.h"
#include "core/l10n/user_notifier.h"

bool communicationLost(const ConnectionState& connection, UserNotifier& notifier) {
    if (!connection.noCommunication())
        return false;
    notifier.showMessage(UserNotifier::Icon::Error, const_str::NoCommunicationLine1 +
                                                        QLatin1Char('\n') +
                                                        const_str::NoCommunicationLine2);
    return true;
}
