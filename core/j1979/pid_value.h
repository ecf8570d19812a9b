#pragma once

#include <QString>
#include <optional>

// The display text of a PID's value, or nothing when the vehicle sent no value: the request was
// not answered, answered without the response or its data, or the data hold no value. A view,
// a log and the CLI show nothing as "Error". "N/A" (PID 00) is a text like any other.
using PidValue = std::optional<QString>;
