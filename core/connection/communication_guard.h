#pragma once

class ConnectionState;
class UserNotifier;

// The guard of the actions that need a vehicle: false while connected; otherwise shows the
// no-communication message and returns true once the user has closed it.
bool communicationLost(const ConnectionState& connection, UserNotifier& notifier);
