// The guard of the actions that need a vehicle.

#include "core/connection/communication_guard.h"
#include "core/link/elm_exchange.h"
#include "tests/support/recording_notifier.h"

#include <gtest/gtest.h>

namespace {

TEST(CommunicationGuard, RefusesUntilConnectedWithTheGermanMessage) {
    ElmExchange link;
    RecordingNotifier notifier;
    EXPECT_TRUE(communicationLost(link, notifier));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(notifier.messages[0].icon, UserNotifier::Icon::Error);
    EXPECT_EQ(notifier.messages[0].text, QString::fromUtf8("Kommunikation mit dem Fahrzeug ist "
                                                           "nicht möglich.\nInitialisieren Sie das "
                                                           "Interface neu."));
    link.setNoCommunication(false);
    EXPECT_FALSE(communicationLost(link, notifier));
    link.setNoCommunication(true); // after Disconnect
    EXPECT_TRUE(communicationLost(link, notifier));
    EXPECT_EQ(notifier.messages.size(), 2);
}

} // namespace
