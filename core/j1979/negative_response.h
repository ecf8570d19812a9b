#pragma once

#include <QString>
#include <optional>

// A control unit's refusal of a request: "7F", the service it refuses and a reason code, as the
// exchange hands it on ("7F 01 12"). The readers treat it as missing data; whoever reports why a
// value is missing names it with these.
namespace negative_response {

struct Refusal {
    int service = 0;
    int reason = 0;
};

// The refusal at the start of the answer (with or without blanks); nothing for any other answer.
std::optional<Refusal> parse(const QString& answer);

// The reason code's meaning in words ("sub-function not supported or invalid format"), or
// "unknown reason" for a code the standards do not name for these services.
QString reasonText(int reason);

// "negative response to service 01: reason 12 (sub-function not supported or invalid format)".
QString describe(const Refusal& refusal);

} // namespace negative_response
