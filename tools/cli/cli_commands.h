#pragma once

#include <QString>

struct CliIo;
struct CliOptions;
class CliSession;

// The commands that talk to the vehicle. Each runs after a successful connection sequence and
// returns the exit code. Bad arguments throw CliUsageError before anything is sent.
namespace cli_vehicle {
// Checks the arguments of the command without any exchange; throws CliUsageError.
void validate(const CliOptions& options);
int connect(CliSession& session, CliIo& io);
int status(CliSession& session, CliIo& io);
int vin(CliSession& session, const CliOptions& options, CliIo& io);
int pid(CliSession& session, const CliOptions& options, CliIo& io);
int watch(CliSession& session, const CliOptions& options, CliIo& io);
int dtc(CliSession& session, const CliOptions& options, CliIo& io);
int clear(CliSession& session, CliIo& io);
int freeze(CliSession& session, const CliOptions& options, CliIo& io);
int o2(CliSession& session, const CliOptions& options, CliIo& io);
int raw(CliSession& session, const CliOptions& options, CliIo& io);
// The on-board monitoring test results (service 06), all supported or the monitors given.
void validateMonitors(const CliOptions& options);
int monitors(CliSession& session, const CliOptions& options, CliIo& io);
// Each control unit: address, name, protocol, VIN, calibration IDs, CVNs, lamp and readiness.
int units(CliSession& session, CliIo& io);
// The in-use performance ratios of each unit that keeps them.
int iupr(CliSession& session, CliIo& io);
} // namespace cli_vehicle

// The commands that need no interface.
namespace cli_offline {
int ports(CliIo& io);
int decode(CliSession& session, const CliOptions& options, CliIo& io);
int lookup(CliSession& session, const CliOptions& options, CliIo& io);
int makers(CliSession& session, CliIo& io);
// "decode 06 MID ANSWER": the results of one service 06 answer of a CAN vehicle.
int decodeMonitor(const CliOptions& options, CliIo& io);
} // namespace cli_offline

// The diagnostic report of every section; validate checks its options without any exchange.
// lostConnection says why the connection went while the sequence read the vehicle: the report
// then holds what came before it.
namespace cli_report {
void validate(const CliOptions& options);
int report(CliSession& session, const CliOptions& options, CliIo& io, QString lostConnection = {});
} // namespace cli_report

// The maker for codes outside the "P0" range: the one asked for, else the first of the table, as
// the trouble-code page starts with.
QString chosenMaker(CliSession& session, const CliOptions& options);

// Shared by both: a service 01 PID given on the command line ("0C", "c"), checked against the
// catalogue. Throws CliUsageError for anything else.
int parseCataloguePid(const QString& text);
