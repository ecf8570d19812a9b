#pragma once

#include <QString>
#include <optional>

// The answer of an interface command: its text when the chip gave the expected answer, nothing
// when commands could not go out or the answer was another. A view shows nothing as "Error".
using ElmReply = std::optional<QString>;
