#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

class QTextStream;

// The conventions the window, quorvane-cli and elmsim share on their command line: --help and
// --version print to standard output and end the run with 0; a command line that cannot be read
// prints one line naming the problem and a pointer to --help to standard error and ends with 2.
namespace command_line {

inline constexpr int UsageExit = 2;

struct Program {
    QString name = {};           // as the user types it
    QString version = {};        // printed by --version after the name
    QString epilogue = {};       // printed after the options of --help (commands, exit codes)
    bool takesArguments = false; // false: an argument that is no option is a usage error
};

// One option as --help shows it.
struct OptionText {
    const char* name;
    const char* valueName; // nullptr: a switch
    const char* description;
};

// -h/--help and -v/--version.
void addStandardOptions(QCommandLineParser& parser);
void addOptions(QCommandLineParser& parser, std::span<const OptionText> options);

// Parses arguments (the program name first, as QCoreApplication::arguments() has it) and answers
// --help, --version and a parse error on out and err. Returns the exit code when the run ends
// here, nothing when the program goes on with the parser's values.
std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments,
                         const Program& program, QTextStream& out, QTextStream& err);

// Why parse() refused the arguments it was given, in one line: an unknown option or an option
// without its value named as the user wrote it.
QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments);

// The two lines of a usage error: "NAME: message" and the pointer to --help.
QString usageError(const QString& program, const QString& message);

// The full --help text; the usage line names the program, not the path it was started by.
QString helpText(const QCommandLineParser& parser, const Program& program);

// The line --version prints.
QString versionText(const Program& program);

} // namespace command_line
