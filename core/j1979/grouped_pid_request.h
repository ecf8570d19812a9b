#pragma once

#include "core/j1979/pid_value.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <optional>

class CommandLink;

// Several current-data PIDs in one request ("010C0D05"): a CAN vehicle answers up to six at once,
// each control unit in one message ("41 0C 1A F8 0D 32 05 7B"), which saves most of the time a
// request costs. Values come only from whole PIDs of whole messages: a message that is no such
// answer, a PID the request did not ask for, bytes cut short or a PID no unit answered make the
// answer unusable, and nothing of it is taken.
namespace grouped_pid_request {

constexpr int kMaxPidsPerRequest = 6;

// Whether the PID can share a request: one with a value and data of a defined length.
bool groupable(int pid);

// The answer each PID of `pids` would have got alone ("410C1AF8"), from the messages of a grouped
// request; a PID several units answered takes the first unit's bytes, as a single request's
// value does. Nothing when the answer is unusable.
std::optional<QHash<int, QString>> split(const QList<QByteArray>& messages, const QList<int>& pids);

// The values of every PID of `pids` (service 01; the vehicle supports them) that could be read in
// grouped requests, as requestPidValues gives them. Asks only while the link takes several PIDs
// a request; the first unusable answer turns that off for the link (it falls back to one PID a
// request), and PIDs without a value here are the caller's to ask alone.
QHash<int, QList<PidValue>> read(CommandLink& link, const QList<int>& pids, bool english);

} // namespace grouped_pid_request
