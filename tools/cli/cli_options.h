#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// What the command line asked for. Options may stand before or after the command.
struct CliOptions {
    QString port; // --port PATH; empty: the stored port
    // --baud N|auto: a fixed rate (0: the stored choice) or the automatic search.
    int baud = 0;
    bool automaticBaud = false;
    // --protocol auto|1..C: the ELM327's protocol; nothing: the stored choice (0 for auto).
    std::optional<int> protocol;
    bool demo = false;
    bool english = false;
    QString language; // --lang CODE; empty: the stored language
    bool json = false;
    bool log = false;
    QString record;         // --record FILE: the session's exchanges as a recording
    bool anonymize = false; // --anonymize: VIN and calibration IDs left out of the recording
    QString command;
    QStringList args;
    std::optional<int> count; // watch --count N
    QString csvFile;          // watch --csv FILE
    QString maker;            // lookup/dtc/freeze --maker M
    bool yes = false;         // clear --yes
    bool force = false;       // vin/pid --force: ask whatever the supported set says
    // report --out FILE [--html FILE] [--pdf FILE] [--customer LINE]... [--make/--model/--year/
    // --vin TEXT]
    QString reportOut;
    QString reportHtml;
    QString reportPdf;
    QStringList customer;
    QString make;
    QString model;
    QString year;
    QString vin;
    // plot LOG.csv [--columns A,B]... [--png FILE] [--svg FILE] [--size WxH]
    QStringList columns;
    QString png;
    QString svg;
    QString size;
    bool help = false;    // --help: nothing else was checked
    bool version = false; // --version
};

// A command line that cannot be run as written. The message is one line for the user; the
// program exits with 2 after it and the pointer to --help.
class CliUsageError : public std::runtime_error {
public:
    explicit CliUsageError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Parses the arguments after the program name; checks the command's argument count and which
// options it takes. Throws CliUsageError.
CliOptions parseCliArguments(const QStringList& arguments);

// The full help text of --help, and the line of --version.
QString cliHelpText();
QString cliVersionText();

// A usage error as printed: the message and the pointer to --help.
QString cliUsageError(const QString& message);

// Commands that need the connection sequence before their work.
bool commandTalksToVehicle(const QString& command);
