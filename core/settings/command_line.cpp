#include "core/settings/command_line.h"

#include <QCoreApplication>
#include <QTextStream>

namespace command_line {

namespace {

const QString Help = QStringLiteral("help");
const QString Version = QStringLiteral("version");

// The argument the parser stopped at when it reports a missing value: the last option before
// "--", given without "=VALUE".
QString optionWithoutValue(const QStringList& arguments) {
    const qsizetype end = arguments.indexOf(QStringLiteral("--"));
    const QStringList options = arguments.mid(1, end < 0 ? -1 : end - 1);
    if (options.isEmpty())
        return {};
    const QString& last = options.last();
    return last.startsWith(QLatin1Char('-')) && !last.contains(QLatin1Char('=')) ? last : QString();
}

} // namespace

// Our own wording for the two errors people meet; the parser's text for anything rarer.
QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        const QString& name = unknown.constFirst();
        return QStringLiteral("unknown option %1%2")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    if (const QString option = optionWithoutValue(arguments); !option.isEmpty())
        return QStringLiteral("%1 needs a value").arg(option);
    return parser.errorText();
}

void addStandardOptions(QCommandLineParser& parser) {
    parser.addOption(QCommandLineOption({QStringLiteral("h"), Help},
                                        QStringLiteral("Show this help and exit.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), Version},
                                        QStringLiteral("Show the version and exit.")));
}

void addOptions(QCommandLineParser& parser, std::span<const OptionText> options) {
    for (const OptionText& option : options) {
        const QString name = QLatin1String(option.name);
        const QString description = QString::fromUtf8(option.description);
        parser.addOption(
            option.valueName == nullptr
                ? QCommandLineOption(name, description)
                : QCommandLineOption(name, description, QLatin1String(option.valueName)));
    }
}

std::optional<int> parse(QCommandLineParser& parser, const QStringList& arguments,
                         const Program& program, QTextStream& out, QTextStream& err) {
    const bool parsed = parser.parse(arguments);
    // Asked for help, the user gets it even beside a mistake.
    if (parser.isSet(Help)) {
        out << helpText(parser, program);
        out.flush();
        return 0;
    }
    if (!parsed) {
        err << usageError(program.name, parseProblem(parser, arguments));
        err.flush();
        return UsageExit;
    }
    if (parser.isSet(Version)) {
        out << versionText(program);
        out.flush();
        return 0;
    }
    if (!program.takesArguments && !parser.positionalArguments().isEmpty()) {
        err << usageError(
            program.name,
            QStringLiteral("unknown argument %1").arg(parser.positionalArguments().constFirst()));
        err.flush();
        return UsageExit;
    }
    return std::nullopt;
}

QString usageError(const QString& program, const QString& message) {
    return QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, message);
}

QString versionText(const Program& program) {
    return program.name + QLatin1Char(' ') + program.version + QLatin1Char('\n');
}

QString helpText(const QCommandLineParser& parser, const Program& program) {
    QString text = parser.helpText();
    // The parser names the program by the path it was started with, or by a placeholder before
    // the application object exists.
    const QString started = QCoreApplication::instance() != nullptr
                                ? QCoreApplication::arguments().value(0)
                                : QStringLiteral("<executable_name>");
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (const qsizetype at = text.left(lineEnd).indexOf(started); !started.isEmpty() && at >= 0)
        text.replace(at, started.size(), program.name);
    if (!program.epilogue.isEmpty())
        text += QLatin1Char('\n') + program.epilogue;
    return text;
}

} // namespace command_line
