// The guard of the actions that need a vehicle.

#include "core/connection/communication_guard.h"
#include "core/connection/connection_state.h"
#include "tests/support/recording_notifier.h"

#include <gtest/gtest.h>

namespace {

TEST(CommunicationGuard, RefusesUntilConnectedWithTheGermanMessage) {
    ConnectionState connection;
    RecordingNotifier notifier;
    EXPECT_TRUE(communicationLost(connection, notifier));
    ASSERT_EQ(notifier.messages.size(), 1);
    EXPECT_EQ(notifier.messages[0].icon, UserNotifier::Icon::Error);
    EXPECT_EQ(notifier.messages[0].text, QString::fromUtf8("Kommunikation mit dem Fahrzeug ist "
                                                           "nicht möglich.\nInitialisieren Sie das "
                                                           "Interface neu."));
    connection.setConnected(true);
    EXPECT_FALSE(communicationLost(connection, notifier));
    connection.setConnected(false); // after Disconnect
    EXPECT_TRUE(communicationLost(connection, notifier));
    EXPECT_EQ(notifier.messages.size(), 2);
}

} // namespace
