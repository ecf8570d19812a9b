#include "tools/cli/cli_plot_command.h"

#include "core/j1979/sensor_catalogue.h"
#include "core/livedata/log_table.h"
#include "tools/cli/cli_io.h"
#include "tools/cli/cli_options.h"
#include "tools/cli/cli_run.h"
#include "tools/cli/cli_session.h"
#include "ui/widgets/log_plot_painter.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace {

// Larger pictures would need more memory than a report or a script has reason to ask for.
constexpr int kLargestSide = 10000;

struct PlotOptions {
    QString log;
    QStringList columns;
    QString png;
    QString svg;
    QSize size{1200, 800};
    QString language;
};

// The plot's part of the command line; throws CliUsageError.
PlotOptions plotOptionsOf(const CliOptions& cli) {
    PlotOptions options;
    options.log = cli.args.value(0);
    options.columns = cli.columns;
    options.png = cli.png;
    options.svg = cli.svg;
    options.language = cli.language;
    if (!cli.size.isNull()) {
        static const QRegularExpression pattern(QStringLiteral(R"(^(\d{2,5})x(\d{2,5})$)"));
        const QRegularExpressionMatch m = pattern.match(cli.size);
        options.size = m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
        if (options.size.width() < 200 || options.size.height() < 150 ||
            options.size.width() > kLargestSide || options.size.height() > kLargestSide)
            throw CliUsageError(
                QStringLiteral("--size needs WIDTHxHEIGHT between 200x150 and 10000x10000"));
    }
    if (options.png.isEmpty() && options.svg.isEmpty())
        throw CliUsageError(QStringLiteral("plot needs --png FILE or --svg FILE"));
    return options;
}

// The series a name on the command line means: the column of that header text, or the column
// named as the program names the sensor of that PID in the language of the run.
int seriesNamed(const LogTable& table, const PidCatalogue& catalogue, const QString& wanted) {
    for (size_t i = 0; i < table.series.size(); ++i)
        if (table.series[i].name.compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i);
    static const QRegularExpression pid(QStringLiteral("^[0-9A-Fa-f]{2}$"));
    if (pid.match(wanted).hasMatch()) {
        const int number = wanted.toInt(nullptr, 16);
        if (number >= 1 && number <= CataloguePidCount) {
            const QString& name = catalogue.pid(number).name;
            for (size_t i = 0; i < table.series.size(); ++i)
                if (!name.isEmpty() && table.series[i].name.compare(name, Qt::CaseInsensitive) == 0)
                    return int(i);
        }
    }
    QStringList names;
    for (const LogSeries& s : table.series)
        names << s.name;
    throw CliUsageError(QStringLiteral("the log has no column %1 (it has: %2)")
                            .arg(wanted, names.join(QStringLiteral("; "))));
}

std::vector<int> chosenSeries(const LogTable& table, const PidCatalogue& catalogue,
                              const QStringList& columns) {
    std::vector<int> chosen;
    if (columns.isEmpty()) {
        for (int i = 0; i < std::min<int>(6, int(table.series.size())); ++i)
            chosen.push_back(i);
        return chosen;
    }
    auto isHeader = [&table](const QString& text) {
        for (const LogSeries& s : table.series)
            if (s.name.compare(text, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    for (const QString& given : columns) {
        // Header texts may hold commas ("Catalyst Temperature Bank 1, Sensor 1"): the longest run
        // of pieces that names a column is taken as one.
        const QStringList pieces = given.split(QLatin1Char(','));
        for (qsizetype i = 0; i < pieces.size();) {
            qsizetype taken = 1;
            for (qsizetype j = pieces.size(); j > i + 1; --j)
                if (isHeader(pieces.mid(i, j - i).join(QLatin1Char(',')).trimmed())) {
                    taken = j - i;
                    break;
                }
            chosen.push_back(seriesNamed(table, catalogue,
                                         pieces.mid(i, taken).join(QLatin1Char(',')).trimmed()));
            i += taken;
        }
    }
    return chosen;
}

int fail(QTextStream& err, const QString& message, int code) {
    err << "quorvane-cli: " << message << '\n';
    err.flush();
    return code;
}

} // namespace

int runPlotCommand(const CliOptions& cli, QTextStream& err, const CliTuning& tuning) {
    PlotOptions options;
    try {
        options = plotOptionsOf(cli);
    } catch (const CliUsageError& e) {
        err << cliUsageError(e.message());
        err.flush();
        return cli_exit::Usage;
    }
    LogTable table;
    std::vector<int> chosen;
    try {
        table = readLogFile(options.log);
        // The sensor names of PIDs, in the language the window records its logs in.
        CliOptions sessionOptions;
        sessionOptions.command = QStringLiteral("plot");
        sessionOptions.language = options.language;
        CliSession session(sessionOptions, tuning);
        session.prepareTexts();
        chosen = chosenSeries(table, session.context().pidCatalogue, options.columns);
    } catch (const LogReadError& e) {
        return fail(err, e.message(), cli_exit::Usage);
    } catch (const CliUsageError& e) {
        return fail(err, e.message(), cli_exit::Usage);
    } catch (const std::exception& e) {
        return fail(err, QString::fromLocal8Bit(e.what()), cli_exit::NoAnswer);
    }
    LogPlotView view;
    view.from = 0;
    view.to = std::max(table.times.back(), 1.0);
    view.series = chosen;
    view.title = QFileInfo(options.log).fileName();
    for (const auto& [path, save] :
         {std::pair{options.png, &saveLogPlotPng}, std::pair{options.svg, &saveLogPlotSvg}}) {
        if (path.isEmpty())
            continue;
        const QString problem = save(path, options.size, table, view);
        if (!problem.isEmpty())
            return fail(err, problem, cli_exit::WriteFailed);
    }
    return cli_exit::Success;
}
