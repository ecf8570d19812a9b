#include "tools/cli/cli_run.h"

#include "core/faultcodes/fault_table_error.h"
#include "core/j1979/hex_conversions.h"
#include "core/link/serial_port_error.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_plot_command.h"
#include "tools/cli/cli_session.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonArray stageArray(const CliConnectionView& view) {
    QJsonArray stages;
    for (const CliConnectionView::Line& line : view.lines)
        stages.append(
            QJsonObject{{QStringLiteral("text"), line.text}, {QStringLiteral("ok"), line.ok()}});
    return stages;
}

void printStages(const CliConnectionView& view, CliIo& io) {
    for (const CliConnectionView::Line& line : view.lines)
        io.error(CliConnectionView::prefix(line) + line.text);
}

// --record: the recording starts before the first command goes out. A file that cannot be
// written stops the run as other files do; a write failing later is told once and the command
// goes on.
bool startRecording(CliSession& session, const CliOptions& options, CliIo& io) {
    if (options.record.isEmpty())
        return true;
    SessionRecorder& recorder = session.context().link.recorder();
    recorder.setFailureHandler([&io](const QString& message) {
        io.error(QStringLiteral("quorvane-cli: ") + message +
                 QStringLiteral(" (recording stopped)"));
    });
    const SessionRecorder::Description description{
        QStringLiteral(QUORVANE_VERSION),
        options.english ? QStringLiteral("english") : QStringLiteral("metric"), options.anonymize};
    const QString reason = recorder.open(options.record, description, true);
    if (reason.isEmpty())
        return true;
    io.error(QStringLiteral("quorvane-cli: cannot write %1: %2").arg(options.record, reason));
    return false;
}

int runVehicleCommand(CliSession& session, const CliOptions& options, CliIo& io) {
    cli_vehicle::validate(options);
    if (options.command == QLatin1String("report"))
        cli_report::validate(options);
    if (!startRecording(session, options, io))
        return cli_exit::WriteFailed;
    const QString& command = options.command;
    bool connected = false;
    QString lostConnection;
    try {
        connected = session.connect();
    } catch (const SerialPortError& e) {
        // A report keeps what the vehicle sent before the connection went; nothing else does.
        if (command != QLatin1String("report") || !session.view().vehicleAnswered())
            throw;
        lostConnection = e.message();
        connected = true;
    }
    if (!connected) {
        printStages(session.view(), io);
        io.doc[QStringLiteral("connected")] = false;
        io.doc[QStringLiteral("stages")] = stageArray(session.view());
        return cli_exit::NoAnswer;
    }
    if (command == QLatin1String("connect"))
        return cli_vehicle::connect(session, io);
    // Other commands show the sequence only when asked to log, and then beside their output.
    if (options.log)
        printStages(session.view(), io);
    if (command == QLatin1String("status"))
        return cli_vehicle::status(session, io);
    if (command == QLatin1String("vin"))
        return cli_vehicle::vin(session, options, io);
    if (command == QLatin1String("pid"))
        return cli_vehicle::pid(session, options, io);
    if (command == QLatin1String("watch"))
        return cli_vehicle::watch(session, options, io);
    if (command == QLatin1String("dtc"))
        return cli_vehicle::dtc(session, options, io);
    if (command == QLatin1String("clear"))
        return cli_vehicle::clear(session, io);
    if (command == QLatin1String("freeze"))
        return cli_vehicle::freeze(session, options, io);
    if (command == QLatin1String("o2"))
        return cli_vehicle::o2(session, options, io);
    if (command == QLatin1String("monitors"))
        return cli_vehicle::monitors(session, options, io);
    if (command == QLatin1String("units"))
        return cli_vehicle::units(session, io);
    if (command == QLatin1String("iupr"))
        return cli_vehicle::iupr(session, io);
    if (command == QLatin1String("report"))
        return cli_report::report(session, options, io, lostConnection);
    return cli_vehicle::raw(session, options, io);
}

int runCommand(CliSession& session, const CliOptions& options, CliIo& io) {
    session.prepareTexts();
    const QString& command = options.command;
    if (commandTalksToVehicle(command))
        return runVehicleCommand(session, options, io);
    if (command == QLatin1String("ports"))
        return cli_offline::ports(io);
    if (command == QLatin1String("decode"))
        return cli_offline::decode(session, options, io);
    if (command == QLatin1String("lookup"))
        return cli_offline::lookup(session, options, io);
    return cli_offline::makers(session, io);
}

int usageError(QTextStream& err, const QString& message) {
    err << cliUsageError(message);
    err.flush();
    return cli_exit::Usage;
}

} // namespace

int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const CliTuning& tuning) {
    CliOptions options;
    try {
        options = parseCliArguments(arguments);
    } catch (const CliUsageError& e) {
        return usageError(err, e.message());
    }
    if (options.help || options.version) {
        out << (options.help ? cliHelpText() : cliVersionText());
        out.flush();
        return cli_exit::Success;
    }
    if (options.command == QLatin1String("plot"))
        return runPlotCommand(options, err, tuning);

    CliIo io{out, err, options.json, {}, false};
    int code = cli_exit::Success;
    try {
        CliSession session(options, tuning);
        // A log that cannot be written is told once and stops; the command's result stands.
        session.context().link.commLog().setFailureHandler([&io](const QString& message) {
            io.error(QStringLiteral("quorvane-cli: ") + message +
                     QStringLiteral(" (logging stopped)"));
        });
        code = runCommand(session, options, io);
    } catch (const CliUsageError& e) {
        return usageError(err, e.message());
    } catch (const HexConversionError& e) {
        // Data the vehicle sent that are no number: the action ends, as in the program.
        io.error(QStringLiteral("quorvane-cli: ") + e.message());
        return options.command == QLatin1String("decode") ? cli_exit::Usage : cli_exit::NoAnswer;
    } catch (const SerialPortError& e) {
        io.error(QStringLiteral("quorvane-cli: ") + e.message());
        return cli_exit::NoAnswer;
    } catch (const FaultTableError& e) {
        io.error(QStringLiteral("quorvane-cli: ") + e.message());
        return cli_exit::NoAnswer;
    } catch (const std::exception& e) {
        io.error(QStringLiteral("quorvane-cli: ") + QString::fromLocal8Bit(e.what()));
        return cli_exit::NoAnswer;
    }
    if (options.json && !io.streamed) {
        out << QJsonDocument(io.doc).toJson(QJsonDocument::Indented);
        out.flush();
    }
    return code;
}
