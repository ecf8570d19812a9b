#pragma once

#include <QString>

// The simulated vehicle: canned interface answers, written the way the interface prints them
// (without the prompt), so every reader runs unchanged on them.
namespace simulated_vehicle {

// The answer to a command, at once: the table entry compared case-sensitively with the whole
// command, a fresh engine speed for "010C", and "DEMO" for everything else.
QString answerNow(const QString& command);

// True when the command has an entry of its own (anything but "DEMO").
bool knows(const QString& command);

} // namespace simulated_vehicle
