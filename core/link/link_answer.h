#pragma once

#include <QString>
#include <optional>

// The cleaned answer of one command exchange, or nothing when no complete answer arrived (no
// prompt before the silence, the time limit or a stop). Whatever the interface printed up to its
// prompt is an answer, even a text such as "Error". The communication log, a view and the CLI
// show nothing as "Error".
using LinkAnswer = std::optional<QString>;
